#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/services.hpp"

namespace quorval::gui {

// A window opened from the main window. The opener is disabled while it is open; closing it in
// any way (its own button or the title bar) runs finish() and enables the opener again.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    ChildWindow(platform::Services& services, QWidget* opener, const QString& name, const QString& title);

    // Opens the next window of the same task in this one's place: the opener stays disabled.
    void handOverTo(ChildWindow* next);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // What the window's own exit button does beyond closing (a save, for example).
    virtual void finish() {}
    void centreOnScreen();
    // The help topic F1 shows while this window is active; the contents when it names none.
    void setHelpTopic(const QString& topic) { m_helpTopic = topic; }

    platform::Services& m_services;
    QPointer<QWidget> m_opener;
    bool m_handedOver = false;

private:
    QString m_helpTopic;
};

// Disables the opener, then shows the window centred on the screen without blocking.
void openChild(QWidget* opener, ChildWindow* window);

}  // namespace quorval::gui
