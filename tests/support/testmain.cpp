// Pins the environment every test runs in: C locale, no user configuration folder.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A new user's date order follows the locale: the tests, and the tools they start, read dates
    // month first whatever the machine's language.
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
