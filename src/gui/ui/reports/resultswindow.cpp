#include "ui/reports/resultswindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "league/leagues.hpp"
#include "ui/main/listingview.hpp"
#include "ui/reports/sidegamepage.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

ResultsWindow::ResultsWindow(platform::Services& services, QWidget* opener, const results::PlayDate& date)
    : ChildWindow(services, opener, "results",
                  QString::fromStdString("Results of " + results::DateText(date, services.data.settings.dateOrder))),
      m_date(date) {
    const results::DayResults day = results::ResultsOfDay(services.data, date);
    std::string courses;
    for (const std::string& course : day.courses) courses += (courses.empty() ? "" : ", ") + course;
    auto* heading = makePanel("resultsheading",
                              QString::fromStdString(league::LeagueName(services.data) + "  -  " +
                                                     results::DateText(date, services.data.settings.dateOrder) +
                                                     (courses.empty() ? "" : "  -  ") + courses),
                              QFrame::Raised);
    m_text = new QPlainTextEdit;
    m_text->setObjectName("resultslist");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(fixedPitchFont(10));
    QStringList lines;
    for (const std::string& line : results::ResultLines(day)) lines << QString::fromStdString(line);
    if (lines.isEmpty()) lines << "No rounds were played on this date.";
    m_text->setPlainText(lines.join('\n'));
    m_text->setMinimumSize(560, 360);

    auto* print = makeButton("printbutton", "&Print", "Print the results of this day");
    print->setEnabled(!day.empty());
    auto* close = makeButton("exitbutton", "&Close");
    close->setDefault(true);
    auto* info = makeHelpButton("infobutton", "Help on results of a day");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Results of a Day"); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    // The day's side games beside its results, each on a page of its own.
    auto* resultsPage = new QWidget;
    auto* resultsLayout = new QVBoxLayout(resultsPage);
    resultsLayout->addWidget(m_text, 1);
    resultsLayout->addLayout(buttons);
    auto* tabs = new QTabWidget;
    tabs->setObjectName("resultstabs");
    tabs->addTab(resultsPage, "&Results");
    tabs->addTab(new SideGamePage(services, date, play::SideGame::Skins), "&Skins");
    tabs->addTab(new SideGamePage(services, date, play::SideGame::Stableford), "S&tableford");
    setHelpTopic("Results of a Day");
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
        setHelpTopic(page == 1 ? "Skins" : page == 2 ? "Stableford" : "Results of a Day");
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(tabs, 1);
    connect(print, &QPushButton::clicked, this, &ResultsWindow::print);
    connect(close, &QPushButton::clicked, this, &ResultsWindow::close);
    adjustSize();
    centreOnScreen();
}

QString ResultsWindow::text() const {
    return m_text->toPlainText();
}

void ResultsWindow::print() {
    m_services.dialogs.beginBusy("");
    results::PrintResults(m_services.printer, m_services.data, {m_date});
    m_services.dialogs.endBusy();
}

}  // namespace quorval::gui
