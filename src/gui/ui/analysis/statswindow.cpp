#include "ui/analysis/statswindow.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/statistics.hpp"
#include "print/printfont.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"
#include "widgets/printconfirm.hpp"

namespace quorval::gui {

namespace {

QLabel* makeLabel(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("Average # of Putts per Hole - no data") + 12);
    return label;
}

}  // namespace

StatsWindow::StatsWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "Statsform", "Personal Performance") {
    store::LeagueData& data = services.data;
    if ((data.currentPlayer < 1 || data.currentPlayer > data.playerCount) && data.playerCount > 0)
        data.currentPlayer = 1;

    QLabel* title = makePanel("Label10", "Overall Statistics", QFrame::Raised);
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title->setFont(titleFont);

    auto* playerCaption = new QLabel("Player :");
    playerCaption->setObjectName("Label11");
    m_name = makePanel("NameLabel", "");
    QFont nameFont = m_name->font();
    nameFont.setBold(true);
    m_name->setFont(nameFont);
    m_hcp = makeLabel("HcpLabel", "Current Hcp Index");

    m_averageScore = makeLabel("AveScoreLabel", "Average Score per Hole");
    m_averagePar = makeLabel("AveParLabel", "Average Par per Hole");
    m_fairways = makeLabel("AvgFairwaysLabel", "Fairway %");
    m_greens = makeLabel("AvgGreensLabel", "Greens in Regulation %");
    m_putts = makeLabel("AvgPuttsLabel", "Average # of Putts per Hole");
    auto* averages = new QFrame;
    averages->setObjectName("Frame1");
    averages->setFrameShape(QFrame::Panel);
    averages->setFrameShadow(QFrame::Sunken);
    auto* averagesLayout = new QVBoxLayout(averages);
    averagesLayout->setSpacing(8);
    for (QLabel* label : {m_averageScore, m_averagePar, m_fairways, m_greens, m_putts})
        averagesLayout->addWidget(label);

    auto* player = new QGridLayout;
    player->addWidget(playerCaption, 0, 0);
    player->addWidget(m_name, 0, 1);
    player->addWidget(m_hcp, 1, 1);
    player->setColumnStretch(1, 1);

    QPushButton* print = makeButton("PrintSingle", "Print", "Print this summary");
    m_previous = makeButton("Previous", "Previous Player");
    m_next = makeButton("Nextbutton", "Next Player");
    QPushButton* done = makeButton("Closebutton", "Done");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addStretch(1);
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(player);
    layout->addWidget(averages, 1);
    layout->addLayout(buttons);

    m_previous->setEnabled(data.currentPlayer > 1);
    m_next->setEnabled(data.currentPlayer < data.playerCount);
    showPlayer();
    adjustSize();
    centreOnScreen();
    done->setFocus();

    connect(print, &QPushButton::clicked, this, &StatsWindow::printSummary);
    connect(m_previous, &QPushButton::clicked, this, &StatsWindow::previousPlayer);
    connect(m_next, &QPushButton::clicked, this, &StatsWindow::nextPlayer);
    connect(done, &QPushButton::clicked, this, &StatsWindow::close);
}

void StatsWindow::CalcAverages() {
    analysis::PerformanceSummary summary = analysis::CalcAverages(m_services.data, m_services.data.currentPlayer);
    m_hcp->setText(QString::fromStdString(summary.hcp));
    m_averagePar->setText(QString::fromStdString(summary.averagePar));
    m_averageScore->setText(QString::fromStdString(summary.averageScore));
    m_fairways->setText(QString::fromStdString(summary.fairways));
    m_greens->setText(QString::fromStdString(summary.greens));
    m_putts->setText(QString::fromStdString(summary.putts));
}

void StatsWindow::showPlayer() {
    const store::LeagueData& data = m_services.data;
    m_name->setText(QString::fromStdString(data.players[data.currentPlayer].name));
    CalcAverages();
}

void StatsWindow::nextPlayer() {
    StepPlayer(
        m_services.data, 1, [this] { showPlayer(); }, m_previous, m_next);
}

void StatsWindow::previousPlayer() {
    StepPlayer(
        m_services.data, -1, [this] { showPlayer(); }, m_previous, m_next);
}

void StatsWindow::printSummary() {
    if (!confirmPrint(m_services.dialogs, kListReady)) return;
    const store::LeagueData& data = m_services.data;
    analysis::PerformanceSummary summary = analysis::CalcAverages(data, data.currentPlayer);
    platform::Date today = m_services.clock.today();
    m_services.dialogs.beginBusy("");
    analysis::PrintStatSummary(m_services.printer, data, data.players[data.currentPlayer].name, summary,
                               print::PrintDate(today, m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

void StatsWindow::finish() {
    m_services.data.currentPlayer = 0;
}

}  // namespace quorval::gui
