#include "ui/teams/teamsetupwindow.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Message;

using Rows = std::vector<std::pair<QString, int>>;
using Teams = std::vector<int16_t>;

// Player 2 has no name and is never listed; players 4 and 6 share a name.
void sixPlayers(store::LeagueData& data) {
    LeagueBuilder(data, "Fall").player("Ann").player("").player("Cy").player("Di").player("Ed").player("Di");
}

Teams playerTeams(const store::LeagueData& data) {
    Teams teams;
    for (int p = 1; p <= 6; ++p) teams.push_back(data.players[p].team);
    return teams;
}

class TeamSetupTest : public ::testing::Test {
protected:
    TeamSetupTest() { sixPlayers(*s.data); }
    ~TeamSetupTest() override { closeWindowsExcept(&opener); }

    // Teams "T1".."Tn" of the players' teams; team t has t point entries.
    void writeTeamFile(int teamCount, const Teams& teams) {
        store::LeagueData& data = *file;
        sixPlayers(data);
        for (int t = 1; t <= teamCount; ++t) {
            data.teams.teamNames[t] = "T" + std::to_string(t);
            data.teams.teamEntryCount[t] = static_cast<int16_t>(t);
            for (int e = 1; e <= t; ++e) data.teams.teamEntries[t][e] = {"Week " + std::to_string(e), 0, 1.0f * t};
        }
        data.teams.teamCount = static_cast<int16_t>(teamCount);
        for (int p = 1; p <= 6; ++p) data.players[p].team = teams[p - 1];
        writeBytes("Fall.tea", store::FormatTeams(data));
    }
    const store::LeagueData& readTeamFile() {
        sixPlayers(*file);
        EXPECT_TRUE(store::LoadTeamFile(*file).ok);
        return *file;
    }

    TeamSetupWindow* open() {
        auto* w = new TeamSetupWindow(s.services, &opener);
        openChild(&opener, w);
        return w;
    }
    void click(QWidget* w, const char* name) { child<QPushButton>(w, name)->click(); }
    QString record(QWidget* w) { return child<QLabel>(w, "recordnumberlabel")->text(); }
    QString name(QWidget* w) { return child<QLineEdit>(w, "teamnametext")->text(); }
    // The list's names and the player slots its items stand for.
    Rows rows(QWidget* w, const char* list) {
        Rows out;
        auto* l = child<QListWidget>(w, list);
        for (int i = 0; i < l->count(); ++i)
            out.emplace_back(l->item(i)->text(), l->item(i)->data(Qt::UserRole).toInt());
        return out;
    }

    TempWorkDir dir;
    TestServices s;
    std::unique_ptr<store::LeagueData> file = std::make_unique<store::LeagueData>();
    QWidget opener;
};

