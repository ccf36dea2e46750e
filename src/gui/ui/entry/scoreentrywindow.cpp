#include "ui/entry/scoreentrywindow.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "courses/courseeditor.hpp"
#include "dates/dateorder.hpp"
#include "entry/entryquestions.hpp"
#include "entry/roundcard.hpp"
#include "entry/rounddate.hpp"
#include "entry/roundedit.hpp"
#include "store/leaguefile.hpp"
#include "text/numbers.hpp"
#include "ui/main/listingview.hpp"
#include "widgets/controls.hpp"
#include "widgets/holecard.hpp"

namespace quorval::gui {

namespace {

constexpr int kShortHeight = 5700 / kTwipsPerPixel;
constexpr int kListRows = 18;   // lines of the calculation list in sight at once
constexpr int kNineDigits = 3;  // keeps a typed nine total inside 16 bits
constexpr int kPostingDelayMs = 600;
double value(const QString& text) {
    return text::leadingNumber(text.toStdString());
}

// A box's number as the data files hold it: 16 bits.
int16_t number(const QString& text) {
    return static_cast<int16_t>(std::clamp(value(text), -32768.0, 32767.0));
}
int16_t number(const QLineEdit* box) {
    return number(box->text());
}

// The hole boxes as a card holds them, for the nine totals of entry/roundcard.
store::HoleValues holeValues(const std::array<QLineEdit*, 19>& boxes) {
    store::HoleValues values{};
    for (int k = 1; k <= store::kHoles; ++k) values[k] = number(boxes[k]);
    return values;
}
store::HoleValues holeValues(const std::array<QCheckBox*, 19>& ticks) {
    store::HoleValues values{};
    for (int k = 1; k <= store::kHoles; ++k) values[k] = entry::TickValue(ticks[k]->isChecked());
    return values;
}

// Puts a box's text right without running its change handler a second time.
void rewrite(QLineEdit* box, const QString& text) {
    if (box->text() == text) return;
    QSignalBlocker quiet(box);
    box->setText(text);
}

QLineEdit* numberBox(const QString& name, int characters) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setFont(fixedPitchFont(10));
    box->setContextMenuPolicy(Qt::NoContextMenu);  // no pasting round the key filter
    // Room for one character more than the box holds, so that a leading blank never scrolls away.
    box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance(QString(characters + 1, '0')) + 12);
    return box;
}

QLabel* sumLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setFont(fixedPitchFont(10));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance("0000") + 12);
    return label;
}

const store::CourseRecord& courseAt(const store::LeagueData& data, int course) {
    return data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0];
}

template <typename Box>
int indexOf(const std::array<Box*, 19>& boxes, const QObject* box) {
    auto found = std::find(boxes.begin() + 1, boxes.end(), box);
    return found == boxes.end() ? 0 : static_cast<int>(found - boxes.begin());
}

}  // namespace

ScoreEntryWindow::ScoreEntryWindow(platform::Services& services, QWidget* opener, const entry::EntryRequest& request)
    : ChildWindow(services, opener, request.withStatistics ? "roundsform2" : "roundsform", "Enter Scores"),
      m_statistics(request.withStatistics),
      m_request(request) {
    store::LeagueData& data = services.data;

    m_playerName = makePanel("Pnamelabel", "");
    QFont nameFont = m_playerName->font();
    nameFont.setPointSize(nameFont.pointSize() + 3);
    nameFont.setBold(true);
    m_playerName->setFont(nameFont);
    m_playerName->setMinimumWidth(220);
    m_place = makePanel("Namelabel", "");
    auto* top = new QHBoxLayout;
    top->addWidget(m_playerName);
    top->addWidget(m_place, 1);

    auto* card = new QGridLayout;
    card->setHorizontalSpacing(3);
    buildCard(card);
    if (m_statistics) buildStatisticsRows(card);

    m_list = new QListWidget;
    m_list->setObjectName("List1");
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->hide();

    buildPauseRow();

    m_cardArea = new QWidget;
    auto* cardLayout = new QVBoxLayout(m_cardArea);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->addLayout(top);
    if (editMode()) cardLayout->addWidget(buildPlaceRow());
    cardLayout->addLayout(card);
    cardLayout->addWidget(buildBottom());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_cardArea);
    layout->addWidget(m_pauseRow);
    layout->addWidget(m_list, 1);
    layout->addStretch(1);  // the room left over when the list is hidden

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(kPostingDelayMs);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &ScoreEntryWindow::postShownRound);
    connectBoxes();

    m_skip->setVisible(!editMode());
    m_skip->setEnabled(!editMode());
    m_delete->setVisible(editMode());
    m_delete->setEnabled(editMode());
    const store::CourseRecord& course = courseAt(data, m_request.place.course);
    const QString month = QString::fromStdString(store::MonthName(data, m_request.place.month));
    const QString day = QString::number(m_request.place.day);
    const bool dayFirst = data.settings.dateOrder == store::DateOrder::kDayMonthYear;
    m_place->setText(QString::fromStdString(course[store::course_field::kName]) + "  golf course  on " +
                     (dayFirst ? day + "  " + month : month + "  " + day));
    fillPars();
    FirstSelectedPlayer();
    if (editMode()) {
        fillFromSlot();
    } else {
        clearCard();
    }
    showPlayer();
    m_eqLabel->setText(QString::fromStdString(entry::HoleLimitCaption(data)));
    m_eqLabel->setVisible(entry::HoleScoresLimited(data));
    setHelpTopic(editMode() ? "Edit a Round" : "Entering Scores");

    layout->activate();
    QSize least = layout->minimumSize();
    m_cardSize = QSize(std::max(least.width(), sizeHint().width()), std::max(least.height(), kShortHeight));
    setListShown(false);
    centreOnScreen();
}

