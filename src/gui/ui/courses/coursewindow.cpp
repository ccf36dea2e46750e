#include "ui/courses/coursewindow.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "text/numbers.hpp"
#include "ui/main/listingview.hpp"
#include "widgets/controls.hpp"
#include "widgets/holecard.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* sumLabel(const QString& name) {
    QLabel* label = makePanel(name, "");
    label->setFont(fixedPitchFont(10));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(" 000") + 14);
    return label;
}

// A rating or slope is typed into its box or stepped with the arrows beside it; save checks it.
QLineEdit* teePanel(const QString& name, const char* caption) {
    auto* panel = new QLineEdit(caption);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMaxLength(5);
    panel->setFixedWidth(QFontMetrics(panel->font()).horizontalAdvance(" 000.0") + 14);
    return panel;
}

// Two small arrows stacked beside a panel, no taller than the panel itself.
SpinButton* teeSpin(const char* name, int height) {
    auto* spin = new SpinButton(Qt::Vertical);
    spin->setObjectName(name);
    for (QToolButton* arrow : {spin->downButton(), spin->upButton()}) arrow->setFixedSize(18, height / 2);
    return spin;
}

const char* const kRatingPanels[] = {"", "redratepanel", "whiteratepanel", "blueratepanel"};
const char* const kSlopePanels[] = {"", "redslopepanel", "whiteslopepanel", "Blueslopepanel"};
const char* const kRatingSpins[] = {"", "redrateingspin", "Whiteratingspin", "blueratingspin"};
const char* const kSlopeSpins[] = {"", "redslopespin", "whiteslopespin", "blueslopespin"};

}  // namespace

CourseWindow::CourseWindow(platform::Services& services, QWidget* opener, courses::CourseEditor::Mode mode)
    : ChildWindow(services, opener, "course", "Course Information"), m_editor(services.data, mode) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(buildNameRow());
    layout->addLayout(buildParCard());
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(buildTees());
    bottom->addStretch(1);
    bottom->addLayout(buildButtons());
    layout->addLayout(bottom);

    showForm(m_editor.form());

    setFixedSize(sizeHint());
    centreOnScreen();
    move(pos() + QPoint(0, 100 / kTwipsPerPixel));  // a little below the centre, as the program always placed it
}

QLayout* CourseWindow::buildNameRow() {
    m_name = new QLineEdit;
    m_name->setObjectName("Nametext");
    m_initials = new QLineEdit;
    m_initials->setObjectName("initialstext");
    m_initials->setMaxLength(3);
    m_initials->setFixedWidth(QFontMetrics(m_initials->font()).horizontalAdvance("WWWW") + 12);
    auto* nameLabel = new QLabel("Course Name :");
    nameLabel->setBuddy(m_name);
    auto* initialsLabel = new QLabel("Initials");
    initialsLabel->setBuddy(m_initials);

    auto* row = new QHBoxLayout;
    row->addWidget(nameLabel);
    row->addWidget(m_name, 1);
    row->addSpacing(12);
    row->addWidget(initialsLabel);
    row->addWidget(m_initials);
    return row;
}

QLayout* CourseWindow::buildParCard() {
    auto* card = new QGridLayout;
    card->setHorizontalSpacing(3);
    addHoleHeadings(card);
    card->addWidget(new QLabel("Par"), 1, 0);
    for (int h = 1; h <= store::kHoles; ++h) {
        auto* box = new QLineEdit(" ");  // filled before the change handler is connected
        box->setObjectName(QString("Partext%1").arg(h));
        box->setMaxLength(2);
        box->setFont(fixedPitchFont(10));
        box->setAlignment(Qt::AlignCenter);
        box->setContextMenuPolicy(Qt::NoContextMenu);  // no pasting round the key filter
        box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance("000") + 12);
        box->installEventFilter(this);
        m_pars[h] = box;
        card->addWidget(box, 1, holeColumn(h));
    }
    m_out = sumLabel("Outlabel");
    m_in = sumLabel("Inlabel");
    m_total = sumLabel("Totallabel");
    m_out->setText("0");
    m_in->setText("0");
    card->addWidget(m_out, 1, kOutColumn);
    card->addWidget(m_in, 1, kInColumn);
    card->addWidget(m_total, 1, kTotalColumn);
    for (int h = 1; h <= store::kHoles; ++h) {
        connect(m_pars[h], &QLineEdit::textChanged, this, [this, h] { parChanged(h); });
        // As in the score boxes: a par typed moves on to the next hole (every par is one digit).
        connect(m_pars[h], &QLineEdit::textEdited, this, [this, h] {
            if (h < store::kHoles && text::leadingNumber(m_pars[h]->text().toStdString()) >= 2) {
                m_pars[h + 1]->setFocus();
            }
        });
    }
    addStrokeIndexRow(card, 2);
    return card;
}

