#include "ui/courses/courseselectpanel.hpp"

#include <filesystem>

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "courses/courseeditor.hpp"
#include "courses/courseuse.hpp"
#include "store/coursefile.hpp"
#include "ui/courses/coursewindow.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

CourseSelectPanel::CourseSelectPanel(platform::Services& services, QWidget* parent)
    : QFrame(parent), m_services(services) {
    setObjectName("Selectcoursepanel");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);

    auto* caption = new QLabel("Select Course");
    caption->setAlignment(Qt::AlignCenter);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);

    m_combo = new QComboBox;
    m_combo->setObjectName("Selectcoursecombo");
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumContentsLength(28);
    m_combo->lineEdit()->installEventFilter(this);

    m_okOrDelete = makeButton("okordeletebutton", "Ok");
    auto* cancelButton = makeButton("okordeletecancel", "Cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okOrDelete);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_combo);
    layout->addLayout(buttons);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    connect(m_okOrDelete, &QPushButton::clicked, this, &CourseSelectPanel::choose);
    connect(cancelButton, &QPushButton::clicked, this, &CourseSelectPanel::cancel);
    connect(m_combo->lineEdit(), &QLineEdit::returnPressed, this, &CourseSelectPanel::choose);

    hide();
    setEnabled(false);
}

// Every command starts from the file's contents, with no course window left open.
void CourseSelectPanel::startCommand() {
    if (m_window) m_window->close();
    emit coursesMenuEnabled(false);
    // Adding the very first course needs no word about the missing course file.
    if (!std::filesystem::exists(store::findDataFile(store::kCourseFileName))) return;
    store::LoadCourseFile(m_services.data, m_services.dialogs);
}

void CourseSelectPanel::addCourse() {
    startCommand();
    if (courses::FreeSlot(m_services.data) == 0) {
        m_services.dialogs.message(courses::CourseTableFullMessage());
        emit coursesMenuEnabled(true);
        return;
    }
    openCourseWindow(false);
}

void CourseSelectPanel::editCourse() {
    offerCourses(Command::Edit);
}

void CourseSelectPanel::deleteCourse() {
    offerCourses(Command::Delete);
}

void CourseSelectPanel::chooseChartCourse() {
    offerCourses(Command::Chart);
}

void CourseSelectPanel::offerCourses(Command command) {
    startCommand();
    store::LeagueData& data = m_services.data;
    if (data.courseCount < 1) {
        emit coursesMenuEnabled(true);
        return;
    }
    m_command = command;
    data.currentCourse = 0;
    m_combo->clear();
    // Blank slots are not offered. Each entry knows its slot, so that of two courses an older file
    // holds under one name, the entry picked is the course opened.
    for (int c = 1; c <= data.courseCount; ++c) {
        const std::string& name = data.courses[c][store::course_field::kName];
        if (!name.empty()) m_combo->addItem(QString::fromStdString(name), c);
    }
    m_combo->setCurrentIndex(-1);
    m_combo->clearEditText();
    m_okOrDelete->setText(command == Command::Delete ? "Delete" : "Ok");
    show();
    setEnabled(true);
    m_combo->setFocus();
    emit listingHidden();
    // The chart needs no window of its own: the menu is free again at once.
    if (command == Command::Chart) emit coursesMenuEnabled(true);
}

int CourseSelectPanel::courseNamed(const QString& name) const {
    return store::FindCourse(m_services.data, name.toStdString());
}

void CourseSelectPanel::choose() {
    QString text = m_combo->currentText();
    if (m_command == Command::None) return;
    if (text.trimmed().isEmpty()) {
        platform::Refuse(m_services.dialogs, "Choose a course from the list first.", "Select Course");
        return;
    }
    int picked = m_combo->currentIndex();
    int course = picked >= 0 && m_combo->itemText(picked) == text ? m_combo->itemData(picked).toInt()
                                                                  : courseNamed(text.trimmed());
    if (course == 0) {
        platform::Refuse(m_services.dialogs, "There is no course named " + text.toStdString() + ".", "Select Course");
        return;
    }
    store::LeagueData& data = m_services.data;
    data.currentCourse = static_cast<int16_t>(course);
    Command command = m_command;
    closePanel();
    switch (command) {
        case Command::Chart:
            emit chartRequested(course);  // the chart shows the busy pointer itself, after asking for the tee
            break;
        case Command::Edit:
            openCourseWindow(true);
            break;
        case Command::Delete:
            confirmDelete(course);
            break;
        case Command::None:
            break;
    }
}

void CourseSelectPanel::confirmDelete(int course) {
    if (refuseCourseInUse(course)) return;
    const std::string& name = m_services.data.courses[course][store::course_field::kName];
    if (m_services.dialogs.message(courses::ConfirmDeleteMessage(name)) != platform::Answer::Yes) {
        cancel();
        return;
    }
    m_services.dialogs.beginBusy("");
    courses::DeleteCourse(m_services.data, course);
    store::SaveCourseFile(m_services.data, m_services.dialogs);
    m_services.dialogs.endBusy();
    // No window stays open when the write fails, so the menu is freed either way.
    emit coursesMenuEnabled(true);
}

// Rounds keep their course's slot: a slot emptied under them would pass them to the next course.
bool CourseSelectPanel::refuseCourseInUse(int course) {
    auto refusal = courses::CourseInUseMessage(m_services.data, course);
    if (!refusal) return false;
    m_services.dialogs.message(*refusal);
    cancel();
    return true;
}

void CourseSelectPanel::cancel() {
    closePanel();
    emit coursesMenuEnabled(true);
}

void CourseSelectPanel::closePanel() {
    m_command = Command::None;
    hide();
    setEnabled(false);
    m_combo->clear();
}

void CourseSelectPanel::openCourseWindow(bool edit) {
    m_services.dialogs.beginBusy("");
    auto mode = edit ? courses::CourseEditor::Mode::Edit : courses::CourseEditor::Mode::Add;
    m_window = new CourseWindow(m_services, window(), mode);
    connect(m_window, &ChildWindow::closed, this, [this] { emit coursesMenuEnabled(true); });
    openChild(window(), m_window);
    m_services.dialogs.endBusy();
}

bool CourseSelectPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_combo->lineEdit() && event->type() == QEvent::MouseButtonDblClick) choose();
    return QFrame::eventFilter(watched, event);
}

}  // namespace quorval::gui
