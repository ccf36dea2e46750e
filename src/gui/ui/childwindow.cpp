#include "ui/childwindow.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>

namespace quorval::gui {

ChildWindow::ChildWindow(platform::Services& services, QWidget* opener, const QString& name, const QString& title)
    : QWidget(nullptr), m_services(services), m_opener(opener) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this] { m_services.help.showTopic(m_helpTopic.isEmpty() ? "Contents" : m_helpTopic.toStdString()); });
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    finish();
    if (m_opener && !m_handedOver) {
        m_opener->setEnabled(true);
        m_opener->activateWindow();
    }
    emit closed();
    event->accept();
}

void ChildWindow::handOverTo(ChildWindow* next) {
    m_handedOver = true;
    openChild(m_opener, next);
    close();
}

// Escape closes the window as its own close button would.
void ChildWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChildWindow::centreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

void openChild(QWidget* opener, ChildWindow* window) {
    if (opener) opener->setEnabled(false);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace quorval::gui
