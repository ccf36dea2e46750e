#include "ui/analysis/hcpgraphwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/hcpgraph.hpp"
#include "handicap/rules.hpp"
#include "platform/qtcanvas.hpp"
#include "platform/qtprinter.hpp"
#include "print/printfont.hpp"
#include "ui/analysis/piechartwindow.hpp"
#include "widgets/controls.hpp"
#include "widgets/printconfirm.hpp"

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
    : ChildWindow(services, opener, "GRform", "Quorval") {
    const store::PlayerRecord& player = services.data.players[services.data.currentPlayer];

    m_name = makePanel("Lab3", QString::fromStdString(player.name), QFrame::Raised);
    m_name->setAlignment(Qt::AlignCenter);
    QFont big = m_name->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    m_name->setFont(big);
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
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(scoring);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addLayout(legend);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
    done->setFocus();

    connect(scoring, &QPushButton::clicked, this, &HcpGraphWindow::showScoringChart);
    connect(print, &QPushButton::clicked, this, &HcpGraphWindow::printGraph);
    connect(done, &QPushButton::clicked, this, &HcpGraphWindow::close);
}

void HcpGraphWindow::showScoringChart() {
    m_services.dialogs.beginBusy("");
    handOverTo(new PiechartWindow(m_services, m_opener));
    m_services.dialogs.endBusy();
}

void HcpGraphWindow::printGraph() {
    if (!confirmPrint(m_services.dialogs, kChartReady)) return;
    m_services.dialogs.beginBusy("");
    const platform::Date today = m_services.clock.today();
    analysis::PrintHcpGraph(m_services.printer, m_services.data, m_services.data.currentPlayer,
                            print::PrintDate(today, m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

// Closed by its own button or the title bar, the graph lets go of the player; handing over to
// the scoring chart keeps him.
void HcpGraphWindow::finish() {
    if (!m_handedOver) m_services.data.currentPlayer = 0;
}

}  // namespace quorval::gui
