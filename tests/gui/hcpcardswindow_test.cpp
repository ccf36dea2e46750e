#include "ui/reports/hcpcardswindow.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "fakeseams.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
namespace fs = std::filesystem;

constexpr double kTwipsPerPixel = print::kTwipsPerInch / print::kPixelsPerInch;

class HcpCardsWindowTest : public ::testing::Test {
protected:
    HcpCardsWindowTest() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_oldConfig = old;
        ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
        store::LeagueData& data = *s.data;
        const char* names[] = {"Ann", "", "Cy", "Di", "Ed"};
        data.playerCount = 5;
        for (int p = 1; p <= 5; ++p) {
            data.players[p].name = names[p - 1];
            data.players[p].roundCount = 1;
        }
        data.settings.cardHorizontalOffset = 12.5f;
        data.settings.cardVerticalOffset = -3;
        data.settings.cardVerticalScaling = 1.0234f;
    }

    ~HcpCardsWindowTest() override {
        closeWindowsExcept(&opener);
        if (m_oldConfig) ::setenv("XDG_CONFIG_HOME", m_oldConfig->c_str(), 1);
    }

    HcpCardsWindow* open() {
        window = new HcpCardsWindow(s.services, &opener);
        openChild(&opener, window);
        return window;
    }

    template <typename T>
    T* child(const char* name) {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void select(int row) { child<QListWidget>("List1")->item(row)->setSelected(true); }
    void type(const char* box, const QString& text) { child<QLineEdit>(box)->setText(text); }

    QString countShown() {
        window->showCardCount();
        return child<QLabel>("printcountlabel")->text();
    }

    fs::path settingsFile() const { return dir.path() / "config" / "quorval" / store::kSettingsFileName; }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QPointer<HcpCardsWindow> window;

private:
    std::optional<std::string> m_oldConfig;
};

TEST_F(HcpCardsWindowTest, OpensWithTheNamedPlayersTheStoredSettingsAndToday) {
    open();
    EXPECT_EQ(window->windowTitle(), "Handicap Card Printing");
    EXPECT_FALSE(opener.isEnabled());
    auto* list = child<QListWidget>("List1");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->text(), "Cy");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "12-06-2026");
    EXPECT_EQ(child<QLineEdit>("WDOffSetText")->text(), "12.5");
    EXPECT_EQ(child<QLineEdit>("hoffsettext")->text(), "-3");
    EXPECT_EQ(child<QLineEdit>("pscalingtext")->text(), "1.023");
    EXPECT_EQ(child<QLabel>("printcountlabel")->text(), "Cards to Print :  0");
    EXPECT_EQ(window->timer()->interval(), 1000);
    EXPECT_TRUE(window->timer()->isActive());
    window->close();

    s.data->settings.cardVerticalScaling = 0;  // as a settings file may hold it
    open();
    EXPECT_EQ(child<QLineEdit>("pscalingtext")->text(), "1.000");
}

TEST_F(HcpCardsWindowTest, TheCountFollowsTheSelectionAtEachTick) {
    open();
    click("selectallbutton");
    EXPECT_EQ(countShown(), "Cards to Print :  4");
    click("Command1");
    EXPECT_EQ(countShown(), "Cards to Print :  0");
    select(0);
    select(3);
    EXPECT_EQ(countShown(), "Cards to Print :  2");
}

TEST_F(HcpCardsWindowTest, InfoButtonExplainsTheAlignment) {
    open();
    click("infobutton");
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (platform::Message{"Use Standard business card stock (10 per page) for\r\n"
                                           "Hcp card printing.  Test alignment on a\r\n"
                                           "regular sheet of paper first.\r\n"
                                           "\r\n"
                                           "If necessary, the starting offsets can be\r\n"
                                           "changed to position the printing correcly.\r\n"
                                           "Positive values will move the print to the right\r\n"
                                           "or downward, negative values will move the print\r\n"
                                           "to the left or higher on the page.\r\n"
                                           "\r\n"
                                           "The Vertical Scaling factor will make each\r\n"
                                           "row of cards print slightly taller or shorter\r\n"
                                           "so all rows can be aligned correctly",
                                           "Quorval"}));
}

