// quorval-print from the outside, and the print preview's "Save as PDF...": PDFs read back as text.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <algorithm>
#include <sstream>

#include "configfolder.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "leaguebuilder.hpp"
#include "listing/listing.hpp"
#include "platform/qtprinter.hpp"
#include "reports/listingreport.hpp"
#include "store/strokeindexfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"
#include "text/fit.hpp"

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
        data->players[2].name = kLongName;
        store::PlayerRecord& three = data->players[3];
        three.roundCount = std::max<int16_t>(three.roundCount, 1);
        store::RoundRecord& round = three.rounds[1];
        round.course = 1, round.month = 6, round.day = 2, round.year = 26, round.putts[store::kOutSlot] = 16;
        for (int h = 1; h <= 18; ++h) round.score[h] = 5;
        WriteLeagueFolder(*data, "Fall");
    }

    TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

// A PDF that cannot be written whole is an error with its reason, never a broken file and exit 0.
TEST_F(QuorvalPrintTest, APdfThatCannotBeWrittenExitsOneWithTheReason) {
    std::filesystem::create_directory("folder");
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/full", "cannot write /dev/full: full is not a plain file"},
        {"folder", "folder is not a plain file"},
        {"missing/out.pdf", "No such file or directory"},
    };
    for (const auto& [pdf, reason] : cases) {
        SCOPED_TRACE(pdf);
        EXPECT_EQ(print("Fall listing-long --pdf " + pdf), 1);
        EXPECT_NE(readBytes("run.err").find(reason), std::string::npos) << readBytes("run.err");
    }
}

// Every report becomes a PDF that holds its text and tells the print job its league and its own
// name, which title the PDF and make the name Save as PDF proposes; the table covers every report
// quorval-print lists. The exit code tells a usage error from nothing to print.
TEST_F(QuorvalPrintTest, EveryReportBecomesAPdfNamedForItsLeagueAndItself) {
    const std::string dated = " --date 12/06/26 --paper a4", three = " --player 3" + dated;
    const struct {
        std::string report, args, title, holds;  // holds: text the PDF must have, the long name shortened
    } cases[] = {
        {"listing-long", dated, "Handicap listing", "Quorval   12-06-2026"},
        {"listing-short", dated, "Handicap listing", text::ShortenName(kLongName, 21) + " "},
        {"compare", dated, "League handicaps", "Hcp Index"},
        {"cards", " --players 1,2" + dated, "Handicap cards", data->players[1].name},
        {"course-chart", " --course 1 --tee White" + dated, "Course handicap chart", "White (Mens) tee"},
        {"stats", three, "Statistics summary", "12-06-2026"},
        {"review", three, "Statistics review", data->players[3].name},
        {"graph", three, "Handicap trend", "Hcp Differential"},
        {"scoring", three, "Scoring averages", "# of scores recorded"},
        {"team-summary", "", "Team summary", ""},
        {"results", " --date 06/02/26", "Results of the day", "Results of 06/02/26"},
        {"scorecards", " --course 1 --tee blue --date 12/06/26 --players 1,3", "Scorecards", "Blue tee"},
        {"schedule", "", "Season schedule", ""},
        {"skins", " --date 06/02/26 --gross", "Skins of 06/02/26", ""},
        {"stableford", " --date 06/02/26", "Stableford of 06/02/26", ""},
        {"matches", " --date 10/06/26", "Matches of 10/06/26", ""},
        {"matchcards", " --date 10/06/26 --course 1", "Match cards", ""},
        {"standings", "", "Standings", ""},
    };
    std::string help;
    ASSERT_EQ(run(QUORVAL_PRINT " --help", &help), 0);
    std::istringstream listed(help.substr(help.find("reports:\n") + 9));
    for (std::string name, rest; listed >> name && std::getline(listed, rest);)
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), [&](const auto& c) { return c.report == name; }))
            << name;
    data->teams.teamCount = 1, data->teams.teamNames[1] = "Eagles", data->players[1].team = 1;
    writeBytes("Fall.tea", store::FormatTeams(*data));
    const std::string one = data->players[1].name, two = data->players[2].name;
    writeBytes("Fall.sch", "Sides\tPlayers\r\nSide\t1\t" + one + "\r\nSide\t2\t" + two + "\r\nMatch\t1\t2026-10-06\t" +
                               one + "\t" + two + "\r\n");
    for (int h = 1; h <= store::kHoles; ++h) data->strokeIndexes[1][h] = static_cast<int16_t>(h);
    writeBytes(store::kStrokeIndexFileName, store::FormatStrokeIndexes(*data));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        ASSERT_EQ(print("Fall " + c.report + c.args + " --pdf out.pdf"), 0) << readBytes("run.err");
        std::string info;
        ASSERT_EQ(run("pdfinfo out.pdf", &info), 0);
        std::istringstream title(info.substr(info.find("Title:") + 6));
        std::getline(title >> std::ws, info);
        EXPECT_EQ(info, "Fall - " + c.title);
        if (c.holds.empty()) continue;
        std::string text;
        ASSERT_EQ(run("pdftotext -layout out.pdf -", &text), 0);
        EXPECT_NE(text.find(c.holds), std::string::npos) << text;
        EXPECT_EQ(text.find(kLongName), std::string::npos);  // shortened to its column on paper
    }
    EXPECT_EQ(print("Fall graph --pdf out.pdf"), 2);  // no player
    EXPECT_EQ(print("Fall graph --player 99 --pdf out.pdf"), 1);
    EXPECT_NE(readBytes("run.err").find("no player 99"), std::string::npos);
}

TEST_F(QuorvalPrintTest, PreviewSavesThePdfUnderTheProposedNameAndRemembersTheFolder) {
    TestServices s;
    *s.data = *data;
    ScopedConfigHome config(dir.path() / "config");
    gui::QtPrinter printer;
    printer.attach(s.services);
    const std::string proposed = (dir.path() / "Fall - Handicap listing - 2026-12-06.pdf").string();
    s.dialogs.answerSaveFile(proposed.substr(0, proposed.size() - 4));  // ".pdf" is added
    QTimer::singleShot(0, [] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        preview->findChild<QAction*>("savepdfbutton")->trigger();
        preview->reject();
    });
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(*s.data);
    listing.ListMostRecent(*s.data);
    reports::printshortreport(printer, *s.data, listing.rows(), "12-06-2026");
    EXPECT_EQ(s.dialogs.proposedFiles, std::vector<std::string>{proposed});
    std::string text;
    ASSERT_EQ(run("pdftotext -layout '" + proposed + "' -", &text), 0);
    EXPECT_NE(text.find(text::ShortenName(kLongName, 21) + " "), std::string::npos) << text;
    EXPECT_EQ(s.data->settings.pdfFolder, dir.path().string());
}

}  // namespace
}  // namespace quorval
