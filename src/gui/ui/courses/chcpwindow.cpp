#include "ui/courses/chcpwindow.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "courses/chcpchart.hpp"
#include "handicap/rules.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

// An index is at most five characters ("-12.3"): selecting that many readies the box for the next.
constexpr int kIndexWidth = 5;

QLineEdit* numberBox(const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaximumWidth(90);
    return edit;
}

}  // namespace

ChcpWindow::ChcpWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "CHcpform", "Course Handicaps") {
    m_index = numberBox("Text1");
    m_slope = numberBox("Text2");
    m_message = makePanel("Hcpmessage", "");
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setMinimumHeight(32);
    auto* calc = makeButton("Calcbutton", "Calculate", "Work out the course handicap");
    auto* close = makeButton("closebutton", "&Close", "Close the course handicap window");
    auto* info = makeHelpButton("infobutton", "Help with course handicaps");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Enter Handicap Index"), 0, 0);
    grid->addWidget(m_index, 0, 1);
    grid->addWidget(new QLabel("Enter Slope Rating"), 1, 0);
    grid->addWidget(m_slope, 1, 1);
    int row = 2;
    if (handicap::RulesOf(services.data).courseHandicapUsesRating()) {
        // The league's course handicap adds rating - par.
        m_rating = numberBox("ratingtext");
        m_par = numberBox("partext");
        grid->addWidget(new QLabel("Enter Course Rating"), row++, 0);
        grid->addWidget(m_rating, row - 1, 1);
        grid->addWidget(new QLabel("Enter Par"), row++, 0);
        grid->addWidget(m_par, row - 1, 1);
    }
    grid->addWidget(calc, row, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_message);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    adjustSize();
    centreOnScreen();

    for (QLineEdit* box : {m_index, m_slope}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, m_message, &QLabel::clear);
    }
    connect(calc, &QPushButton::clicked, this, &ChcpWindow::calculate);
    connect(close, &QPushButton::clicked, this, &ChcpWindow::close);
    setHelpTopic("Course Handicaps");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Course Handicaps"); });
}

void ChcpWindow::calculate() {
    courses::CalcAnswer answer = courses::CalculateCourseHandicap(
        m_index->text().toStdString(), m_slope->text().toStdString(), m_rating ? m_rating->text().toStdString() : "",
        m_par ? m_par->text().toStdString() : "", handicap::RulesOf(m_services.data));
    m_message->setText(QString::fromStdString(answer.message));
    switch (answer.outcome) {
        case courses::CalcOutcome::Result:
            // The caret stands after the index just typed; from there nothing would be selected.
            m_index->setFocus();
            m_index->setSelection(0, std::min(kIndexWidth, static_cast<int>(m_index->text().size())));
            return;
        case courses::CalcOutcome::BadSlope:
            m_services.dialogs.beep();
            m_slope->setFocus();
            m_slope->selectAll();
            return;
        case courses::CalcOutcome::NoIndex:
        case courses::CalcOutcome::NoSlope:
        case courses::CalcOutcome::TooLarge:
        case courses::CalcOutcome::NoRating:
            m_services.dialogs.beep();
            return;
    }
}

// Enter moves from the index to the slope and calculates from the slope; it goes no further.
bool ChcpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_index) {
                m_slope->setFocus();
                return true;
            }
            if (watched == m_slope) {
                calculate();
                return true;
            }
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

}  // namespace quorval::gui
