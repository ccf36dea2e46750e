#include "platform/qtdialogs.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quorval::gui {

namespace {

QMessageBox::Icon qtIcon(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::None:
            return QMessageBox::NoIcon;
        case platform::Icon::Information:
            return QMessageBox::Information;
        case platform::Icon::Exclamation:
            return QMessageBox::Warning;
        case platform::Icon::Critical:
            return QMessageBox::Critical;
        case platform::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    std::vector<std::pair<QMessageBox::StandardButton, platform::Answer>> buttons;
    std::vector<QString> captions;  // for the buttons that say what they do, in the same order
    platform::Answer onEscape = platform::Answer::Cancel;
};

ButtonSet buttonsOf(platform::Buttons buttons) {
    using B = QMessageBox;
    using A = platform::Answer;
    switch (buttons) {
        case platform::Buttons::Ok:
            return {{{B::Ok, A::Ok}}, {}, A::Ok};
        case platform::Buttons::OkCancel:
            return {{{B::Ok, A::Ok}, {B::Cancel, A::Cancel}}, {}, A::Cancel};
        case platform::Buttons::YesNo:
            return {{{B::Yes, A::Yes}, {B::No, A::No}}, {}, A::No};
        case platform::Buttons::YesNoCancel:
            return {{{B::Yes, A::Yes}, {B::No, A::No}, {B::Cancel, A::Cancel}}, {}, A::Cancel};
        // Escape keeps the file on disk: it never means "overwrite".
        case platform::Buttons::ReloadOverwrite:
            return {{{B::Yes, A::Reload}, {B::No, A::Overwrite}}, {"&Reload", "&Overwrite"}, A::Reload};
        case platform::Buttons::ReadOnlyQuit:
            return {{{B::Yes, A::ReadOnly}, {B::No, A::Quit}}, {"Open &read-only", "&Quit"}, A::Quit};
    }
    return {};
}

}  // namespace

QString messageText(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

void QtDialogs::setPanel(std::function<QString()> text, std::function<void(const QString&)> setText) {
    m_panelText = std::move(text);
    m_setPanelText = std::move(setText);
}

platform::Answer QtDialogs::message(const platform::Message& box) {
    QMessageBox dialog(qtIcon(box.icon), QString::fromStdString(box.title), messageText(box.text),
                       QMessageBox::NoButton, QApplication::activeWindow());
    ButtonSet set = buttonsOf(box.buttons);
    for (size_t i = 0; i < set.buttons.size(); ++i) {
        QAbstractButton* added = dialog.addButton(set.buttons[i].first);
        if (i < set.captions.size()) added->setText(set.captions[i]);
    }
    int index = std::clamp(box.defaultButton, 1, static_cast<int>(set.buttons.size())) - 1;
    dialog.setDefaultButton(set.buttons[index].first);
    auto pressed = static_cast<QMessageBox::StandardButton>(dialog.exec());
    for (const auto& [button, answer] : set.buttons)
        if (button == pressed) return answer;
    // Closed by Escape or the title bar: the answer that cancels.
    return set.onEscape;
}

std::optional<std::string> QtDialogs::input(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
    bool ok = false;
    QString text =
        QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(title), messageText(prompt),
                              QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

void QtDialogs::beep() {
    QApplication::beep();
}

std::optional<std::string> QtDialogs::saveFile(const std::string& title, const std::string& filter) {
    QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(title), {},
                                                  QString::fromStdString(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::saveFileAs(const std::string& title, const std::string& filter,
                                                 const std::string& proposed) {
    QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(title),
                                                  QString::fromStdString(proposed), QString::fromStdString(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::chooseFolder(const std::string& title, const std::string& start) {
    QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString::fromStdString(title),
                                                       QString::fromStdString(start));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::openFile(const std::string& title, const std::string& filter) {
    QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromStdString(title), {},
                                                  QString::fromStdString(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

void QtDialogs::beginBusy(const std::string& note) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_panelText && m_setPanelText) {
        m_savedPanel.push_back(m_panelText());
        if (!note.empty()) m_setPanelText(QString::fromStdString(note));
    }
}

void QtDialogs::endBusy() {
    QApplication::restoreOverrideCursor();
    if (m_setPanelText && !m_savedPanel.empty()) {
        m_setPanelText(m_savedPanel.back());
        m_savedPanel.pop_back();
    }
}

}  // namespace quorval::gui
