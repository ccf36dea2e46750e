#include "ui/reports/hcpcardswindow.hpp"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "configfolder.hpp"
#include "leaguebuilder.hpp"
#include "store/settingsfile.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class HcpCardsWindowTest : public WindowTest {
protected:
    HcpCardsWindowTest() {
        LeagueBuilder(*s.data).player("Ann").player("").player("Cy").player("Di").player("Ed");
        for (int p = 1; p <= 5; ++p) s.data->players[p].roundCount = 1;
        s.data->settings.cardHorizontalOffset = 12.5f;
        s.data->settings.cardVerticalOffset = -3;
        s.data->settings.cardVerticalScaling = 1.0234f;
        window = open<HcpCardsWindow>();
    }
    ~HcpCardsWindowTest() override { closeWindowsExcept(&opener); }  // while the settings folder is set

    void select(int row) { child<QListWidget>(window, "List1")->item(row)->setSelected(true); }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, name); }
    std::string count() { return text(window, "printcountlabel"); }

    ScopedConfigHome config{dir.path()};
    HcpCardsWindow* window = nullptr;
};

TEST_F(HcpCardsWindowTest, ShowsTheStoredSettingsAndCountsTheSelectionAsItChanges) {
    EXPECT_EQ(box("Text1")->text() + "|" + box("WDOffSetText")->text() + "|" + box("hoffsettext")->text() + "|" +
                  box("pscalingtext")->text(),
              "12-06-2026|12.5|-3|1.023");
    EXPECT_EQ(text(window, "printcountlabel"), "Cards to Print :  0");
    click(window, "selectallbutton");
    EXPECT_EQ(count(), "Cards to Print :  4");
    click(window, "Command1");
    select(3);
    EXPECT_EQ(count(), "Cards to Print :  1");
    click(window, "infobutton");  // how to line the cards up
    EXPECT_EQ(s.dialogs.takeMessages().at(0).text.rfind("Use Standard business card stock (10 per page)", 0), 0u);

    box("WDOffSetText")->setText("-10");
    box("hoffsettext")->setText("7.5");
    box("pscalingtext")->setText("1.03abc");
    click(window, "donebutton");
    const store::Settings& saved = s.data->settings;
    EXPECT_EQ(std::tuple(saved.cardHorizontalOffset, saved.cardVerticalOffset, saved.cardVerticalScaling),
              std::tuple(-10.0f, 7.5f, 1.03f));
    EXPECT_EQ(readBytes(dir.path() / "quorval" / store::kSettingsFileName), store::FormatSettings(saved));

    s.data->settings.cardVerticalScaling = 0;  // as a settings file may hold it
    window = open<HcpCardsWindow>();
    EXPECT_EQ(box("pscalingtext")->text(), "1.000");
}

// The cards carry the comment, offsets and scaling of the boxes; with nobody chosen none print.
TEST_F(HcpCardsWindowTest, PrintsTheChosenPlayersWhenTheUserIsReady) {
    s.data->players[4].selected = 1;
    s.dialogs.answer(platform::Answer::Cancel);
    click(window, "PrintButton");
    EXPECT_EQ(s.data->players[4].selected, 1);
    s.dialogs.answer(platform::Answer::Ok);
    click(window, "PrintButton");
    EXPECT_EQ(s.dialogs.takeMessages().back(), (platform::Message{"No Players selected, cannot continue.", "Quorval",
                                                                  platform::Buttons::Ok, platform::Icon::Exclamation}));
    select(1);  // Cy, player 3: player 2 has no name and is not listed
    select(3);  // Ed, player 5
    box("Text1")->setText("Club night");
    box("WDOffSetText")->setText("-10");
    box("hoffsettext")->setText("");
    box("pscalingtext")->setText("1.020");
    s.dialogs.answer(platform::Answer::Ok);
    click(window, "PrintButton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    ASSERT_EQ(s.printer.documents().size(), 1u);
    const print::Page& page = s.printer.documents()[0].pages.at(0);
    std::vector<print::PrintedText> texts;
    for (const auto& t : page.texts)
        if (t.text != " ") texts.push_back(t);
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts[0].text + texts[8].text + texts[15].text, "CyEdClub night");
    constexpr double kTwipsPerPixel = print::kTwipsPerInch / print::kPixelsPerInch;
    EXPECT_NEAR(texts[0].x / kTwipsPerPixel, 485, 0.01);
    EXPECT_NEAR(texts[8].y / kTwipsPerPixel, 336.6, 0.01);
    EXPECT_EQ(std::get<print::PictureOp>(page.drawings.at(0)).picture, ToPicture(CardPicture()));
    EXPECT_EQ(box("pscalingtext")->text(), "1.02");
}

TEST(CardPictureTest, ImagesKeepTheirPixelOrderAndChannels) {
    const platform::Picture picture{2, 2, {0xFFFF0000u, 0xFF00FF00u, 0x00000000u, 0xFF0000FFu}};
    QImage image(2, 2, QImage::Format_ARGB32);
    for (int i = 0; i < 4; ++i) image.setPixel(i % 2, i / 2, picture.argb[i]);
    EXPECT_EQ(ToPicture(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)), picture);
}

}  // namespace
}  // namespace quorval::gui
