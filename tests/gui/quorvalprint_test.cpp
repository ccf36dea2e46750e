// quorval-print from the outside: every report of a league as a PDF, read back as text.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>

#include "fullleague.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace quorval {
namespace {

using namespace testing;

const std::string kLongName = "Bartholomew Fitzgerald-Huntington Smithers1";

// The exit code; `out` gets what went to stdout.
int run(const std::string& command, std::string* out = nullptr) {
    int status = std::system((command + " >run.out 2>run.err").c_str());
    if (out != nullptr) *out = readBytes("run.out");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int print(const std::string& args) {
    return run("XDG_CONFIG_HOME=\"$PWD/config\" " QUORVAL_PRINT " " + args);
}

// A random league whose second player has a name too long for any column, and whose third has
// played on 06/02/26 with hole scores and putts, so every report has something to show.
struct QuorvalPrintTest : ::testing::Test {
    void SetUp() override {
        samples::FillRandomLeague(*data, 11, 6);
        data->registry.leagueCount = 1;
        data->registry.leagueFiles[1] = "Fall";
        data->players[2].name = kLongName;
        store::PlayerRecord& three = data->players[3];
        three.roundCount = std::max<int16_t>(three.roundCount, 1);
        store::RoundRecord& round = three.rounds[1];
        round.course = 1, round.month = 6, round.day = 2, round.year = 26, round.putts[store::kOutSlot] = 16;
        for (int h = 1; h <= 18; ++h) round.score[h] = 5;
        writeBytes("Qvleague.DAT", store::FormatRegistry(*data));
        writeBytes("course.dat", store::FormatCourses(*data));
        writeBytes("Fall.LGE", store::FormatLeague(*data));
        writeBytes("Fall.tea", store::FormatTeams(*data));
    }

    TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(QuorvalPrintTest, EveryReportBecomesAPdfAndTheExitCodeTellsUsageFromNothingToPrint) {
    const std::string dated = " --date 12/06/26 --paper a4", three = " --player 3" + dated;
    const std::pair<std::string, std::string> cases[] = {
        // the PDF must hold the text
        {"listing-long" + dated, "Quorval   12-06-2026"},
        {"listing-short" + dated, kLongName.substr(0, 21) + " "},
        {"compare" + dated, "Hcp Index"},
        {"cards --players 1,2" + dated, data->players[1].name},
        {"course-chart --course 1 --tee 2" + dated, "Use your Hcp index to find the course handicap."},
        {"stats" + three, "12-06-2026"},
        {"review" + three, data->players[3].name},
        {"graph" + three, "Hcp Differential"},
        {"scoring" + three, "# of scores recorded"},
        {"results --date 06/02/26", "Results of 06/02/26"},
        {"scorecards --course 1 --tee 2 --date 12/06/26 --players 1,3", "Course handicap"},
    };
    for (const auto& [args, holds] : cases) {
        SCOPED_TRACE(args);
        ASSERT_EQ(print("Fall " + args + " --pdf out.pdf"), 0) << readBytes("run.err");
        std::string text;
        ASSERT_EQ(run("pdftotext -layout out.pdf -", &text), 0);
        EXPECT_NE(text.find(holds), std::string::npos) << text;
        EXPECT_EQ(text.find(kLongName), std::string::npos);  // cut to its column on paper
    }
    EXPECT_EQ(print("Fall graph --pdf out.pdf"), 2);  // no player
    EXPECT_EQ(print("Fall graph --player 99 --pdf out.pdf"), 1);
    EXPECT_NE(readBytes("run.err").find("no player 99"), std::string::npos);
}

}  // namespace
}  // namespace quorval
