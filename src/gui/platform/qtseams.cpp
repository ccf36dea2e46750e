#include "platform/qtseams.hpp"

#include <QDate>
#include <QGuiApplication>
#include <QScreen>

namespace quorval::gui {

platform::Date QtClock::today() {
    QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

int QtScreen::widthPixels() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int QtScreen::bitsPerPixel() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

}  // namespace quorval::gui
