#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace quorval::gui {

// A window's Edit > Cut, Copy and Paste: they act on the window's focused text box (a line, a text
// area, the box of a spin or combo box) with the usual shortcuts, and rest while that box could
// not take them (no selection to cut or copy, nothing on the clipboard, a read-only box).
class EditActions : public QObject {
    Q_OBJECT
public:
    EditActions(QWidget* window, QAction* cut, QAction* copy, QAction* paste);

    // Brings the three items up to date, as before the menu opens.
    void refresh();

private:
    void follow(QWidget* focused);
    QWidget* target() const;

    QWidget* m_window;
    QAction* m_cut;
    QAction* m_copy;
    QAction* m_paste;
    QPointer<QWidget> m_followed;
    QMetaObject::Connection m_selection;
};

}  // namespace quorval::gui