// A stored round's date and course can be corrected with its scores.
QWidget* ScoreEntryWindow::buildPlaceRow() {
    store::LeagueData& data = m_services.data;
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_editDate = new QLineEdit(QString::fromStdString(entry::ShownRoundDate(
        data.settings.dateOrder, m_request.place.month, m_request.place.day, m_request.place.year)));
    m_editDate->setObjectName("editdate");
    m_editDate->setToolTip(
        QString::fromStdString("The date of the round, as " + dates::OrderWords(data.settings.dateOrder)));
    m_editDate->setMaximumWidth(120);
    m_editCourse = new QComboBox;
    m_editCourse->setObjectName("editcourse");
    m_editCourse->setToolTip("The course the round was played on");
    for (int c = 1; c <= data.courseCount; ++c) {
        const std::string& name = data.courses[c][store::course_field::kName];
        if (name.size() > 1) m_editCourse->addItem(QString::fromStdString(name), c);
    }
    m_editCourse->setCurrentIndex(m_editCourse->findData(m_request.place.course));
    layout->addWidget(new QLabel("Played on"));
    layout->addWidget(m_editDate);
    layout->addWidget(new QLabel("at"));
    layout->addWidget(m_editCourse, 1);
    connect(m_editCourse, &QComboBox::currentIndexChanged, this, [this] {
        int course = m_editCourse->currentData().toInt();
        if (course < 1) return;
        m_request.place.course = course;
        fillPars();
    });
    return row;
}

std::optional<entry::RoundPlace> ScoreEntryWindow::editedPlace() {
    std::string typed = m_editDate->text().trimmed().toStdString();
    std::optional<entry::RoundPlace> place = entry::ParseRoundDate(typed, m_services.data.settings.dateOrder);
    if (!place) {
        m_services.dialogs.message({entry::DateRefusedMessage(typed, m_services.data.settings.dateOrder), "Quorval",
                                    platform::Buttons::Ok, platform::Icon::Exclamation});
        m_editDate->setFocus();
        m_editDate->selectAll();
        return std::nullopt;
    }
    place->course = m_editCourse->currentData().toInt();
    return place;
}

// While the calculation is read after a posting, the card rests and only this row answers.
void ScoreEntryWindow::buildPauseRow() {
    m_pauseRow = new QWidget;
    auto* pauseLayout = new QHBoxLayout(m_pauseRow);
    pauseLayout->setContentsMargins(0, 0, 0, 0);
    m_pauseNote = new QLabel;
    m_pauseNote->setObjectName("pausenote");
    m_continue = makeButton("continuebutton", "C&ontinue", "Go on to the next player");
    m_continue->setAutoDefault(true);
    pauseLayout->addWidget(m_pauseNote, 1);
    pauseLayout->addWidget(m_continue);
    m_pauseRow->hide();
    connect(m_continue, &QPushButton::clicked, this, &ScoreEntryWindow::continueAfterPause);
}

void ScoreEntryWindow::buildCard(QGridLayout* card) {
    addHoleHeadings(card);

    card->addWidget(new QLabel("Par"), 1, 0);
    card->addWidget(new QLabel("Score"), 2, 0);
    for (int k = 1; k <= store::kHoles; ++k) {
        m_pars[k] = numberBox(QString("Partext%1").arg(k), 2);
        m_pars[k]->setReadOnly(true);
        m_pars[k]->setFocusPolicy(Qt::NoFocus);  // display only
        card->addWidget(m_pars[k], 1, holeColumn(k));
        m_scores[k] = numberBox(QString("scoretext%1").arg(k), 2);
        card->addWidget(m_scores[k], 2, holeColumn(k));
    }
    m_outPar = sumLabel("Outlabel");
    m_inPar = sumLabel("Inlabel");
    m_totalPar = sumLabel("Totallabel");
    m_outScore = numberBox("outscoretext", 5);
    m_inScore = numberBox("inscoretext", 5);
    m_totalScore = sumLabel("Totalscorelabel");
    card->addWidget(m_outPar, 1, kOutColumn);
    card->addWidget(m_inPar, 1, kInColumn);
    card->addWidget(m_totalPar, 1, kTotalColumn);
    card->addWidget(m_outScore, 2, kOutColumn);
    card->addWidget(m_inScore, 2, kInColumn);
    card->addWidget(m_totalScore, 2, kTotalColumn);
}

