// PDFs without the print dialog: quorval-print from the outside, every report of a league read
// back as text, and the print preview's "Save as PDF...".
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QtPrintSupport>
#include <cstdio>

#include "configfolder.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "platform/qtprinter.hpp"
#include "reports/listingreport.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

namespace quorval {
namespace {

using namespace testing;

const std::string kLongName = "Bartholomew Fitzgerald-Huntington Smithers1";

// The exit code; `out` gets what the command wrote to stdout.
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
class QuorvalPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        samples::FillRandomLeague(*data, 11, 6);
        data->leagueFileName = "Fall.LGE";
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
    struct Case {
        std::string args, text;  // the PDF must hold the text
        bool chart;              // drawn as vectors: no picture in the PDF
    };
    const std::string dated = " --date 12/06/26 --paper a4", three = " --player 3" + dated;
    const Case cases[] = {
        {"listing-long" + dated, "Quorval   12-06-2026", false},
        {"listing-short" + dated, kLongName.substr(0, 21) + " ", false},
        {"compare" + dated, "Hcp Index", false},
        {"cards --players 1,2" + dated, data->players[1].name, false},
        {"course-chart --course 1 --tee 2" + dated, "Use your Hcp index to find the course handicap.", true},
        {"stats" + three, "12-06-2026", true},
        {"review" + three, data->players[3].name, true},
        {"graph" + three, "Hcp Differential", true},
        {"scoring" + three, "# of scores recorded", true},
        {"results --date 06/02/26", "Results of 06/02/26", false},
        {"scorecards --course 1 --tee 2 --date 12/06/26 --players 1,3", "Course handicap", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        std::remove("out.pdf");
        ASSERT_EQ(print("Fall " + c.args + " --pdf out.pdf"), 0) << readBytes("run.err");
        std::string text, images;
        ASSERT_EQ(run("pdftotext -layout out.pdf -", &text), 0);
        EXPECT_NE(text.find(c.text), std::string::npos) << text;
        EXPECT_EQ(text.find(kLongName), std::string::npos);  // cut to its column on paper
        ASSERT_EQ(run("pdfimages -list out.pdf", &images), 0);
        EXPECT_EQ(c.chart ? std::count(images.begin(), images.end(), '\n') : 2, 2) << images;  // the heading only
    }
    // Usage (no player, report, --pdf or tee), then what is not there (league, round, player 99).
    for (const char* args : {"Fall graph --pdf out.pdf", "Fall nosuchreport --pdf out.pdf", "Fall listing-long",
                             "Fall scorecards --course 1 --date 12/06/26 --pdf out.pdf"})
        EXPECT_EQ(print(args), 2) << args;
    for (const char* args : {"Winter compare --pdf out.pdf", "Fall results --date 01/01/01 --pdf out.pdf",
                             "Fall graph --player 99 --pdf out.pdf"})
        EXPECT_EQ(print(args), 1) << args;
    EXPECT_NE(readBytes("run.err").find("no player 99"), std::string::npos);
}

TEST_F(QuorvalPrintTest, PreviewSavesThePdfUnderTheProposedName) {
    TestServices s;
    *s.data = *data;
    ScopedConfigHome config(dir.path() / "config");  // the remembered folder goes to this test's own settings
    gui::QtPrinter printer;
    printer.attach(s.services);
    const std::string proposed = (dir.path() / "Fall - Handicap listing - 2026-12-06.pdf").string();
    s.dialogs.answerSaveFile(proposed.substr(0, proposed.size() - 4));  // ".pdf" is added
    QTimer::singleShot(0, [] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        child<QAction>(preview, "savepdfbutton")->trigger();
        preview->reject();
    });
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(*s.data);
    listing.ListMostRecent(*s.data);
    reports::printshortreport(printer, *s.data, listing.rows(), "12-06-2026");
    EXPECT_EQ(s.dialogs.proposedFiles, std::vector<std::string>{proposed});
    std::string text;
    ASSERT_EQ(run("pdftotext -layout '" + proposed + "' -", &text), 0);
    EXPECT_NE(text.find("Quorval   12-06-2026"), std::string::npos) << text;
    EXPECT_EQ(s.data->settings.pdfFolder, dir.path().string());
}

}  // namespace
}  // namespace quorval