TEST_F(TeamSetupTest, LeagueWithoutTeamsStartsEmptyAndTheFirstNameTypedCreatesTeamOne) {
    auto* w = open();
    auto* start = child<QLabel>(w, "startlabel");
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(child<QPushButton>(w, "createbutton")->isEnabled());
    EXPECT_EQ(rows(w, "List1"), (Rows{{"Ann", 1}, {"Cy", 3}, {"Di", 4}, {"Ed", 5}, {"Di", 6}}));
    EXPECT_TRUE(rows(w, "List2").empty());
    EXPECT_FALSE(opener.isEnabled());

    QTest::keyClicks(child<QLineEdit>(w, "teamnametext"), "Eagles");
    EXPECT_EQ(s.data->teams.teamCount, 1);
    EXPECT_EQ(s.data->teams.teamNames[1], "Eagles");
    click(w, "createbutton");
    EXPECT_EQ(record(w), "Team # 2 of 2");
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(name(w), "");
    click(w, "createbutton");  // team 2 has no name yet
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(s.data->teams.teamCount, 2);
    QTest::keyClicks(child<QLineEdit>(w, "teamnametext"), "Hawks");
    click(w, "prevteambutton");
    EXPECT_EQ(record(w), "Team # 1 of 2");
    EXPECT_EQ(name(w), "Eagles");

    click(w, "Infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});
    click(w, "Exitbutton");
    EXPECT_TRUE(opener.isEnabled());
    std::string zeros;
    for (int line = 0; line < 6 + 2; ++line) zeros += " 0 \r\n";  // six players, then two empty records
    EXPECT_EQ(readBytes("Fall.tea"), " 2 \r\nEagles\r\nHawks\r\n" + zeros);
}

// The window has no cancel: closing it by Escape saves as well.
TEST_F(TeamSetupTest, SelectedPlayersMoveBetweenTheListsBySlot) {
    writeTeamFile(1, {0, 0, 0, 0, 0, 0});
    auto* w = open();
    auto* unassigned = child<QListWidget>(w, "List1");
    unassigned->item(1)->setSelected(true);  // Cy, player 3
    unassigned->item(4)->setSelected(true);  // the second Di, player 6
    click(w, "addbutton");
    EXPECT_EQ(playerTeams(*s.data), (Teams{0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(rows(w, "List1"), (Rows{{"Ann", 1}, {"Di", 4}, {"Ed", 5}}));
    EXPECT_EQ(rows(w, "List2"), (Rows{{"Cy", 3}, {"Di", 6}}));
    child<QListWidget>(w, "List2")->item(1)->setSelected(true);
    click(w, "removebutton");
    EXPECT_EQ(rows(w, "List2"), (Rows{{"Cy", 3}}));
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(visibleWindow("createteamsform"), nullptr);
    EXPECT_EQ(playerTeams(readTeamFile()), (Teams{0, 0, 1, 0, 0, 0}));
}

TEST_F(TeamSetupTest, StepsThroughTheTeamsRenamesAndRemovesTheOneShown) {
    writeTeamFile(3, {1, 0, 3, 0, 3, 1});
    auto* w = open();
    EXPECT_FALSE(child<QLabel>(w, "startlabel")->isVisible());
    EXPECT_TRUE(child<QPushButton>(w, "createbutton")->isEnabled());
    click(w, "prevteambutton");
    EXPECT_EQ(record(w), "Team # 1 of 3");
    EXPECT_EQ(rows(w, "List2"), (Rows{{"Ann", 1}, {"Di", 6}}));
    click(w, "deleteteambutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages(),
              (std::vector<Message>{{"Roster for this team must be empty\r\nbefore the team can be removed.", "Quorval",
                                     platform::Buttons::Ok, platform::Icon::Exclamation}}));
    click(w, "nextteambutton");
    EXPECT_EQ(record(w), "Team # 2 of 3");
    EXPECT_EQ(rows(w, "List1"), (Rows{{"Di", 4}}));
    QTest::keyClicks(child<QLineEdit>(w, "teamnametext"), " West");
    EXPECT_EQ(s.data->teams.teamNames[2], "T2 West");
    click(w, "nextteambutton");
    click(w, "nextteambutton");
    EXPECT_EQ(record(w), "Team # 3 of 3");
    EXPECT_EQ(name(w), "T3");

    // The list beside Next and Previous goes to any team at once. The empty team 2 goes, after
    // its point entries are named, and the later team moves down.
    auto* teamList = child<QComboBox>(w, "teamcombo");
    EXPECT_EQ(teamList->itemText(1), "2  T2 West");
    emit teamList->activated(0);
    EXPECT_EQ(record(w), "Team # 1 of 3");
    emit teamList->activated(1);
    s.dialogs.answer(platform::Answer::Yes);
    click(w, "deleteteambutton");
    auto asked = s.dialogs.takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text.find("T2 West has 2 point entries."), 0u) << asked[0].text;
    EXPECT_EQ(record(w), "Team # 2 of 2");
    EXPECT_EQ(teamList->count(), 2);
    EXPECT_EQ(name(w), "T3");
    EXPECT_EQ(rows(w, "List2"), (Rows{{"Cy", 3}, {"Ed", 5}}));
    w->close();
    const store::LeagueData& saved = readTeamFile();
    EXPECT_EQ(saved.teams.teamCount, 2);
    EXPECT_EQ(saved.teams.teamNames[2], "T3");
    EXPECT_EQ(playerTeams(saved), (Teams{1, 0, 2, 0, 2, 1}));
    EXPECT_EQ(saved.teams.teamEntryCount[1], 1);
    ASSERT_EQ(saved.teams.teamEntryCount[2], 3);
    EXPECT_EQ(saved.teams.teamEntries[2][3], (store::TeamEntry{"Week 3", 0, 3.0f}));
}

TEST_F(TeamSetupTest, HundredFirstTeamIsRefused) {
    writeTeamFile(store::kMaxTeams, {0, 0, 1, 0, 0, 0});
    auto* w = open();
    click(w, "createbutton");
    EXPECT_EQ(s.dialogs.takeMessages(), (std::vector<Message>{{"A league can have no more than 100 teams.", "Quorval",
                                                               platform::Buttons::Ok, platform::Icon::Exclamation}}));
    EXPECT_EQ(record(w), "Team # 1 of 100");
    EXPECT_EQ(rows(w, "List2"), (Rows{{"Cy", 3}}));
    w->close();
    EXPECT_EQ(readTeamFile().teams.teamCount, store::kMaxTeams);
}

}  // namespace
}  // namespace quorval::gui