void ScoreEntryWindow::buildStatisticsRows(QGridLayout* card) {
    card->addWidget(new QLabel("Fairway"), 3, 0);
    card->addWidget(new QLabel("Green in\nRegulation"), 4, 0);
    card->addWidget(new QLabel("Putts"), 5, 0);
    for (int k = 1; k <= store::kHoles; ++k) {
        m_fairways[k] = new QCheckBox;
        m_fairways[k]->setObjectName(QString("Fairway%1").arg(k));
        card->addWidget(m_fairways[k], 3, holeColumn(k), Qt::AlignCenter);
        m_greens[k] = new QCheckBox;
        m_greens[k]->setObjectName(QString("Green%1").arg(k));
        card->addWidget(m_greens[k], 4, holeColumn(k), Qt::AlignCenter);
        m_putts[k] = numberBox(QString("Putts%1").arg(k), 2);
        card->addWidget(m_putts[k], 5, holeColumn(k));
    }
    m_outFairways = numberBox("OutFairways", 5);
    m_inFairways = numberBox("InFairways", 5);
    m_outGreens = numberBox("OutGreens", 5);
    m_inGreens = numberBox("InGreens", 5);
    m_outPutts = numberBox("OutPutts", 5);
    m_inPutts = numberBox("Inputts", 5);
    m_totalFairways = sumLabel("TotFairways");
    m_totalGreens = sumLabel("TotGreens");
    m_totalPutts = sumLabel("TotalPutts");
    int row = 3;
    for (auto [out, in, total] : {std::tuple{m_outFairways, m_inFairways, m_totalFairways},
                                  {m_outGreens, m_inGreens, m_totalGreens},
                                  {m_outPutts, m_inPutts, m_totalPutts}}) {
        card->addWidget(out, row, kOutColumn);
        card->addWidget(in, row, kInColumn);
        card->addWidget(total, row, kTotalColumn);
        ++row;
    }
}

QWidget* ScoreEntryWindow::buildBottom() {
    auto* tees = new QGroupBox("Tee");
    auto* teeLayout = new QVBoxLayout(tees);
    m_tees = new QButtonGroup(this);
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        auto* option = new QRadioButton(QString::fromStdString(std::string(store::TeeName(t))));
        option->setObjectName(QString("teebutton%1").arg(t));
        option->setToolTip(QString::fromStdString(std::string(store::TeeOldName(t)) + " Tee"));
        m_tees->addButton(option, t);
        teeLayout->addWidget(option);
    }

    m_eqLabel = makePanel("eqlabel", "Equitable Stroke Control is active, hole scores will be limited if necessary");
    m_eqLabel->setWordWrap(true);
    auto* older = new QLabel("Always enter older rounds first.");
    older->setObjectName("Label3");
    auto* info = new QLabel("Click on Info for considerations on entering rounds");
    info->setObjectName("Label5");
    info->setWordWrap(true);
    auto* notes = new QVBoxLayout;
    notes->addWidget(older);
    notes->addWidget(info);
    notes->addWidget(m_eqLabel);
    notes->addStretch(1);

    auto* record = makeButton("recordbutton", "&Record", "Write scores to file");
    m_skip = makeButton("skipbutton", "Skip Player", "Skip this player (Alt+S)");
    m_delete = makeButton("deletebutton", "&Delete", "Delete this round");
    auto* cancel = makeButton("cancelbutton", "&Cancel", "Cancel score entry");
    m_viewMathButton = makeButton("Command3D1", "View Math", "Show calculation panel (Alt+M)");
    auto* help = makeButton("infobutton", "&Info", "Help on entering scores");
    help->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    // Skip and Delete never show together: they share a place.
    auto* skipOrDelete = new QHBoxLayout;
    skipOrDelete->setContentsMargins(0, 0, 0, 0);
    skipOrDelete->addWidget(m_skip);
    skipOrDelete->addWidget(m_delete);
    auto* buttons = new QGridLayout;
    buttons->setAlignment(Qt::AlignTop);
    buttons->addWidget(record, 0, 0);
    buttons->addLayout(skipOrDelete, 0, 1);
    buttons->addWidget(cancel, 0, 2);
    buttons->addWidget(m_viewMathButton, 1, 0);
    buttons->addWidget(help, 1, 2);

    connect(record, &QPushButton::clicked, this, &ScoreEntryWindow::record);
    connect(m_skip, &QPushButton::clicked, this, &ScoreEntryWindow::skipPlayer);
    connect(m_delete, &QPushButton::clicked, this, &ScoreEntryWindow::deleteRound);
    connect(cancel, &QPushButton::clicked, this, &ScoreEntryWindow::close);
    connect(m_viewMathButton, &QPushButton::clicked, this, &ScoreEntryWindow::viewMath);
    // Keys of their own: the two buttons are pressed on every card, with the hands on the keyboard.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), this), &QShortcut::activated, m_skip, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_M), this), &QShortcut::activated, m_viewMathButton,
            &QPushButton::click);
    connect(help, &QPushButton::clicked, this,
            [this] { m_services.help.showTopic(editMode() ? "Edit a Round" : "Entering Scores"); });

    auto* bottom = new QWidget;
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 6, 0, 0);
    row->addWidget(tees, 0, Qt::AlignTop);
    row->addLayout(notes, 1);
    row->addLayout(buttons);
    return bottom;
}

