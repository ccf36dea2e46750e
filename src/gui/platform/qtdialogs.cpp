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
};

ButtonSet buttonsOf(platform::Buttons buttons) {
    using B = QMessageBox;
    using A = platform::Answer;
    switch (buttons) {
        case platform::Buttons::Ok:
            return {{{B::Ok, A::Ok}}};
        case platform::Buttons::OkCancel:
            return {{{B::Ok, A::Ok}, {B::Cancel, A::Cancel}}};
        case platform::Buttons::YesNo:
            return {{{B::Yes, A::Yes}, {B::No, A::No}}};
        case platform::Buttons::YesNoCancel:
            return {{{B::Yes, A::Yes}, {B::No, A::No}, {B::Cancel, A::Cancel}}};
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
    for (const auto& [button, answer] : set.buttons) dialog.addButton(button);
    int index = std::clamp(box.defaultButton, 1, static_cast<int>(set.buttons.size())) - 1;
    dialog.setDefaultButton(set.buttons[index].first);
    auto pressed = static_cast<QMessageBox::StandardButton>(dialog.exec());
    for (const auto& [button, answer] : set.buttons)
        if (button == pressed) return answer;
    // Closed by Escape or the title bar: the answer that cancels.
    return set.buttons.size() == 1 ? platform::Answer::Ok : set.buttons.back().second;
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
    QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(title),
                                     QString::fromStdString(proposed), QString::fromStdString(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::chooseFolder(const std::string& title) {
    QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString::fromStdString(title));
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
