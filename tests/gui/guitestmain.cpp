// Pins the environment of the window tests: offscreen platform, C locale, Fusion style.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <clocale>
#include <cstdlib>

namespace {

// The offscreen platform says so each time a window is raised or resized; nothing to act on.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("does not support raise()") || message.contains("propagateSizeHints")) return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A new user's date order follows the locale: the tests, and the tools they start, read dates
    // month first whatever the machine's language.
    ::setenv("LC_ALL", "C.UTF-8", 1);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
