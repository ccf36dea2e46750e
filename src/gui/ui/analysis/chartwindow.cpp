#include "ui/analysis/chartwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qtcanvas.hpp"
#include "print/printfont.hpp"
#include "widgets/controls.hpp"
#include "widgets/printconfirm.hpp"

namespace quorval::gui {

ChartWindow::ChartWindow(platform::Services& services, QWidget* opener, const QString& name)
    : ChildWindow(services, opener, name, "Quorval") {}

QLabel* ChartWindow::makeNamePanel(const QString& objectName) {
    const store::LeagueData& data = m_services.data;
    QLabel* panel =
        makePanel(objectName, QString::fromStdString(data.players[data.currentPlayer].name), QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    QFont big = panel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    panel->setFont(big);
    return panel;
}

void ChartWindow::arrange(QLayout* heading, CanvasView* picture, QLayout* below, QPushButton* other, QPushButton* print,
                          QPushButton* close) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(other);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addLayout(below);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
    close->setFocus();

    connect(close, &QPushButton::clicked, this, &ChartWindow::close);
}

void ChartWindow::switchTo(ChildWindow* next) {
    m_services.dialogs.beginBusy("");
    handOverTo(next);
    m_services.dialogs.endBusy();
}

void ChartWindow::printWith(PrintFunction printChart) {
    if (!confirmPrint(m_services.dialogs, kChartReady)) return;
    m_services.dialogs.beginBusy("");
    const platform::Date today = m_services.clock.today();
    printChart(m_services.printer, m_services.data, m_services.data.currentPlayer,
               print::PrintDate(today, m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

void ChartWindow::finish() {
    if (!m_handedOver) m_services.data.currentPlayer = 0;
}

}  // namespace quorval::gui
