#pragma once

#include <array>

#include "courses/courseeditor.hpp"
#include "ui/childwindow.hpp"

class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace quorval::gui {

// "Course Information": one course's name, initials, hole pars, tee ratings and slopes. Add opens
// on a new course (or on the first blank slot), Edit on the current course. A successful save
// closes it; closing it in any other way stores nothing.
class CourseWindow : public ChildWindow {
    Q_OBJECT
public:
    CourseWindow(platform::Services& services, QWidget* opener, courses::CourseEditor::Mode mode);

    const courses::CourseEditor& editor() const { return m_editor; }

    // savebutton: checks, stores and writes the course file, then closes.
    void save();

protected:
    void finish() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildNameRow();
    QLayout* buildParCard();
    void addStrokeIndexRow(QGridLayout* card, int row);
    QLayout* buildTees();
    QLayout* buildButtons();
    void showForm(const courses::CourseForm& form);
    courses::CourseForm formShown() const;
    std::array<std::string, 19> parTexts() const;
    void parChanged(int hole);
    bool keyRefused(int hole, const QKeyEvent* key);

    courses::CourseEditor m_editor;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_initials = nullptr;
    std::array<QLineEdit*, 19> m_pars{};
    std::array<QLineEdit*, 19> m_strokeIndexes{};
    QLabel* m_out = nullptr;
    QLabel* m_in = nullptr;
    QLabel* m_total = nullptr;
    std::array<QLineEdit*, 4> m_ratings{};
    std::array<QLineEdit*, 4> m_slopes{};
};

}  // namespace quorval::gui
