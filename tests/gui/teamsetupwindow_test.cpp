#include "ui/teams/teamsetupwindow.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "leaguebuilder.hpp"
#include "store/teamfile.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using Rows = std::vector<std::pair<QString, int>>;

class TeamSetupTest : public WindowTest {
protected:
    // Player 2 has no name and is never listed; players 4 and 6 share a name. The team file
    // holds teams "T1".."Tn" of the given members; team t has t point entries.
    void openWith(const std::vector<std::initializer_list<int>>& teams = {}) {
        LeagueBuilder league(*s.data, "Fall");
        league.player("Ann").player("").player("Cy").player("Di").player("Ed").player("Di");
        for (size_t t = 1; t <= teams.size(); ++t) {
            league.team("T" + std::to_string(t), teams[t - 1]);
            for (size_t e = 1; e <= t; ++e) league.points("Week " + std::to_string(e), static_cast<float>(t));
        }
        league.write();
        w = open<TeamSetupWindow>();
    }
    void type(const char* name) { QTest::keyClicks(child<QWidget>(w, "teamnametext"), name); }
    std::string shown() { return text(w, "recordnumberlabel") + " " + text(w, "teamnametext"); }
    Rows rows(const char* list) {
        Rows out;
        auto* l = child<QListWidget>(w, list);
        for (int i = 0; i < l->count(); ++i)
            out.emplace_back(l->item(i)->text(), l->item(i)->data(Qt::UserRole).toInt());
        return out;
    }

    TeamSetupWindow* w = nullptr;
};

TEST_F(TeamSetupTest, LeagueWithoutTeamsStartsEmptyAndTheFirstNameTypedCreatesTeamOne) {
    openWith();
    EXPECT_TRUE(child<QWidget>(w, "startlabel")->isVisible());
    EXPECT_FALSE(child<QWidget>(w, "createbutton")->isEnabled());
    EXPECT_EQ(rows("List1"), (Rows{{"Ann", 1}, {"Cy", 3}, {"Di", 4}, {"Ed", 5}, {"Di", 6}}));
    type("Eagles");
    click(w, "createbutton");
    EXPECT_EQ(shown(), "Team # 2 of 2 ");
    EXPECT_FALSE(child<QWidget>(w, "startlabel")->isVisible());
    click(w, "createbutton");  // team 2 has no name yet
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    type("Hawks");
    click(w, "prevteambutton");
    EXPECT_EQ(shown(), "Team # 1 of 2 Eagles");
    click(w, "Infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});
    click(w, "Exitbutton");
    EXPECT_TRUE(opener.isEnabled());
    // The six players' teams, then the entry counts of the two teams.
    EXPECT_EQ(readBytes("Fall.tea"),
              " 2 \r\nEagles\r\nHawks\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(TeamSetupTest, SelectedPlayersMoveBySlotAndEscapeSavesThem) {
    openWith({{}});
    child<QListWidget>(w, "List1")->item(1)->setSelected(true);  // Cy, player 3
    child<QListWidget>(w, "List1")->item(4)->setSelected(true);  // the second Di, player 6
    click(w, "addbutton");
    EXPECT_EQ(rows("List1"), (Rows{{"Ann", 1}, {"Di", 4}, {"Ed", 5}}));
    EXPECT_EQ(rows("List2"), (Rows{{"Cy", 3}, {"Di", 6}}));
    child<QListWidget>(w, "List2")->item(1)->setSelected(true);
    click(w, "removebutton");
    EXPECT_EQ(rows("List2"), (Rows{{"Cy", 3}}));
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(readBytes("Fall.tea"), store::FormatTeams(*s.data));
}

TEST_F(TeamSetupTest, StepsThroughTheTeamsRenamesAndRemovesTheOneShown) {
    openWith({{1, 6}, {}, {3, 5}});
    click(w, "prevteambutton");
    EXPECT_EQ(shown(), "Team # 1 of 3 T1");
    EXPECT_EQ(rows("List2"), (Rows{{"Ann", 1}, {"Di", 6}}));
    click(w, "deleteteambutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().at(0).text,
              "Roster for this team must be empty\r\nbefore the team can be removed.");
    click(w, "nextteambutton");
    type(" West");
    click(w, "nextteambutton");
    click(w, "nextteambutton");
    EXPECT_EQ(shown(), "Team # 3 of 3 T3");

    // The team list goes to any team; the empty team 2 goes after its entries are named.
    auto* teamList = child<QComboBox>(w, "teamcombo");
    EXPECT_EQ(teamList->itemText(1), "2  T2 West");
    emit teamList->activated(1);
    s.dialogs.answer(platform::Answer::Yes);
    click(w, "deleteteambutton");
    EXPECT_EQ(s.dialogs.takeMessages().at(0).text.find("T2 West has 2 point entries."), 0u);
    EXPECT_EQ(shown(), "Team # 2 of 2 T3");
    EXPECT_EQ(rows("List2"), (Rows{{"Cy", 3}, {"Ed", 5}}));
    EXPECT_EQ(teamList->count(), 2);
}

TEST_F(TeamSetupTest, HundredFirstTeamIsRefused) {
    openWith(std::vector<std::initializer_list<int>>(store::kMaxTeams, std::initializer_list<int>{}));
    click(w, "createbutton");
    EXPECT_NE(s.dialogs.takeMessages().at(0).text.find("100 teams"), std::string::npos);  // says the limit
    EXPECT_EQ(shown(), "Team # 1 of 100 T1");
}

}  // namespace
}  // namespace quorval::gui