TEST_F(HcpCardsWindowTest, PrintAsksFirstAndRefusesAnEmptySelection) {
    open();
    s.data->players[4].selected = 1;
    s.dialogs.answer(platform::Answer::Cancel);
    click("PrintButton");
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (platform::Message{"Ready to print handicap cards?\r\n\r\n"
                                           "Note: With some printers it may work\r\n"
                                           "best to select 10 players at a time and\r\n"
                                           "print each sheet of 10 cards individually.",
                                           "Quorval", platform::Buttons::OkCancel}));
    EXPECT_EQ(s.data->players[4].selected, 1);

    s.dialogs.answer(platform::Answer::Ok);
    click("PrintButton");
    shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], (platform::Message{"No Players selected, cannot continue.", "Quorval", platform::Buttons::Ok,
                                           platform::Icon::Exclamation}));
    EXPECT_TRUE(s.printer.documents().empty());
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
}

TEST_F(HcpCardsWindowTest, PrintsTheSelectedPlayersWithTheBoxesSettings) {
    open();
    select(1);  // Cy, player 3: the nameless player 2 is not listed
    select(3);  // Ed, player 5
    type("Text1", "Club night");
    type("WDOffSetText", "-10");
    type("hoffsettext", "");
    type("pscalingtext", "1.020");
    s.dialogs.answer(platform::Answer::Ok);
    click("PrintButton");
    s.dialogs.takeMessages();

    ASSERT_EQ(s.printer.documents().size(), 1u);
    const auto& pages = s.printer.documents()[0].pages;
    ASSERT_EQ(pages.size(), 1u);
    std::vector<print::PrintedText> texts;
    for (const auto& t : pages[0].texts)
        if (t.text != " ") texts.push_back(t);
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts[0].text, "Cy");
    EXPECT_EQ(texts[8].text, "Ed");
    EXPECT_EQ(texts[15].text, "Club night");
    EXPECT_NEAR(texts[0].x / kTwipsPerPixel, 485, 0.01);
    EXPECT_NEAR(texts[8].x / kTwipsPerPixel, 2375, 0.01);
    EXPECT_NEAR(texts[8].y / kTwipsPerPixel, 336.6, 0.01);
    ASSERT_EQ(pages[0].drawings.size(), 2u);
    EXPECT_EQ(std::get<print::PictureOp>(pages[0].drawings[0]).picture, ToPicture(CardPicture()));
    EXPECT_EQ(child<QLineEdit>("pscalingtext")->text(), "1.02");
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(s.data->players[p].selected, 0) << p;
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
}

// However the window is closed, the three boxes go to the settings file.
class HcpCardsClosingTest : public HcpCardsWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(HcpCardsClosingTest, StoresTheBoxesInTheSettingsFile) {
    open();
    type("WDOffSetText", "-10");
    type("hoffsettext", "7.5");
    type("pscalingtext", "1.03abc");
    switch (GetParam()) {
        case 0:
            click("donebutton");
            break;
        case 1:
            window->close();
            break;
        case 2:
            QTest::keyClick(window, Qt::Key_Escape);
            break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(opener.isEnabled());

    store::Settings expected;
    expected.cardHorizontalOffset = -10;
    expected.cardVerticalOffset = 7.5f;
    expected.cardVerticalScaling = 1.03f;
    EXPECT_EQ(readBytes(settingsFile()), store::FormatSettings(expected));
}

INSTANTIATE_TEST_SUITE_P(DoneTitleBarOrEscape, HcpCardsClosingTest, ::testing::Values(0, 1, 2));

TEST(CardPictureTest, ImagesKeepTheirPixelOrderAndChannels) {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xFFFF0000u);
    image.setPixel(1, 0, 0xFF00FF00u);
    image.setPixel(0, 1, 0x00000000u);
    image.setPixel(1, 1, 0xFF0000FFu);
    platform::Picture picture = ToPicture(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(picture, (platform::Picture{2, 2, {0xFFFF0000u, 0xFF00FF00u, 0x00000000u, 0xFF0000FFu}}));
}

}  // namespace
}  // namespace quorval::gui