void ScoreEntryWindow::connectBoxes() {
    for (int k = 1; k <= store::kHoles; ++k) {
        connect(m_scores[k], &QLineEdit::textChanged, this, [this, k] { scoreChanged(k); });
        connect(m_scores[k], &QLineEdit::textEdited, this, [this] { m_typed = true; });
        connect(m_pars[k], &QLineEdit::textChanged, this, [this, k] { parChanged(k); });
        m_scores[k]->installEventFilter(this);
    }
    for (QLineEdit* nine : {m_outScore, m_inScore}) {
        connect(nine, &QLineEdit::textChanged, this, &ScoreEntryWindow::showScoreTotal);
        connect(nine, &QLineEdit::textEdited, this, [this] { m_typed = true; });
        nine->installEventFilter(this);
    }
    QWidget* chain = m_scores[1];
    auto next = [&chain](QWidget* w) {
        setTabOrder(chain, w);
        chain = w;
    };
    if (!m_statistics) {
        for (int k = 2; k <= store::kHoles; ++k) next(m_scores[k]);
        next(m_outScore);
        next(m_inScore);
        return;
    }

    for (int k = 1; k <= store::kHoles; ++k) {
        connect(m_putts[k], &QLineEdit::textChanged, this, [this, k] { puttsChanged(k); });
        connect(m_putts[k], &QLineEdit::textEdited, this, [this] { m_typed = true; });
        m_putts[k]->installEventFilter(this);
        // Ticks are counted however they change; only a click by the user moves the focus.
        connect(m_fairways[k], &QCheckBox::toggled, this,
                [this] { countTicks(m_fairways, m_outFairways, m_inFairways); });
        connect(m_greens[k], &QCheckBox::toggled, this, [this] { countTicks(m_greens, m_outGreens, m_inGreens); });
        for (QCheckBox* tick : {m_fairways[k], m_greens[k]}) {
            connect(tick, &QCheckBox::clicked, this, [this, k] {
                m_typed = true;
                if (!editMode()) m_putts[k]->setFocus();
            });
        }
        if (k > 1) next(m_scores[k]);
        next(m_fairways[k]);
        next(m_greens[k]);
        next(m_putts[k]);
    }
    for (const auto& nines :
         {std::tuple{m_outFairways, m_inFairways, m_totalFairways}, {m_outGreens, m_inGreens, m_totalGreens}}) {
        // Named copies, not structured bindings: clang 14 cannot capture those.
        QLineEdit* out = std::get<0>(nines);
        QLineEdit* in = std::get<1>(nines);
        QLabel* total = std::get<2>(nines);
        auto sum = [out, in, total] { total->setText(QString::number(number(out) + number(in))); };
        connect(out, &QLineEdit::textChanged, this, sum);
        connect(in, &QLineEdit::textChanged, this, sum);
    }
    for (QLineEdit* nine :
         {m_outScore, m_outFairways, m_outGreens, m_outPutts, m_inScore, m_inFairways, m_inGreens, m_inPutts}) {
        if (nine != m_outScore && nine != m_inScore) {
            nine->installEventFilter(this);
            connect(nine, &QLineEdit::textEdited, this, [this] { m_typed = true; });
        }
        next(nine);
    }
}

