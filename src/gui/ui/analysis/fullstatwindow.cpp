#include "ui/analysis/fullstatwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/statistics.hpp"
#include "ui/main/listingview.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"
#include "widgets/printconfirm.hpp"

namespace quorval::gui {

namespace {

constexpr int kSmallScreen = 640;   // pixels wide
constexpr int kWideColumns = 104;   // the heading's underline and a column to spare
constexpr int kNarrowColumns = 78;  // what a 640-pixel screen has room for
constexpr int kVisibleLines = 22;

}  // namespace

FullStatWindow::FullStatWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "FullStatForm", "Personal Performance Review") {
    store::LeagueData& data = services.data;
    if ((data.currentPlayer < 1 || data.currentPlayer > data.playerCount) && data.playerCount > 0)
        data.currentPlayer = 1;

    m_name = makePanel("Playernamelabel", "Name");
    QFont nameFont = m_name->font();
    nameFont.setBold(true);
    m_name->setFont(nameFont);

    m_list = new QListWidget;
    m_list->setObjectName("List1");
    m_list->setFont(fixedPitchFont());
    // Lines differ in width and the list ends with a blank one: each line gives its own width.
    m_list->setUniformItemSizes(false);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A screen wide enough shows whole lines; a 640-pixel one pans them with the scroll bar.
    bool wide = services.screen.widthPixels() > kSmallScreen;
    QScrollBar* pan = m_list->horizontalScrollBar();
    pan->setObjectName("HScroll1");
    m_list->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    QFontMetrics metrics(m_list->font());
    int columns = wide ? kWideColumns : kNarrowColumns;
    int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    m_list->setMinimumWidth(metrics.horizontalAdvance(QString(columns, '0')) + scrollBar + 4 * m_list->frameWidth());
    m_list->setMinimumHeight(kVisibleLines * metrics.lineSpacing() + 2 * m_list->frameWidth());

    QPushButton* print = makeButton("PrintButton", "Print", "Print this review");
    QPushButton* setup = makeButton("Printsetupbutton", "Print Setup");
    m_previous = makeButton("Previous", "Previous Player");
    m_next = makeButton("Nextbutton", "Next Player");
    QPushButton* done = makeButton("Closebutton", "Done");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(setup);
    buttons->addStretch(1);
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(done);

    auto* top = new QHBoxLayout;
    top->addWidget(m_name);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    m_previous->setEnabled(data.currentPlayer > 1);
    m_next->setEnabled(data.currentPlayer < data.playerCount);
    CycleReports();
    adjustSize();
    centreOnScreen();
    done->setFocus();

    connect(print, &QPushButton::clicked, this, &FullStatWindow::printReview);
    connect(setup, &QPushButton::clicked, this, &FullStatWindow::printSetup);
    connect(m_previous, &QPushButton::clicked, this, &FullStatWindow::previousPlayer);
    connect(m_next, &QPushButton::clicked, this, &FullStatWindow::nextPlayer);
    connect(done, &QPushButton::clicked, this, &FullStatWindow::close);
}

void FullStatWindow::CycleReports() {
    const store::LeagueData& data = m_services.data;
    m_list->clear();
    for (const std::string& line : analysis::CycleReports(data, data.currentPlayer))
        m_list->addItem(QString::fromStdString(line));
    m_name->setText(QString::fromStdString(data.players[data.currentPlayer].name));
}

void FullStatWindow::nextPlayer() {
    StepPlayer(
        m_services.data, 1, [this] { CycleReports(); }, m_previous, m_next);
}

void FullStatWindow::previousPlayer() {
    StepPlayer(
        m_services.data, -1, [this] { CycleReports(); }, m_previous, m_next);
}

void FullStatWindow::printReview() {
    if (!confirmPrint(m_services.dialogs, kListReady)) return;
    const store::LeagueData& data = m_services.data;
    std::vector<std::string> lines = listLines(*m_list);
    m_services.dialogs.beginBusy("");
    analysis::PrintStatReview(m_services.printer, data, data.players[data.currentPlayer].name, lines);
    m_services.dialogs.endBusy();
}

void FullStatWindow::printSetup() {
    m_services.printer.setup();
}

void FullStatWindow::finish() {
    m_services.data.currentPlayer = 0;
}

}  // namespace quorval::gui