// The holes' stroke indexes, 1 the hardest; all empty for a course that has none.
void CourseWindow::addStrokeIndexRow(QGridLayout* card, int row) {
    card->addWidget(new QLabel("Stroke index"), row, 0);
    for (int h = 1; h <= store::kHoles; ++h) {
        auto* box = new QLineEdit;
        box->setObjectName(QString("SItext%1").arg(h));
        box->setMaxLength(2);
        box->setFont(fixedPitchFont(10));
        box->setAlignment(Qt::AlignCenter);
        box->setValidator(new QIntValidator(1, 18, box));
        box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance("000") + 12);
        m_strokeIndexes[h] = box;
        card->addWidget(box, row, holeColumn(h));
    }
}

QLayout* CourseWindow::buildTees() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel("Rating"), 1, 0);
    grid->addWidget(new QLabel("Slope"), 2, 0);
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        auto* heading = new QLabel(QString::fromStdString(std::string(store::TeeName(t))));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, t);
        m_ratings[t] = teePanel(kRatingPanels[t], "");
        m_slopes[t] = teePanel(kSlopePanels[t], "");
        auto* ratingSpin = teeSpin(kRatingSpins[t], m_ratings[t]->sizeHint().height());
        auto* slopeSpin = teeSpin(kSlopeSpins[t], m_slopes[t]->sizeHint().height());
        for (auto [row, panel, spin] : {std::tuple{1, m_ratings[t], ratingSpin}, {2, m_slopes[t], slopeSpin}}) {
            auto* cell = new QHBoxLayout;
            cell->setSpacing(1);
            cell->addWidget(panel, 1);
            cell->addWidget(spin);
            grid->addLayout(cell, row, t);
        }
        // Each click re-reads the caption, so repeated clicks never gather rounding errors.
        auto stepRating = [this, t](int step) {
            m_ratings[t]->setText(qt(courses::StepRating(m_ratings[t]->text().toStdString(), step)));
        };
        auto stepSlope = [this, t](int step) {
            m_slopes[t]->setText(qt(courses::StepSlope(m_slopes[t]->text().toStdString(), step)));
        };
        connect(ratingSpin, &SpinButton::spinUp, this, [stepRating] { stepRating(1); });
        connect(ratingSpin, &SpinButton::spinDown, this, [stepRating] { stepRating(-1); });
        connect(slopeSpin, &SpinButton::spinUp, this, [stepSlope] { stepSlope(1); });
        connect(slopeSpin, &SpinButton::spinDown, this, [stepSlope] { stepSlope(-1); });
    }
    return grid;
}

QLayout* CourseWindow::buildButtons() {
    auto* save = makeButton("savebutton", "&Save", "Save course information to disk");
    auto* cancel = makeButton("cancelbutton", "&Cancel", "Close course window");
    auto* info = makeHelpButton("infobutton", "Help on Courses");
    connect(save, &QPushButton::clicked, this, &CourseWindow::save);
    connect(cancel, &QPushButton::clicked, this, &CourseWindow::close);
    setHelpTopic("Courses - Adding or Editing");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Courses - Adding or Editing"); });
    auto* buttons = new QHBoxLayout;
    buttons->setAlignment(Qt::AlignBottom);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addWidget(info);
    return buttons;
}

