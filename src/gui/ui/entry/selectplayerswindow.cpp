#include "ui/entry/selectplayerswindow.hpp"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>
#include <array>

#include "dates/dateorder.hpp"
#include "entry/posting.hpp"
#include "entry/rounddate.hpp"
#include "entry/roundsetup.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {

namespace {

QLabel* datePanel(const QString& name) {
    QLabel* panel = makePanel(name, "");
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(48);
    return panel;
}

SpinButton* dateSpin(const QString& name, const QString& tip) {
    auto* spin = new SpinButton(Qt::Vertical);
    spin->setObjectName(name);
    spin->setToolTip(tip);
    return spin;
}

}  // namespace

int FullYear(int twoDigitYear) {
    return entry::CalendarYear(twoDigitYear);
}

int DaysInMonth(int month, int twoDigitYear) {
    return entry::DaysInMonth(std::clamp(month, 1, 12), FullYear(twoDigitYear));
}

SelectPlayersWindow::SelectPlayersWindow(platform::Services& services, QWidget* opener, bool withStatistics)
    : ChildWindow(services, opener, "selectplayers", "Player & Course Selection for Score Entry"),
      m_statistics(withStatistics) {
    store::LeagueData& data = services.data;
    platform::Date today = services.clock.today();
    m_monthValue = today.month;
    m_dayValue = today.day;
    m_yearValue = today.year % 100;

    QLabel* prompt =
        makePanel("Panel3D1", "Select the players who participated, the course, and edit the date if necessary.",
                  QFrame::Raised, true);

    m_players = new QListWidget;
    m_players->setObjectName("List1");
    m_players->setSelectionMode(QAbstractItemView::MultiSelection);
    FillPlayerNameList(m_players, data);
    QGroupBox* courseBox = buildCourseBox();
    QGroupBox* dateBox = buildDateBox();

    auto* accept = makeButton("acceptbutton", "&Accept", "Accept selection - continue");
    auto* cancel = makeButton("cancelbutton", "&Cancel", "Close Player Selection window");
    auto* all = makeButton("allbutton", "Select All", "");
    auto* info = makeHelpButton("infobutton", "Help on entering rounds");

    auto* right = new QVBoxLayout;
    right->addWidget(courseBox);
    right->addWidget(dateBox);
    right->addStretch(1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(accept, 0, 0);
    buttons->addWidget(cancel, 0, 1);
    buttons->addWidget(all, 1, 0);
    buttons->addWidget(info, 1, 1);
    right->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addWidget(m_players, 1);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(body, 1);
    resize(560, 380);
    centreOnScreen();
    showDate();

    connect(accept, &QPushButton::clicked, this, &SelectPlayersWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &SelectPlayersWindow::cancel);
    connect(all, &QPushButton::clicked, m_players, &QListWidget::selectAll);
    setHelpTopic("Entering Scores");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Entering Scores"); });
}

QGroupBox* SelectPlayersWindow::buildCourseBox() {
    const store::LeagueData& data = m_services.data;
    m_courses = new QComboBox;
    m_courses->setObjectName("coursecombo");
    m_courses->setEditable(true);
    m_courses->setInsertPolicy(QComboBox::NoInsert);
    for (int c = 1; c <= data.courseCount; ++c) {
        const std::string& name = data.courses[c][store::course_field::kName];
        if (name.size() > 1) m_courses->addItem(QString::fromStdString(name));
    }
    m_courses->setCurrentIndex(-1);
    m_courses->setEditText("");
    auto* courseBox = new QGroupBox("Course Played");
    auto* courseRow = new QVBoxLayout(courseBox);
    courseRow->addWidget(m_courses);
    return courseBox;
}

// Month, day and year each with a spin button, and a date field that can be typed or picked.
QGroupBox* SelectPlayersWindow::buildDateBox() {
    m_month = datePanel("Monthlabel");
    m_day = datePanel("daylabel");
    m_year = datePanel("yearlabel");
    auto* monthSpin = dateSpin("monthspin", "Change month");
    auto* daySpin = dateSpin("Dayspin", "Change Day");
    auto* yearSpin = dateSpin("Yearspin", "");
    m_yearSpin = yearSpin;

    // The date can also be typed or picked from a calendar; its years are those a two-digit
    // year can stand for. The typed text is read as a whole when Enter is pressed or the field is
    // left, so select-all and typing replaces the date, and nothing is guessed while typing.
    m_date = new QLineEdit;
    m_date->setObjectName("datefield");
    const store::DateOrder order = m_services.data.settings.dateOrder;
    const QString words = QString::fromStdString(dates::OrderWords(order));
    m_date->setToolTip("Type the date as " + words + ", or pick it from the calendar");
    m_date->setPlaceholderText(words);
    auto* calendar = new QCalendarWidget;
    calendar->setObjectName("calendar");
    // Where the day is written first, the week is mostly counted from Monday too.
    if (order == store::DateOrder::kDayMonthYear) calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setDateRange(QDate(FullYear(85), 1, 1), QDate(FullYear(84), 12, 31));
    auto* pick = new QToolButton;
    pick->setObjectName("calendarbutton");
    pick->setText("...");
    pick->setToolTip("Pick the date from a calendar");
    pick->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(pick);
    auto* holder = new QWidgetAction(menu);
    holder->setDefaultWidget(calendar);
    menu->addAction(holder);
    pick->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, calendar,
            [this, calendar] { calendar->setSelectedDate(QDate(FullYear(m_yearValue), m_monthValue, m_dayValue)); });
    connect(calendar, &QCalendarWidget::clicked, this, [this, menu](const QDate& date) {
        menu->close();
        setDate(date);
    });
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(m_date, 1);
    fieldRow->addWidget(pick);

    auto* dateBox = new QGroupBox("Date of Round");
    auto* dateColumn = new QVBoxLayout(dateBox);
    auto* dateRow = new QHBoxLayout;
    // The three fields stand in the order the user writes a date.
    std::pair<QLabel*, SpinButton*> month{m_month, monthSpin}, day{m_day, daySpin}, year{m_year, yearSpin};
    auto fields = order == store::DateOrder::kDayMonthYear   ? std::array{day, month, year}
                  : order == store::DateOrder::kYearMonthDay ? std::array{year, month, day}
                                                             : std::array{month, day, year};
    for (auto [label, spin] : fields) {
        dateRow->addWidget(label);
        dateRow->addWidget(spin);
    }
    dateColumn->addLayout(dateRow);
    dateColumn->addLayout(fieldRow);

    connect(monthSpin, &SpinButton::spinUp, this, [this] { stepMonth(1); });
    connect(monthSpin, &SpinButton::spinDown, this, [this] { stepMonth(-1); });
    connect(daySpin, &SpinButton::spinUp, this, [this] { stepDay(1); });
    connect(daySpin, &SpinButton::spinDown, this, [this] { stepDay(-1); });
    connect(yearSpin, &SpinButton::spinUp, this, [this] { stepYear(1); });
    connect(yearSpin, &SpinButton::spinDown, this, [this] { stepYear(-1); });
    connect(m_date, &QLineEdit::textEdited, this, [this] { m_dateTyped = true; });
    connect(m_date, &QLineEdit::editingFinished, this, [this] {
        if (!m_refusingDate) takeTypedDate();
    });
    return dateBox;
}

