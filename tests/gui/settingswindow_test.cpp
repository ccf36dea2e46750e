#include "ui/main/settingswindow.hpp"

#include <tuple>

#include "mainwindowfixture.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class SettingsWindowTest : public MainWindowFixture {
protected:
    SettingsWindowTest() {
        writeLeagues({});
        load();
    }

    void open(bool byToolButton = false) {
        byToolButton ? click(main->toolButton(11)) : act("settingsmenu")->trigger();
        window = qobject_cast<SettingsWindow*>(visibleWindow("Setfont"));
        ASSERT_NE(window, nullptr);
        ASSERT_FALSE(main->isEnabled());
    }
    template <typename T>
    T* control(const char* name) const {
        return child<T>(window, name);
    }
    void accept() {
        click(control<QPushButton>("okbutton"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(main->isEnabled());
    }
    void chooseFont(const QString& family) {
        auto* list = control<QListWidget>("List1");
        auto found = list->findItems(family, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
        EXPECT_EQ(control<QLabel>("fontlabel")->text(), family);
        EXPECT_EQ(control<QLabel>("fontlabel")->font().family(), family);
    }
    std::filesystem::path settingsFile() const { return dir.path() / "config" / "quorval" / store::kSettingsFileName; }

    QPointer<SettingsWindow> window;
};

TEST_F(SettingsWindowTest, OpensShowingTheStoredSettings) {
    store::Settings& st = s.data->settings;
    st.printFont = "Times New Roman";
    st.nineHoleOption = 2;
    st.hcpLimitCheck = 1;
    st.dateRemindCheck = 0;
    st.equitableCheck = 5;
    st.averageCheck = 1;
    for (auto [factor, shown] : {std::pair{0.96f, ".96"}, std::pair{0.5f, ".50"}, std::pair{1.1f, "1.10"}}) {
        st.hcpFactor = factor;
        open();
        EXPECT_EQ(control<QLineEdit>("hcptext")->text(), shown);
        window->close();
    }
    open();
    auto* list = control<QListWidget>("List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Arial");
    EXPECT_EQ(list->currentItem()->text(), "Times New Roman");
    EXPECT_EQ(control<QLabel>("fontlabel")->text(), "Times New Roman");
    EXPECT_EQ(control<QLabel>("fontlabel")->font().family(), "Times New Roman");
    std::string ticked;  // the nine-hole options 1 and 2, then the four boxes
    for (const char* name :
         {"Nineholeoption1", "Nineholeoption2", "hcplimitcheck", "dateremindcheck", "Equitablecheck", "Averagecheck"})
        ticked += control<QAbstractButton>(name)->isChecked() ? '1' : '0';
    EXPECT_EQ(ticked, "011011");
}

TEST_F(SettingsWindowTest, AcceptingStoresEveryChoiceInBothFiles) {
    open();
    chooseFont("Arial");
    for (const char* name : {"Nineholeoption3", "hcplimitcheck", "dateremindcheck", "Equitablecheck"})
        control<QAbstractButton>(name)->click();
    control<QLineEdit>("hcptext")->setText("1.1");
    accept();
    const store::Settings& st = s.data->settings;
    EXPECT_EQ(st.printFont, "Arial");
    EXPECT_EQ(std::tuple(st.nineHoleOption, st.hcpLimitCheck, st.dateRemindCheck, st.equitableCheck, st.averageCheck),
              std::tuple(3, 1, 1, 5, 0));
    EXPECT_FLOAT_EQ(st.hcpFactor, 1.1f);
    EXPECT_EQ(readBytes(store::kRegistryFileName), store::FormatRegistry(*s.data));
    EXPECT_EQ(readBytes(settingsFile()), store::FormatSettings(st));
    EXPECT_EQ(readBytes(settingsFile()).substr(0, 5), " 5 \r\n");
}

// The factor is read leniently and kept in range; while averaging over more rounds is on, every
// acceptance tells what that means.
TEST_F(SettingsWindowTest, FactorIsReadLenientlyAndTheAveragingNoticeComesWithEveryAcceptance) {
    const platform::Message notice{
        "You have selected the option to average using\r\n"
        "a higher number of rounds than the normal system.\r\n\r\n"
        "This can be useful for getting started or for groups\r\n"
        "that don't play a high number of rounds\r\n\r\n"
        "Please be aware that the handicap values will vary\r\n"
        "from the most widely accepted system until 9 or more\r\n"
        "rounds have been played.",
        "Quorval", platform::Buttons::Ok, platform::Icon::None};
    s.data->settings.averageCheck = 1;
    for (auto [typed, stored] : {std::pair{"1.2", 0.96f}, {"abc", 0.96f}, {"", 0.96f}, {"  .8x", 0.8f}}) {
        s.data->settings.hcpFactor = 0.7f;
        open();
        control<QLineEdit>("hcptext")->setText(typed);
        accept();
        EXPECT_FLOAT_EQ(s.data->settings.hcpFactor, stored) << typed;
        EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{notice}) << typed;
    }
    open();
    control<QCheckBox>("Averagecheck")->click();
    accept();
    EXPECT_EQ(s.data->settings.averageCheck, 0);
    EXPECT_EQ(readBytes(settingsFile()), store::FormatSettings(s.data->settings));
}

TEST_F(SettingsWindowTest, HelpShowsItsTopicsAndTitleBarCloseChangesNothing) {
    const std::string registry = readBytes(store::kRegistryFileName);
    const std::string before = store::FormatRegistry(*s.data) + store::FormatSettings(s.data->settings);
    open(true);  // the tool button needs no open league
    click(control<QPushButton>("infobutton"));
    QTest::mouseClick(control<QLabel>("Panel3D2"), Qt::LeftButton);
    EXPECT_EQ(s.help.topics, (std::vector<std::string>{"Fonts", "Nine Hole Rounds"}));
    chooseFont("Arial");
    for (const char* name : {"Nineholeoption2", "Averagecheck", "Equitablecheck"})
        control<QAbstractButton>(name)->click();
    control<QLineEdit>("hcptext")->setText(".8");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(store::FormatRegistry(*s.data) + store::FormatSettings(s.data->settings), before);
    EXPECT_EQ(readBytes(store::kRegistryFileName), registry);
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
}

}  // namespace
}  // namespace quorval::gui