// The sums come from the stored fields; a par box whose text changes as it is filled (an empty
// field of a reused slot, for one) then works them out again.
void CourseWindow::showForm(const courses::CourseForm& form) {
    m_name->setText(qt(form.name));
    m_out->setText(qt(form.out));
    m_in->setText(qt(form.in));
    m_total->setText(qt(form.total));
    for (int h = 1; h <= store::kHoles; ++h) m_pars[h]->setText(qt(form.pars[h]));
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        m_ratings[t]->setText(qt(form.ratings[t]));
        m_slopes[t]->setText(qt(form.slopes[t]));
    }
    m_initials->setText(qt(form.initials));
    for (int h = 1; h <= store::kHoles; ++h) m_strokeIndexes[h]->setText(qt(form.strokeIndexes[h]));
}

courses::CourseForm CourseWindow::formShown() const {
    courses::CourseForm form;
    form.name = m_name->text().toStdString();
    form.out = m_out->text().toStdString();
    form.in = m_in->text().toStdString();
    form.total = m_total->text().toStdString();
    form.pars = parTexts();
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        form.ratings[t] = m_ratings[t]->text().toStdString();
        form.slopes[t] = m_slopes[t]->text().toStdString();
    }
    form.initials = m_initials->text().toStdString();
    for (int h = 1; h <= store::kHoles; ++h) form.strokeIndexes[h] = m_strokeIndexes[h]->text().toStdString();
    return form;
}

std::array<std::string, 19> CourseWindow::parTexts() const {
    std::array<std::string, 19> pars{};
    for (int h = 1; h <= store::kHoles; ++h) pars[h] = m_pars[h]->text().toStdString();
    return pars;
}

void CourseWindow::parChanged(int hole) {
    QLineEdit* box = m_pars[hole];
    QString text = qt(courses::ParBoxText(box->text().toStdString()));
    if (text != box->text()) {
        QSignalBlocker quiet(box);
        box->setText(text);  // the two-character limit cuts what the blank pushed out
    }
    box->setCursorPosition(static_cast<int>(box->text().size()));
    std::array<std::string, 19> pars = parTexts();
    QLabel* nine = hole <= 9 ? m_out : m_in;
    nine->setText(qt(courses::NinePar(pars, hole <= 9 ? 1 : 10)));
    m_total->setText(qt(courses::TotalPar(m_out->text().toStdString(), m_in->text().toStdString())));
}

bool CourseWindow::eventFilter(QObject* watched, QEvent* event) {
    // However the focus came, a digit typed now replaces the par instead of being refused by the
    // box's two characters. The click that gave the focus places the cursor after this.
    if (event->type() == QEvent::FocusIn && std::find(m_pars.begin() + 1, m_pars.end(), watched) != m_pars.end()) {
        QTimer::singleShot(0, static_cast<QLineEdit*>(watched), &QLineEdit::selectAll);
    }
    if (event->type() == QEvent::KeyPress) {
        auto found = std::find(m_pars.begin() + 1, m_pars.end(), watched);
        if (found != m_pars.end()) {
            int hole = static_cast<int>(found - m_pars.begin());
            if (keyRefused(hole, static_cast<QKeyEvent*>(event))) return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

// A par box takes digits and Backspace; Enter moves to the next hole. Every other character is
// dropped, keys that type nothing (arrows, Tab, Delete, Escape) do what they always do.
bool CourseWindow::keyRefused(int hole, const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (hole < store::kHoles) m_pars[hole + 1]->setFocus();
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return false;
        default:
            break;
    }
    QString typed = key->text();
    if (typed.isEmpty()) return false;
    return typed.size() != 1 || typed[0] < '0' || typed[0] > '9';
}

void CourseWindow::save() {
    if (m_editor.save(formShown(), m_services.dialogs) == courses::SaveOutcome::Saved) close();
}

void CourseWindow::finish() {
    m_editor.close();
}

}  // namespace quorval::gui