void SelectPlayersWindow::showDate() {
    const store::LeagueData& data = m_services.data;
    m_month->setText(QString::fromStdString(store::MonthName(data, m_monthValue).substr(0, 3)));
    m_day->setText(QString::number(m_dayValue));
    m_year->setText(QString::fromStdString(text::formatPattern(m_yearValue, "00")));
    m_yearSpin->setToolTip(QString("Year %1").arg(FullYear(m_yearValue)));
    m_date->setText(
        QString::fromStdString(entry::ShownRoundDate(data.settings.dateOrder, m_monthValue, m_dayValue, m_yearValue)));
    m_dateTyped = false;
}

// A shorter month or a year without Feb 29 takes the day back to the month's last.
void SelectPlayersWindow::keepDayInMonth() {
    m_dayValue = std::min(m_dayValue, DaysInMonth(m_monthValue, m_yearValue));
}

void SelectPlayersWindow::stepMonth(int step) {
    if ((step > 0 && m_monthValue < 12) || (step < 0 && m_monthValue > 1)) m_monthValue += step;
    keepDayInMonth();
    showDate();
}

void SelectPlayersWindow::stepDay(int step) {
    int last = DaysInMonth(m_monthValue, m_yearValue);
    if ((step > 0 && m_dayValue < last) || (step < 0 && m_dayValue > 1)) m_dayValue += step;
    showDate();
}

