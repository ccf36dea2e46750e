#pragma once

#include <QWidget>

#include "platform/services.hpp"

class QLabel;
class QTimer;

namespace quorval::gui {

class MainWindow;

// The splash window: loads the main window behind it and hands over on a click or a key. It
// comes back as the About window.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow(platform::Services& services, MainWindow& main);

    // The start-up steps: measure the screen, load the main window, choose the picture.
    void Load();
    // Shows the picture and its message: at start-up, and again as the About window.
    void showAsAbout();
    // Shows the main window and closes the splash.
    void handOver();
    // Timer1: cycles the message under the picture.
    void cycleMessage();
    QLabel* picture() const { return m_image; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::Services& m_services;
    MainWindow& m_main;
    QLabel* m_image;
    QLabel* m_message;
    QLabel* m_version;
    QTimer* m_timer1;
    bool m_started = false;
    int m_tick = 0;
};

}  // namespace quorval::gui
