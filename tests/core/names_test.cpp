// A name is stored one to a line: every place that takes one refuses a line break or another
// control character with a message, and the saves refuse one that got in anyway.
#include <gtest/gtest.h>

#include "courses/courseeditor.hpp"
#include "fullleague.hpp"
#include "players/roster.hpp"
#include "scripteddialogs.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/teamfile.hpp"
#include "teams/teamsetup.hpp"
#include "tempdir.hpp"
#include "text/names.hpp"

using namespace quorval;
using namespace quorval::testing;

TEST(Names, ControlCharactersAreRefusedAndShownEscaped) {
    struct Case {
        std::string name, problem, escaped;
    };
    for (const Case& c : std::vector<Case>{{"Al O'Brien \"Ace\"", "", "Al O'Brien \"Ace\""},
                                           {"José Núñez", "", "José Núñez"},
                                           {"Al\nBrennan", "holds a line break", "Al\\nBrennan"},
                                           {"Al\r", "holds a line break", "Al\\r"},
                                           {"Al\xE2\x80\xA8"
                                            "B",
                                            "holds a line break", "Al\\u2028B"},
                                           {std::string("Al\0B", 4), "holds a control character (code 0)", "Al\\x00B"},
                                           {"Al\tB\x1b[2J", "holds a control character (code 9)", "Al\\tB\\x1B[2J"},
                                           {"Al\xC2\x85", "holds a control character (code 133)", "Al\\x85"},
                                           {"Al\x7f", "holds a control character (code 127)", "Al\\x7F"}}) {
        SCOPED_TRACE(c.escaped);
        EXPECT_EQ(text::NameProblem(c.name), c.problem);
        EXPECT_EQ(text::EscapedName(c.name), c.escaped);
    }
}

// Each window's core refuses such a name with a message; a save refuses one set some other way.
TEST(Names, EveryPlaceThatTakesANameRefusesALineBreak) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto data = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*data, 3, 4);
    data->leagueFileName = "Fall.LGE";
    const std::string bad = "Al\nBrennan";
    EXPECT_EQ(players::AddPlayer(*data, dialogs, bad, store::kRedTee), players::AddOutcome::Beeped);
    EXPECT_EQ(players::RenamePlayerAsked(*data, dialogs, 1, bad), players::RenameOutcome::Beeped);
    EXPECT_TRUE(courses::CourseNameProblem(*data, 0, bad).has_value());
    data->teams.currentTeam = 1;
    teams::RenameTeam(*data, bad);
    EXPECT_EQ(teams::CreateTeam(*data, dialogs), teams::CreateOutcome::Beeped);
    data->players[2].name = bad;
    data->courses[1][store::course_field::kName] = bad;
    EXPECT_FALSE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_FALSE(store::SaveTeamFile(*data, dialogs));
    EXPECT_FALSE(store::SaveCourseFile(*data, dialogs));
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 6u);
    for (const auto& message : shown) EXPECT_NE(message.text.find("line break"), std::string::npos) << message.text;
    EXPECT_NE(shown[3].text.find("\"Al\\nBrennan\""), std::string::npos) << shown[3].text;
    EXPECT_FALSE(std::filesystem::exists("Fall.LGE") || std::filesystem::exists("course.dat"));
}
