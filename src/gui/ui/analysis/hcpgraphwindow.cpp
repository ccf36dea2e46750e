#include "ui/analysis/hcpgraphwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "analysis/hcpgraph.hpp"
#include "handicap/rules.hpp"
#include "platform/qtcanvas.hpp"
#include "platform/qtprinter.hpp"
#include "ui/analysis/piechartwindow.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

// A legend sample: a short thick line in the graph's colour.
QFrame* legendLine(const QString& name, int colour) {
    auto* line = new QFrame;
    line->setObjectName(name);
    line->setFixedSize(28, 3);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, consoleColour(colour));
    line->setPalette(palette);
    return line;
}

QLabel* legendText(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

}  // namespace

HcpGraphWindow::HcpGraphWindow(platform::Services& services, QWidget* opener)
    : ChartWindow(services, opener, "GRform") {
    const store::PlayerRecord& player = services.data.players[services.data.currentPlayer];

    m_name = makeNamePanel("Lab3");
    m_rounds = makePanel("Lab23", QString::fromStdString(analysis::RoundsPlayedCaption(player)));
    m_index = makePanel(
        "Lab24", QString::fromStdString(analysis::CurrentIndexCaption(player, handicap::RulesOf(m_services.data))));

    m_picture = new CanvasView("Picture1", kPictureWidth, kPictureHeight);
    const handicap::Rules& rules = handicap::RulesOf(m_services.data);
    m_picture->draw([player, &rules](platform::Canvas& canvas) { analysis::DrawHcpGraph(canvas, player, rules); });

    auto* legend = new QHBoxLayout;
    legend->addStretch(1);
    legend->addWidget(legendLine("Line11", 0));
    legend->addWidget(legendText("Lab21", "Handicap Index"));
    legend->addSpacing(24);
    legend->addWidget(legendLine("Line12", 12));
    legend->addWidget(legendText("Lab22", "Handicap Differential"));
    legend->addStretch(1);

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_name, 2);
    heading->addWidget(m_rounds, 1);
    heading->addWidget(m_index, 1);

    QPushButton* scoring = makeButton("Command3d1", "Scoring avg.", "Show Scoring Chart");
    QPushButton* print = makeButton("printbutton", "Print Chart", "Send chart to the printer");
    QPushButton* done = makeButton("donebutton", "&Done", "Close chart window");
    arrange(heading, m_picture, legend, scoring, print, done);
    connect(scoring, &QPushButton::clicked, this, &HcpGraphWindow::showScoringChart);
    connect(print, &QPushButton::clicked, this, &HcpGraphWindow::printGraph);
}

void HcpGraphWindow::showScoringChart() {
    switchTo(new PiechartWindow(m_services, m_opener));
}

void HcpGraphWindow::printGraph() {
    printWith(analysis::PrintHcpGraph);
}

}  // namespace quorval::gui
