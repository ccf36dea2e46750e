#pragma once

#include <QFrame>
#include <QPointer>

#include "platform/services.hpp"
#include "ui/courses/coursewindow.hpp"

class QComboBox;
class QPushButton;

namespace quorval::gui {

// The Courses menu's commands and the "Select Course" panel the main window embeds: edit, delete
// and the reference chart pick a course in it; add and edit open the course window, with the
// window holding the panel as its opener. Hidden and disabled while no command needs it.
class CourseSelectPanel : public QFrame {
    Q_OBJECT
public:
    explicit CourseSelectPanel(platform::Services& services, QWidget* parent = nullptr);

    // GCmenu1 .. GCmenu3 and CHCPChartmenu.
    void addCourse();
    void editCourse();
    void deleteCourse();
    void chooseChartCourse();

    // okordeletebutton (or a double click in the combo) and okordeletecancel.
    void choose();
    void cancel();

    CourseWindow* courseWindow() const { return m_window; }

signals:
    // The Courses menu is disabled while a command is in progress.
    void coursesMenuEnabled(bool enabled);
    // The round listing makes room for the panel; nothing here shows it again.
    void listingHidden();
    // The chart command's course was chosen: print its reference chart.
    void chartRequested(int course);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Command { None, Edit, Delete, Chart };

    void startCommand();
    void offerCourses(Command command);
    void closePanel();
    int courseNamed(const QString& name) const;
    void openCourseWindow(bool edit);
    void confirmDelete(int course);
    bool refuseCourseInUse(int course);

    platform::Services& m_services;
    Command m_command = Command::None;
    QComboBox* m_combo;
    QPushButton* m_okOrDelete;
    QPointer<CourseWindow> m_window;
};

}  // namespace quorval::gui