void ScoreEntryWindow::fillPars() {
    const store::CourseRecord& course = courseAt(m_services.data, m_request.place.course);
    auto field = [&course](int f) { return QString::fromStdString(course[f]); };
    m_outPar->setText(field(store::course_field::kParOut));
    m_inPar->setText(field(store::course_field::kParIn));
    m_totalPar->setText(field(store::course_field::kParTotal));
    for (int k = 1; k <= store::kHoles; ++k) m_pars[k]->setText(field(store::course_field::kHolePar0 + k));
}

void ScoreEntryWindow::fillFromSlot() {
    const store::LeagueData& data = m_services.data;
    if (m_player < 1) return;
    const store::RoundRecord& round = data.players[m_player].rounds[m_request.slot];
    m_typed = false;
    // A hole not played shows blank, as it was typed.
    for (int k = 1; k <= store::kHoles; ++k) {
        m_scores[k]->setText(round.score[k] > 0 ? QString::number(round.score[k]) : QString());
    }
    m_outScore->setText("   " + QString::number(round.score[store::kOutSlot]));
    m_inScore->setText("   " + QString::number(round.score[store::kInSlot]));
    if (!m_statistics) return;
    for (int k = 1; k <= store::kHoles; ++k) {
        m_putts[k]->setText(QString::number(round.putts[k]));
        m_fairways[k]->setChecked(round.fairway[k] == entry::kTickHit);
        m_greens[k]->setChecked(round.green[k] == entry::kTickHit);
    }
}

// The card as a new player starts it.
void ScoreEntryWindow::clearCard() {
    m_typed = false;
    for (int k = 1; k <= store::kHoles; ++k) m_scores[k]->clear();
    m_outScore->setText("  0");
    m_inScore->setText("  0");
    if (!m_statistics) return;
    for (int k = 1; k <= store::kHoles; ++k) {
        m_putts[k]->clear();
        m_fairways[k]->setChecked(false);
        m_greens[k]->setChecked(false);
    }
    // A nine box typed by hand for the last player is not left standing.
    m_outPutts->setText("0");
    m_inPutts->setText("0");
    m_totalPutts->setText("0");
    countTicks(m_fairways, m_outFairways, m_inFairways);
    countTicks(m_greens, m_outGreens, m_inGreens);
}

void ScoreEntryWindow::showPlayer() {
    const store::LeagueData& data = m_services.data;
    m_playerName->setText(QString::fromStdString(data.players[m_player].name));
    // A player without a default tee gets no option: Record then asks for one.
    const int tee = entry::OpeningTee(data, m_request, m_player);
    m_tees->setExclusive(false);
    for (QAbstractButton* option : m_tees->buttons()) option->setChecked(m_tees->id(option) == tee);
    m_tees->setExclusive(true);
}

int ScoreEntryWindow::selectedTee() const {
    return std::max(m_tees->checkedId(), 0);
}

// A correction has its one player; new rounds go to the marked players in turn.
void ScoreEntryWindow::FirstSelectedPlayer() {
    m_player = m_request.correcting() ? m_request.player : store::FirstMarkedPlayer(m_services.data);
}

void ScoreEntryWindow::NextPlayer() {
    m_services.data.players[m_player].selected = 0;
    m_player = m_request.correcting() ? 0 : store::FirstMarkedPlayer(m_services.data);
    if (m_player == 0) return;
    showPlayer();
    clearCard();
}

// The next player's card, or the end of the entry after the last one.
void ScoreEntryWindow::afterPlayer() {
    if (m_player != 0) {
        m_scores[1]->setFocus();
        return;
    }
    m_saveOnClose = true;
    m_ending = true;
    close();
}

void ScoreEntryWindow::scoreChanged(int k) {
    QLineEdit* box = m_scores[k];
    QString text = box->text();
    if (!text.isEmpty()) {
        int strokes = number(text);
        // A 1 waits for a second digit, so that 10 to 19 can be typed.
        if (!editMode() && strokes > 1) {
            if (m_statistics) {
                m_putts[k]->setFocus();
            } else if (k < store::kHoles) {
                m_scores[k + 1]->setFocus();
            }
        }
        if (strokes < 9 && !text.startsWith(' ')) text.prepend(' ');
        if (text.size() == 3) text = text.right(2);
        rewrite(box, text);
        box->setCursorPosition(static_cast<int>(text.size()));
    }
    const int16_t sum = entry::NineSum(holeValues(m_scores), k <= 9 ? 1 : 10);
    (k <= 9 ? m_outScore : m_inScore)->setText("  " + QString::number(sum));
    showScoreTotal();
}

void ScoreEntryWindow::showScoreTotal() {
    m_totalScore->setText(QString::number(number(m_outScore) + number(m_inScore)));
}

