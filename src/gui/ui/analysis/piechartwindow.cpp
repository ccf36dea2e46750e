#include "ui/analysis/piechartwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/scoring.hpp"
#include "platform/qtcanvas.hpp"
#include "print/printfont.hpp"
#include "ui/analysis/hcpgraphwindow.hpp"
#include "widgets/controls.hpp"
#include "widgets/printconfirm.hpp"

namespace quorval::gui {

PiechartWindow::PiechartWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "Piechart", "Quorval") {
    const store::LeagueData& data = services.data;
    const analysis::ScoreCounts counts = analysis::CountScores(data, data.currentPlayer);
    const std::vector<analysis::PieSlice> slices = analysis::ScoringSlices(counts);

    m_name = makePanel("Namelabel", QString::fromStdString(data.players[data.currentPlayer].name), QFrame::Raised);
    m_name->setAlignment(Qt::AlignCenter);
    QFont big = m_name->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    m_name->setFont(big);
    m_picture = new CanvasView("P", kPictureWidth, kPictureHeight);
    m_picture->draw([slices](platform::Canvas& canvas) { analysis::DrawScoringChart(canvas, slices); });

    m_averagePar = makePanel("aveparlabel", QString::fromStdString(analysis::AverageParCaption(counts)));
    m_averageScore = makePanel("aveholelabel", QString::fromStdString(analysis::AverageScoreCaption(counts)));
    m_totalHoles = makePanel("totalholeslabel", QString::fromStdString(analysis::TotalHolesCaption(counts)));

    QPushButton* hcpChart = makeButton("Command3D1", "Hcp. Chart", "Show Handicap Chart");
    QPushButton* print = makeButton("printbutton", "Print Chart", "Send chart to the printer");
    QPushButton* close = makeButton("closebutton", "&Close", "Close chart window");

    auto* captions = new QHBoxLayout;
    captions->addWidget(m_averagePar, 1);
    captions->addWidget(m_averageScore, 1);
    captions->addWidget(m_totalHoles, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hcpChart);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addLayout(captions);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
    close->setFocus();

    connect(hcpChart, &QPushButton::clicked, this, &PiechartWindow::showHcpChart);
    connect(print, &QPushButton::clicked, this, &PiechartWindow::printChart);
    connect(close, &QPushButton::clicked, this, &PiechartWindow::close);
}

void PiechartWindow::showHcpChart() {
    m_services.dialogs.beginBusy("");
    handOverTo(new HcpGraphWindow(m_services, m_opener));
    m_services.dialogs.endBusy();
}

void PiechartWindow::printChart() {
    if (!confirmPrint(m_services.dialogs, kChartReady)) return;
    m_services.dialogs.beginBusy("");
    const platform::Date today = m_services.clock.today();
    analysis::PrintScoringChart(m_services.printer, m_services.data, m_services.data.currentPlayer,
                                print::PrintDate(today, m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

// Closed by its own button or the title bar, the chart lets go of the player; handing over to
// the handicap graph keeps him.
void PiechartWindow::finish() {
    if (!m_handedOver) m_services.data.currentPlayer = 0;
}

}  // namespace quorval::gui
