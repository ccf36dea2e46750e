#include "ui/main/settingswindow.hpp"

#include <gmock/gmock.h>

#include <QComboBox>
#include <tuple>

#include "mainwindowfixture.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using ::testing::StartsWith;

class SettingsWindowTest : public MainWindowFixture {
protected:
    SettingsWindowTest() {
        writeLeagues({});
        load();
    }

    // By the tool button, which needs no open league.
    void open() {
        click(main->toolButton(11));
        window = qobject_cast<SettingsWindow*>(visibleWindow("Setfont"));
        ASSERT_NE(window, nullptr);
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
    std::filesystem::path settingsFile() const { return dir.path() / "config" / "quorval" / store::kSettingsFileName; }

    QPointer<SettingsWindow> window;
};

// The info button and the nine-hole panel show their help.
TEST_F(SettingsWindowTest, OpensShowingTheStoredSettingsAndItsHelp) {
    store::Settings& st = s.data->settings;
    st.printFont = "Times New Roman";
    std::tie(st.nineHoleOption, st.hcpLimitCheck, st.dateRemindCheck, st.equitableCheck, st.averageCheck) =
        std::tuple(2, 1, 0, 5, 1);
    st.hcpFactor = 0.96f;
    open();
    EXPECT_EQ(control<QLineEdit>("hcptext")->text(), ".96");
    EXPECT_EQ(control<QListWidget>("List1")->currentItem()->text(), "Times New Roman");
    std::string ticked;
    for (const char* name :
         {"Nineholeoption1", "Nineholeoption2", "hcplimitcheck", "dateremindcheck", "Equitablecheck", "Averagecheck"})
        ticked += control<QAbstractButton>(name)->isChecked() ? '1' : '0';
    EXPECT_EQ(ticked, "011011");
    click(control<QPushButton>("infobutton"));
    QTest::mouseClick(control<QLabel>("Panel3D2"), Qt::LeftButton);
    EXPECT_EQ(s.help.topics, (std::vector<std::string>{"Fonts", "Nine Hole Rounds"}));
}

TEST_F(SettingsWindowTest, AcceptingStoresEveryChoiceInBothFiles) {
    open();
    auto* fonts = control<QListWidget>("List1");
    QTest::mouseClick(fonts->viewport(), Qt::LeftButton, {}, fonts->visualItemRect(fonts->item(0)).center());
    EXPECT_EQ(control<QLabel>("fontlabel")->font().family(), "Arial");
    for (const char* name : {"Nineholeoption3", "hcplimitcheck", "dateremindcheck", "Equitablecheck"})
        control<QAbstractButton>(name)->click();
    control<QLineEdit>("hcptext")->setText("1.1");
    auto* order = control<QComboBox>("dateordercombo");
    EXPECT_EQ(order->currentText(), "month/day/year  (10/27/26)");
    order->setCurrentIndex(1);
    accept();
    const store::Settings& st = s.data->settings;
    EXPECT_EQ(st.dateOrder, store::DateOrder::kDayMonthYear);
    EXPECT_NE(readBytes(settingsFile()).find("\r\ndateorder=dmy\r\n"), std::string::npos);
    EXPECT_EQ(st.printFont, "Arial");
    EXPECT_EQ(std::tuple(st.nineHoleOption, st.hcpLimitCheck, st.dateRemindCheck, st.equitableCheck, st.averageCheck),
              std::tuple(3, 1, 1, 5, 0));
    EXPECT_FLOAT_EQ(st.hcpFactor, 1.1f);
    EXPECT_EQ(readBytes(store::kRegistryFileName), store::FormatRegistry(*s.data));
    EXPECT_EQ(readBytes(settingsFile()), store::FormatSettings(st));
}

// The factor is read leniently and kept in range; while averaging over more rounds is on, every
// acceptance tells what that means.
TEST_F(SettingsWindowTest, FactorIsReadLenientlyAndTheAveragingNoticeComesWithEveryAcceptance) {
    s.data->settings.averageCheck = 1;
    for (auto [typed, stored] : {std::pair{"1.2", 0.96f}, {"abc", 0.96f}, {"  .8x", 0.8f}}) {
        s.data->settings.hcpFactor = 0.7f;
        open();
        control<QLineEdit>("hcptext")->setText(typed);
        accept();
        EXPECT_FLOAT_EQ(s.data->settings.hcpFactor, stored) << typed;
        EXPECT_THAT(s.dialogs.takeMessages().at(0).text, StartsWith("You have selected the option to average using"));
    }
    open();
    control<QCheckBox>("Averagecheck")->click();
    accept();
    EXPECT_EQ(s.data->settings.averageCheck, 0);
}

// Cancel leaves every setting as it was; Recompute asks one question; the listing is built again
// whenever the window closes, so figures worked out again show at once.
TEST_F(SettingsWindowTest, CancelKeepsTheSettingsAndRecomputeAsksOnceThenTheListingFollows) {
    writeLeagues({"Spring"});
    load(0);
    QTimer* relist = main->timer("ViewTimer");
    const int remind = s.data->settings.dateRemindCheck;
    open();
    control<QAbstractButton>("dateremindcheck")->click();
    relist->stop();
    click(control<QPushButton>("cancelbutton"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull() && s.data->settings.dateRemindCheck == remind && relist->isActive());
    main->runViewTimer();

    store::PlayerRecord& p = s.data->players[1];
    for (int r = 1; r <= p.roundCount; ++r) p.rounds[r].handicapIndex = 99.9f;
    open();
    s.dialogs.answer(platform::Answer::Yes);
    click(control<QPushButton>("recomputebutton"));
    auto asked = s.dialogs.takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_THAT(asked[0].text, StartsWith("Work out the differential, index and course handicap of every"));
    for (int r = 1; r <= p.roundCount; ++r) EXPECT_NE(p.rounds[r].handicapIndex, 99.9f) << r;
    click(control<QPushButton>("cancelbutton"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(relist->isActive());
}

}  // namespace
}  // namespace quorval::gui
