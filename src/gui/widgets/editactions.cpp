#include "widgets/editactions.hpp"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quorval::gui {

namespace {

// The text box behind a focused widget: spin and combo boxes hand their editing to a line inside.
QWidget* TextBoxOf(QWidget* w) {
    if (!w) return nullptr;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) return w;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    if (qobject_cast<QAbstractSpinBox*>(w)) return w->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    return nullptr;
}

struct Abilities {
    bool cut = false;
    bool copy = false;
    bool paste = false;
};

Abilities AbilitiesOf(QWidget* box) {
    const QClipboard* clipboard = QApplication::clipboard();
    const bool clipboardHasText = clipboard && !clipboard->text().isEmpty();
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        // A hidden entry (a password) keeps its text off the clipboard, as Qt's own menu does.
        bool copy = line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
        return {copy && !line->isReadOnly(), copy, !line->isReadOnly() && clipboardHasText};
    }
    if (auto* text = qobject_cast<QTextEdit*>(box)) {
        bool copy = text->textCursor().hasSelection();
        return {copy && !text->isReadOnly(), copy, !text->isReadOnly() && text->canPaste()};
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
        bool copy = text->textCursor().hasSelection();
        return {copy && !text->isReadOnly(), copy, !text->isReadOnly() && text->canPaste()};
    }
    return {};
}

}  // namespace

EditActions::EditActions(QWidget* window, QAction* cut, QAction* copy, QAction* paste)
    : QObject(window), m_window(window), m_cut(cut), m_copy(copy), m_paste(paste) {
    m_cut->setShortcut(QKeySequence::Cut);
    m_copy->setShortcut(QKeySequence::Copy);
    m_paste->setShortcut(QKeySequence::Paste);
    // The three calls are slots of every text box kind.
    connect(m_cut, &QAction::triggered, this, [this] {
        if (QWidget* box = target()) QMetaObject::invokeMethod(box, "cut");
    });
    connect(m_copy, &QAction::triggered, this, [this] {
        if (QWidget* box = target()) QMetaObject::invokeMethod(box, "copy");
    });
    connect(m_paste, &QAction::triggered, this, [this] {
        if (QWidget* box = target()) QMetaObject::invokeMethod(box, "paste");
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
    if (QClipboard* clipboard = QApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &EditActions::refresh);
    follow(m_window->focusWidget());
}

// The window's own focused box; the focus may sit in another window while the menu is used.
QWidget* EditActions::target() const {
    QWidget* box = TextBoxOf(m_window->focusWidget());
    return box && box->isEnabled() && box->isVisible() ? box : nullptr;
}

// Watches the selection of the box that took the focus, so the items follow it while typing.
void EditActions::follow(QWidget* focused) {
    QWidget* box = TextBoxOf(focused);
    if (box && box->window() == m_window && box != m_followed) {
        disconnect(m_selection);
        m_followed = box;
        auto refresh = [this] { this->refresh(); };
        if (auto* line = qobject_cast<QLineEdit*>(box))
            m_selection = connect(line, &QLineEdit::selectionChanged, this, refresh);
        else if (auto* text = qobject_cast<QTextEdit*>(box))
            m_selection = connect(text, &QTextEdit::copyAvailable, this, refresh);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
            m_selection = connect(plain, &QPlainTextEdit::copyAvailable, this, refresh);
    }
    refresh();
}

void EditActions::refresh() {
    Abilities can = AbilitiesOf(target());
    m_cut->setEnabled(can.cut);
    m_copy->setEnabled(can.copy);
    m_paste->setEnabled(can.paste);
}

}  // namespace quorval::gui