// The nine and total par labels end up as the sums of the par boxes the course filled in.
void ScoreEntryWindow::parChanged(int k) {
    if (k == 1) return;
    rewrite(m_pars[k], QString::fromStdString(courses::ParBoxText(m_pars[k]->text().toStdString())));
    std::array<std::string, 19> pars{};
    for (int h = 1; h <= store::kHoles; ++h) pars[h] = m_pars[h]->text().toStdString();
    (k <= 9 ? m_outPar : m_inPar)->setText(QString::fromStdString(courses::NinePar(pars, k <= 9 ? 1 : 10)));
    double total = value(m_outPar->text()) + value(m_inPar->text());
    m_totalPar->setText(QString::fromStdString(text::generalForm(total)));
}

void ScoreEntryWindow::puttsChanged(int k) {
    QLineEdit* box = m_putts[k];
    QString text = box->text();
    if (text.size() == 3) rewrite(box, text = text.right(2));
    int strokes = number(m_scores[k]);
    if (!text.isEmpty() && strokes > 0 && number(text) > strokes) {
        entry::RoundEntry hole;
        hole.score[k] = static_cast<int16_t>(strokes);
        hole.putts[k] = number(text);
        rewrite(box, "");
        platform::Refuse(m_services.dialogs, entry::PuttsAboveScoreMessage(hole), "Quorval");
        box->setFocus();
        text.clear();
    }
    // The box is full once no further digit could give a count the hole's score allows.
    int putts = number(text);
    bool full = !text.isEmpty() && (putts == 0 || putts * 10 > std::max(strokes, 9) || text.size() == 2);
    if (full && !editMode() && k < store::kHoles) m_scores[k + 1]->setFocus();
    const int16_t sum = entry::NineSum(holeValues(m_putts), k <= 9 ? 1 : 10);
    (k <= 9 ? m_outPutts : m_inPutts)->setText(QString::number(sum));
    // Only the hole boxes set the total: a nine typed by hand leaves it as it was.
    m_totalPutts->setText(QString::number(number(m_outPutts) + number(m_inPutts)));
}

void ScoreEntryWindow::countTicks(const HoleArray<QCheckBox>& ticks, QLineEdit* out, QLineEdit* in) {
    const store::HoleValues values = holeValues(ticks);
    out->setText(QString::number(entry::NineHits(values, 1)));
    in->setText(QString::number(entry::NineHits(values, 10)));
}

bool ScoreEntryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Whatever brought the focus (Tab, a click, the move to the next hole), a key typed now
        // replaces the box's number instead of adding digits to it. The click that gave the focus
        // places the cursor after this, so the selection waits for it.
        if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && keyRefused(box, static_cast<QKeyEvent*>(event))) return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

// Digits and Backspace are typed; Enter moves to the next hole; every other character is dropped.
bool ScoreEntryWindow::keyRefused(QLineEdit* box, QKeyEvent* key) {
    int hole = std::max(indexOf(m_scores, box), indexOf(m_putts, box));
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (hole >= 1 && hole < store::kHoles) m_scores[hole + 1]->setFocus();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Escape:
            return false;
        default:
            break;
    }
    QString typed = key->text();
    if (typed.isEmpty()) return false;  // cursor keys
    if (typed.size() != 1 || typed[0] < '0' || typed[0] > '9') return true;
    QString kept = box->text();
    if (box->hasSelectedText()) kept.remove(box->selectionStart(), box->selectedText().size());
    if (typed == "0" && indexOf(m_scores, box) > 0 && kept.trimmed().isEmpty()) {
        platform::Refuse(m_services.dialogs, "0 is not a score: every hole played takes at least one stroke.",
                         "Quorval");
        return true;
    }
    if (hole > 0) return false;  // hole boxes cut themselves to two characters
    return std::count_if(kept.begin(), kept.end(), [](QChar c) { return c.isDigit(); }) >= kNineDigits;
}

void ScoreEntryWindow::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    m_scores[1]->setFocus();
}

