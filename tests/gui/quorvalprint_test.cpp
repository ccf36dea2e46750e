// PDFs without the print dialog: quorval-print from the outside, every report of a league read
// back as text, and the print preview's "Save as PDF...".
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTimer>

#include "analysis/statistics.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "listing/listing.hpp"
#include "platform/qtprinter.hpp"
#include "reports/listingreport.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace quorval {
namespace {

using testing::readBytes;
using testing::writeBytes;

const std::string kLongName = "Bartholomew Fitzgerald-Huntington Smithers1";

// The exit code; `out` gets what the command wrote to stdout.
int run(const std::string& command, std::string* out = nullptr) {
    int status = std::system((command + " >run.out 2>run.err").c_str());
    if (out != nullptr) *out = readBytes("run.out");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class QuorvalPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        samples::FillRandomLeague(*data, 11, 6);
        data->leagueFileName = "Fall.LGE";
        data->registry.leagueCount = 1;
        data->registry.leagueFiles[1] = "Fall";
        data->players[2].name = kLongName;
        // Player 3's first round has hole scores and putts, so every player report has something to show.
        store::PlayerRecord& three = data->players[3];
        three.roundCount = std::max<int16_t>(three.roundCount, 1);
        three.rounds[1].course = 1;
        for (int h = 1; h <= 18; ++h) three.rounds[1].score[h] = 5;
        three.rounds[1].putts[store::kOutSlot] = 16;
        writeBytes("Qvleague.DAT", store::FormatRegistry(*data));
        writeBytes("course.dat", store::FormatCourses(*data));
        writeBytes("Fall.LGE", store::FormatLeague(*data));
        writeBytes("Fall.tea", store::FormatTeams(*data));
    }

    int print(const std::string& args) {
        return run("XDG_CONFIG_HOME=\"$PWD/config\" " + std::string(QUORVAL_PRINT) + " " + args);
    }

    testing::TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    const int statsPlayer = 3;
};

TEST_F(QuorvalPrintTest, EveryReportBecomesAPdf) {
    const std::string player = " --player " + std::to_string(statsPlayer);
    struct Case {
        std::string args;
        std::string expected;  // a text the PDF must hold
        bool chart;            // drawn as vectors: no picture in the PDF
    };
    const std::string name = data->players[1].name;
    const Case cases[] = {
        {"listing-long", "Quorval   12-06-2026", false},
        {"listing-short", kLongName.substr(0, 21) + " ", false},
        {"compare", "Hcp Index", false},
        {"cards --players 1,2", name, false},
        {"course-chart --course 1 --tee 2", "Use your Hcp index to find the course handicap.", true},
        {"stats" + player, "12-06-2026", true},
        {"review" + player, data->players[statsPlayer].name, true},
        {"graph" + player, "Hcp Differential", true},
        {"scoring" + player, "# of scores recorded", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        ASSERT_EQ(print("Fall " + c.args + " --pdf out.pdf --date 12/06/26 --paper a4"), 0) << readBytes("run.err");
        std::string text;
        ASSERT_EQ(run("pdftotext -layout out.pdf -", &text), 0);
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
        EXPECT_EQ(text.find(kLongName), std::string::npos);  // cut to its column on paper
        std::string images;
        ASSERT_EQ(run("pdfimages -list out.pdf", &images), 0);
        if (c.chart) {
            EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;  // the list's heading only
        }
        std::remove("out.pdf");
    }
}

// The weekly round's two printouts: the results of a day that has rounds, and the scorecards.
TEST_F(QuorvalPrintTest, ResultsOfADayAndScorecardsBecomePdfs) {
    store::RoundRecord& round = data->players[statsPlayer].rounds[1];
    round.month = 6, round.day = 2, round.year = 26;
    writeBytes("Fall.LGE", store::FormatLeague(*data));
    const std::string date = "06/02/26";
    std::string text;
    ASSERT_EQ(print("Fall results --date " + date + " --pdf out.pdf"), 0) << readBytes("run.err");
    ASSERT_EQ(run("pdftotext -layout out.pdf -", &text), 0);
    EXPECT_NE(text.find("Results of " + date), std::string::npos) << text;
    EXPECT_NE(text.find("Low gross:"), std::string::npos) << text;
    ASSERT_EQ(print("Fall scorecards --course 1 --tee 2 --date 12/06/26 --players 1,3 --pdf out.pdf"), 0)
        << readBytes("run.err");
    ASSERT_EQ(run("pdftotext -layout out.pdf -", &text), 0);
    EXPECT_NE(text.find(data->players[3].name), std::string::npos) << text;
    EXPECT_NE(text.find("Course handicap"), std::string::npos) << text;
    EXPECT_EQ(print("Fall results --pdf out.pdf"), 2);                                // no date
    EXPECT_EQ(print("Fall results --date 01/01/01 --pdf out.pdf"), 1);                // nobody played
    EXPECT_EQ(print("Fall scorecards --course 1 --date 12/06/26 --pdf out.pdf"), 2);  // no tee
}

TEST_F(QuorvalPrintTest, ExitCodesTellUsageFromNothingToPrint) {
    EXPECT_EQ(print("Fall graph --pdf out.pdf"), 2);  // no player
    EXPECT_EQ(print("Fall nosuchreport --pdf out.pdf"), 2);
    EXPECT_EQ(print("Fall listing-long"), 2);  // no --pdf
    EXPECT_EQ(print("Fall compare --pdf out.pdf --paper legal"), 2);
    EXPECT_EQ(print("Winter compare --pdf out.pdf"), 1);
    EXPECT_EQ(print("Fall graph --player 99 --pdf out.pdf"), 1);
    EXPECT_NE(readBytes("run.err").find("no player 99"), std::string::npos);
    EXPECT_EQ(print("-C /nonexistent Fall compare --pdf out.pdf"), 2);
    EXPECT_EQ(print("Fall compare --pdf /nonexistent/out.pdf"), 1);
}

TEST_F(QuorvalPrintTest, PreviewSavesThePdfUnderTheProposedName) {
    testing::TestServices s;
    store::LeagueData& league = *s.data;
    league = *data;
    // The remembered folder goes to this test's own settings file.
    const std::string config = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
    gui::QtPrinter printer;
    printer.attach(s.services);
    const std::string proposed = (dir.path() / "Fall - Handicap listing - 2026-12-06.pdf").string();
    s.dialogs.answerSaveFile(proposed.substr(0, proposed.size() - 4));  // ".pdf" is added
    QTimer::singleShot(0, [] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        auto* save = preview->findChild<QAction*>("savepdfbutton");
        ASSERT_NE(save, nullptr);
        save->trigger();
        preview->reject();
    });
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(league);
    listing.ListMostRecent(league);
    reports::printshortreport(printer, league, listing.rows(), "12-06-2026");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    EXPECT_EQ(s.dialogs.proposedFiles, std::vector<std::string>{proposed});
    std::string text;
    ASSERT_EQ(run("pdftotext -layout '" + proposed + "' -", &text), 0);
    EXPECT_NE(text.find("Quorval   12-06-2026"), std::string::npos) << text;
    EXPECT_EQ(league.settings.pdfFolder, dir.path().string());
}

}  // namespace
}  // namespace quorval