void SelectPlayersWindow::stepYear(int step) {
    m_yearValue = (m_yearValue + step + 100) % 100;
    keepDayInMonth();
    showDate();
}

bool SelectPlayersWindow::takeTypedDate() {
    if (!m_dateTyped) return true;
    std::string typed = m_date->text().trimmed().toStdString();
    std::optional<entry::RoundPlace> date = entry::ParseRoundDate(typed, m_services.data.settings.dateOrder);
    if (!date) {
        m_refusingDate = true;
        m_services.dialogs.message({entry::DateRefusedMessage(typed, m_services.data.settings.dateOrder),
                                    "Date of Round", platform::Buttons::Ok, platform::Icon::Exclamation});
        m_refusingDate = false;
        m_date->setFocus();
        m_date->selectAll();
        return false;
    }
    setDate(QDate(FullYear(date->year), date->month, date->day));
    return true;
}

void SelectPlayersWindow::setDate(const QDate& date) {
    if (!date.isValid()) return;
    m_monthValue = date.month();
    m_dayValue = date.day();
    m_yearValue = date.year() % 100;
    showDate();
}

int SelectPlayersWindow::courseNamed(const QString& text) const {
    return store::FindCourse(m_services.data, text.toStdString());
}

void SelectPlayersWindow::accept() {
    store::LeagueData& data = m_services.data;
    platform::Dialogs& dialogs = m_services.dialogs;
    if (!takeTypedDate()) return;
    dialogs.beginBusy("");
    int picked = MarkSelectedPlayers(data, m_players);
    int course = courseNamed(m_courses->currentText());
    auto refuse = [&](const std::string& text) {
        dialogs.endBusy();
        dialogs.message({text, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
    };
    if (m_courses->count() == 0) return refuse(entry::kAddCourseFirst);
    if (course == 0) return refuse("Please select a course before continuing.");
    if (picked == 0) return refuse("No Players selected, cannot continue.");
    // Before any score is typed: a course the rounds could not be posted to is refused now.
    if (std::string why = entry::CourseSetUpProblem(data, course); !why.empty()) return refuse(why);
    const entry::RoundPlace place{course, m_monthValue, m_dayValue, m_yearValue};
    // The question names the course the round will be posted to: the one the box's text names.
    if (data.settings.dateRemindCheck == 1) {
        std::string question = "Is " +
                               entry::ShownRoundDate(data.settings.dateOrder, place.month, place.day, place.year) +
                               " at " + data.courses[course][store::course_field::kName] +
                               "\r\nthe correct date and location of the Round?\r\n\r\n"
                               "Date / location checking can be disabled, see program settings.";
        dialogs.endBusy();
        if (dialogs.message({question, "Double Checking Date & Location", platform::Buttons::YesNo,
                             platform::Icon::Question}) == platform::Answer::No) {
            return;
        }
        dialogs.beginBusy("");
    }
    auto* scores = new ScoreEntryWindow(m_services, m_opener, entry::NewRoundsRequest(place, m_statistics));
    emit scoreWindowOpened(scores);
    m_accepted = true;
    handOverTo(scores);
    dialogs.endBusy();
}

void SelectPlayersWindow::cancel() {
    close();
}

void SelectPlayersWindow::finish() {
    if (m_accepted) return;
    store::LeagueData& data = m_services.data;
    for (int p = 1; p <= data.playerCount; ++p) data.players[p].selected = 0;
}

}  // namespace quorval::gui