void ScoreEntryWindow::record() {
    if (m_paused || !confirmHighScores()) return;
    entry::RoundEntry shown = roundShown();
    if (std::string problem = entry::CardProblem(shown); !problem.empty()) {
        m_services.dialogs.message({problem, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        std::vector<int> blank = entry::HolesWithoutScore(shown.score);
        m_scores[blank.empty() ? 1 : blank.front()]->setFocus();
        return;
    }
    if (entry::HoleScoresLimited(m_services.data)) EQadjust();
    m_timer1->start();
}

bool ScoreEntryWindow::confirmHighScores() {
    if (!editMode()) return true;
    const int refused = entry::AskAboutHighScores(m_services.dialogs, holeValues(m_scores), holeValues(m_pars));
    if (refused > 0) m_scores[refused]->setFocus();
    return refused == 0;
}

bool ScoreEntryWindow::confirmDateOrder(const entry::RoundEntry& round, const entry::RoundPlace& place) {
    const store::LeagueData& data = m_services.data;
    // An edited round keeps its date; a card without a score is refused anyway.
    if (editMode() || round.score[store::kOutSlot] + round.score[store::kInSlot] == 0) return true;
    return entry::AskAboutDateOrder(m_services.dialogs, data, m_player, place);
}

void ScoreEntryWindow::EQadjust() {
    const store::LeagueData& data = m_services.data;
    if (editMode() || m_player < 1) return;  // stored rounds are never adjusted
    const entry::RoundEntry typed = roundShown();
    entry::RoundEntry limited = typed;
    if (!entry::LimitHoleScores(data, m_player, m_request.place.course, limited)) return;
    // A box lowered before keeps the score first typed in it.
    for (int k = 1; k <= store::kHoles; ++k) {
        bool lowered = m_playedKnown && typed.score[k] == m_limited[k] && m_played[k] > m_limited[k];
        if (!lowered) m_played[k] = typed.score[k];
    }
    for (auto [slot, first] : {std::pair{store::kOutSlot, 1}, {store::kInSlot, 10}}) {
        bool summed = typed.score[slot] == entry::NineSum(typed.score, first);
        m_played[slot] = summed ? entry::NineSum(m_played, first) : typed.score[slot];
    }
    m_limited = limited.score;
    m_playedKnown = true;
    // Through the boxes, so that the nine totals follow.
    for (int k = 1; k <= store::kHoles; ++k) {
        if (limited.score[k] != typed.score[k]) m_scores[k]->setText(QString::number(limited.score[k]));
    }
}

entry::RoundEntry ScoreEntryWindow::roundShown() const {
    entry::RoundEntry round;
    round.tee = selectedTee();
    for (int k = 1; k <= store::kHoles; ++k) round.score[k] = number(m_scores[k]);
    round.score[store::kOutSlot] = number(m_outScore);
    round.score[store::kInSlot] = number(m_inScore);
    if (!m_statistics) return round;
    for (int k = 1; k <= store::kHoles; ++k) {
        round.fairway[k] = entry::TickValue(m_fairways[k]->isChecked());
        round.green[k] = entry::TickValue(m_greens[k]->isChecked());
        round.putts[k] = number(m_putts[k]);
    }
    round.fairway[store::kOutSlot] = number(m_outFairways);
    round.fairway[store::kInSlot] = number(m_inFairways);
    round.green[store::kOutSlot] = number(m_outGreens);
    round.green[store::kInSlot] = number(m_inGreens);
    round.putts[store::kOutSlot] = number(m_outPutts);
    round.putts[store::kInSlot] = number(m_inPutts);
    return round;
}

void ScoreEntryWindow::postShownRound() {
    m_timer1->stop();
    store::LeagueData& data = m_services.data;
    if (m_player < 1) return;
    entry::RoundEntry round = roundShown();
    if (!store::IsTee(round.tee)) {
        // A player added without a default tee: the round needs the tee it was played from.
        m_services.dialogs.message(
            {entry::kChooseTeeMessage, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return;
    }
    if (m_playedKnown && round.score == m_limited) round.played = m_played;
    entry::RoundPlace place = m_request.place;
    if (editMode()) {
        std::optional<entry::RoundPlace> edited = editedPlace();
        if (!edited) return;
        place = *edited;
    }
    if (!confirmDateOrder(round, place)) {
        m_scores[1]->setFocus();
        return;
    }
    entry::PostResult posted = editMode() ? entry::CorrectRound(data, m_player, round, place, m_request.slot)
                                          : entry::PostRound(data, m_player, round, place, 0);
    switch (posted.outcome) {
        case entry::PostOutcome::NoScore:
            m_scores[1]->setFocus();
            return;
        case entry::PostOutcome::NoSlope:
            m_services.dialogs.message({entry::NoSlopeMessage(data, place.course, round.tee), "Quorval",
                                        platform::Buttons::Ok, platform::Icon::Exclamation});
            return;
        case entry::PostOutcome::CourseRefused:
            m_services.dialogs.message({entry::CourseRefusedMessage(data, place.course), "Quorval",
                                        platform::Buttons::Ok, platform::Icon::Exclamation});
            return;
        case entry::PostOutcome::Posted:
            break;
    }
    // From here on the league in memory differs from its file.
    m_saveOnClose = true;
    m_typed = false;
    for (const std::string& line : posted.index.lines) m_list->addItem(QString::fromStdString(line));
    if (m_statistics ? m_viewMath : m_tall) {
        pauseAfterPosting();
        return;
    }
    nextCard();
}

// Lets the user read the calculation list, which ends with the result, before the next player
// clears it. The pause is a note in the window, so the list can be scrolled meanwhile.
void ScoreEntryWindow::pauseAfterPosting() {
    m_paused = true;
    if (m_statistics) setListShown(true);
    m_cardArea->setEnabled(false);
    m_pauseNote->setText(QString("Pausing... the calculation for %1 ends below.")
                             .arg(QString::fromStdString(m_services.data.players[m_player].name)));
    m_continue->show();
    m_continue->setFocus();
    m_list->scrollToBottom();
}

void ScoreEntryWindow::continueAfterPause() {
    if (!m_paused) return;
    m_paused = false;
    m_pauseNote->clear();
    m_continue->hide();
    m_cardArea->setEnabled(true);
    if (m_statistics) setListShown(false);
    nextCard();
}

void ScoreEntryWindow::nextCard() {
    m_list->clear();
    m_playedKnown = false;
    NextPlayer();
    afterPlayer();
}

void ScoreEntryWindow::skipPlayer() {
    if (editMode()) {
        platform::Refuse(m_services.dialogs,
                         "A round being corrected belongs to its player: there is no one to skip to.", "Quorval");
        return;
    }
    m_scores[1]->setFocus();
    NextPlayer();
    afterPlayer();
}

void ScoreEntryWindow::deleteRound() {
    store::LeagueData& data = m_services.data;
    if (!editMode() || m_player < 1) return;
    platform::Answer answer = m_services.dialogs.message(
        {platform::joinLines({"Are You sure you want to Delete this round?", "", "After the round is deleted, the Hcp",
                              "index will be recalculated for the last round",
                              "entered for this player using their default tee."}),
         "QVL", platform::Buttons::YesNo, platform::Icon::Question, 2});
    if (answer != platform::Answer::Yes) return;
    entry::DeleteResult deleted = entry::DeleteRound(data, m_player, m_request.slot);
    if (!deleted.recomputed && data.players[m_player].roundCount > 0) {
        m_services.dialogs.message({entry::NotRecalculatedMessage(data, m_player), "Quorval", platform::Buttons::Ok,
                                    platform::Icon::Exclamation});
    }
    m_list->clear();
    m_player = 0;
    m_saveOnClose = true;
    m_ending = true;
    close();
}

void ScoreEntryWindow::viewMath() {
    if (m_statistics) {
        m_viewMath = !m_viewMath;
        m_viewMathButton->setText(m_viewMath ? "View Math On" : "View Math");
        return;
    }
    m_tall = !m_tall;
    setListShown(m_tall);
    centreOnScreen();
}

// The short layout is the card alone; the tall one adds the calculation list below it.
void ScoreEntryWindow::setListShown(bool shown) {
    m_list->setVisible(shown);
    m_pauseRow->setVisible(shown);
    m_continue->setVisible(m_paused);
    auto* box = static_cast<QBoxLayout*>(layout());
    box->setStretch(box->count() - 1, shown ? 0 : 1);
    setFixedSize(m_cardSize.width(), m_cardSize.height() + (shown ? listRoom() : 0));
    if (!shown) return;
    // The taller window moves up as far as it must to stay on the screen.
    if (QScreen* screen = this->screen()) {
        int below = frameGeometry().bottom() - screen->availableGeometry().bottom();
        if (below > 0) move(x(), std::max(screen->availableGeometry().top(), y() - below));
    }
    m_list->scrollToBottom();
}

// Room for the pause row and enough lines that the result lines and most of the list are in
// sight, as long as the screen has that room.
int ScoreEntryWindow::listRoom() const {
    int rows = m_list->fontMetrics().height() + 2;
    int room = rows * kListRows + 2 * m_list->frameWidth() + m_pauseRow->sizeHint().height() + 12;
    if (QScreen* screen = this->screen()) {
        room = std::min(room, screen->availableGeometry().height() - m_cardSize.height() - 40);
    }
    return std::max(room, rows * 6);
}

// Cancel, Escape and the title bar all come here: keys typed into the card are not lost unasked.
void ScoreEntryWindow::closeEvent(QCloseEvent* event) {
    if (m_typed && !m_ending && !m_paused) {
        const store::LeagueData& data = m_services.data;
        QString name = QString::fromStdString(data.players[m_player].name);
        platform::Message question{QString("Discard the scores typed for %1?").arg(name).toStdString(), "Quorval",
                                   platform::Buttons::YesNo, platform::Icon::Question, 2};
        if (m_services.dialogs.message(question) != platform::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    ChildWindow::closeEvent(event);
}

void ScoreEntryWindow::finish() {
    store::LeagueData& data = m_services.data;
    m_timer1->stop();
    data.courseEditMode = false;
    // Also on Cancel once a round is posted: the next league opened would otherwise drop it.
    if (m_saveOnClose) store::SaveLeagueFile(data, m_services.dialogs);
    emit entryFinished();
}

}  // namespace quorval::gui
