#include <gtest/gtest.h>

#include "scripteddialogs.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/strokeindexfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

store::StrokeIndexes sequence() {
    store::StrokeIndexes si{};
    for (int h = 1; h <= 18; ++h) si[h] = static_cast<int16_t>(h);
    return si;
}

std::unique_ptr<store::LeagueData> twoCourses() {
    auto data = std::make_unique<store::LeagueData>();
    data->leagueFileName = "Fall.LGE";
    data->courseCount = 2;
    data->courses[1][store::course_field::kName] = "Oak Hills";
    data->courses[2][store::course_field::kName] = "Pine, North";
    return data;
}

class SideFiles : public ::testing::Test {
protected:
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = twoCourses();
};

}  // namespace

TEST_F(SideFiles, LeagueOptionsRoundTripAndAMissingFileMeansClassicAtFullAllowance) {
    const store::LeagueOptions whs{.rules = store::HandicapRules::WHS, .allowance = 85};
    data->options = whs;
    ASSERT_TRUE(store::LoadLeagueOptions(*data, dialogs).ok);
    EXPECT_EQ(data->options, store::LeagueOptions{});
    data->options = whs;
    ASSERT_TRUE(store::SaveLeagueOptions(*data, dialogs) && store::LoadLeagueOptions(*data, dialogs).ok);
    EXPECT_EQ(data->options, whs);

    // What a person might write.
    store::LeagueOptions options;
    ASSERT_TRUE(store::ParseLeagueOptions(options, "; set by hand\n[Other]\nRules=x\n[handicap]\n rules = whs \n").ok);
    EXPECT_EQ(options, (store::LeagueOptions{.rules = store::HandicapRules::WHS, .allowance = 100}));
}

TEST_F(SideFiles, BadLeagueOptionsAreRefusedKeptAsideAndGiveTheDefaults) {
    for (const char* text : {"Rules=Modern", "Allowance=0", "Allowance=101", "Rules"}) {
        SCOPED_TRACE(text);
        fs::remove("Fall.cfg.unreadable");
        const std::string file = "[Handicap]\r\n" + std::string(text);
        writeBytes("Fall.cfg", file);
        data->options = {.rules = store::HandicapRules::WHS, .allowance = 85};
        EXPECT_FALSE(store::LoadLeagueOptions(*data, dialogs).ok);
        EXPECT_EQ(dialogs.takeMessages().size(), 1u);
        EXPECT_EQ(std::tuple(data->options, readBytes("Fall.cfg.unreadable")),
                  std::tuple(store::LeagueOptions{}, file));
    }
}

TEST_F(SideFiles, StrokeIndexesRoundTripWithCommasInNamesAndWriteNothingWhenUnused) {
    ASSERT_TRUE(store::SaveStrokeIndexFile(*data, dialogs));
    EXPECT_FALSE(fs::exists("course.si"));

    data->strokeIndexes[2] = sequence();
    std::swap(data->strokeIndexes[2][1], data->strokeIndexes[2][18]);
    ASSERT_TRUE(store::SaveStrokeIndexFile(*data, dialogs));
    EXPECT_EQ(readBytes("course.si"), "2,Pine, North,18,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,1\r\n");
    auto again = twoCourses();
    EXPECT_TRUE(store::LoadStrokeIndexFile(*again).empty());
    EXPECT_EQ(again->strokeIndexes, data->strokeIndexes);
}

TEST_F(SideFiles, UnusableStrokeIndexLinesAreLeftOutReportedAndTheFileKept) {
    const std::string text =
        "1,Old Name,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n"          // the slot holds another course
        "2 ,Pine, North,1 ,2   ,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n"  // good
        "3,Elm,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n"               // no such slot
        "1,Oak Hills,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\r\n";           // 17 numbers
    writeBytes("course.si", text);
    EXPECT_EQ(store::LoadStrokeIndexFile(*data).size(), 4u);  // three lines and where the copy went
    EXPECT_FALSE(store::HasStrokeIndexes(data->strokeIndexes[1]));
    EXPECT_EQ(std::tuple(data->strokeIndexes[2], readBytes("course.si.unreadable")), std::tuple(sequence(), text));

    store::StrokeIndexes si = sequence();
    EXPECT_EQ(store::StrokeIndexProblem(si), "");
    si[7] = si[12] = 3;
    EXPECT_EQ(store::StrokeIndexProblem(si),
              "The stroke indexes must use each number from 1 to 18 once. Missing: 7, 12. More than once: 3.");
}
