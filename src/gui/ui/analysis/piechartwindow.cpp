#include "ui/analysis/piechartwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "analysis/scoring.hpp"
#include "platform/qtcanvas.hpp"
#include "ui/analysis/hcpgraphwindow.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

PiechartWindow::PiechartWindow(platform::Services& services, QWidget* opener)
    : ChartWindow(services, opener, "Piechart") {
    const store::LeagueData& data = services.data;
    const analysis::ScoreCounts counts = analysis::CountScores(data, data.currentPlayer);
    const std::vector<analysis::PieSlice> slices = analysis::ScoringSlices(counts);

    m_name = makeNamePanel("Namelabel");
    m_picture = new CanvasView("P", kPictureWidth, kPictureHeight);
    m_picture->draw([slices](platform::Canvas& canvas) { analysis::DrawScoringChart(canvas, slices); });

    m_averagePar = makePanel("aveparlabel", QString::fromStdString(analysis::AverageParCaption(counts)));
    m_averageScore = makePanel("aveholelabel", QString::fromStdString(analysis::AverageScoreCaption(counts)));
    m_totalHoles = makePanel("totalholeslabel", QString::fromStdString(analysis::TotalHolesCaption(counts)));

    QPushButton* hcpChart = makeButton("Command3D1", "Hcp. Chart", "Show Handicap Chart");
    QPushButton* print = makeButton("printbutton", "Print Chart", "Send chart to the printer");
    QPushButton* close = makeButton("closebutton", "&Close", "Close chart window");

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_name);
    auto* captions = new QHBoxLayout;
    captions->addWidget(m_averagePar, 1);
    captions->addWidget(m_averageScore, 1);
    captions->addWidget(m_totalHoles, 1);
    arrange(heading, m_picture, captions, hcpChart, print, close);
    connect(hcpChart, &QPushButton::clicked, this, &PiechartWindow::showHcpChart);
    connect(print, &QPushButton::clicked, this, &PiechartWindow::printChart);
}

void PiechartWindow::showHcpChart() {
    switchTo(new HcpGraphWindow(m_services, m_opener));
}

void PiechartWindow::printChart() {
    printWith(analysis::PrintScoringChart);
}

}  // namespace quorval::gui
