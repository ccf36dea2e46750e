#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "entry/posting.hpp"
#include "entry/recompute.hpp"
#include "entry/roundcard.hpp"
#include "leaguebuilder.hpp"
#include "scripteddialogs.hpp"
#include "store/leaguefile.hpp"
#include "store/roundrecordfile.hpp"
#include "tempdir.hpp"

using namespace quorval;

namespace {

// One league, one player; the builder's course (par 66, rated 70.1 / 113 from every tee, so a
// differential is the gross less 70.1) with stroke index h on hole h.
class RoundRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        quorval::testing::LeagueBuilder(*data)
            .course("Pine Hills", "PH")
            .tee(store::kBlueTee, "72.0", "130")
            .player("Ann Lee");
        for (int h = 1; h <= 18; ++h) data->strokeIndexes[1][h] = static_cast<int16_t>(h);
    }

    store::PlayerRecord& ann() { return data->players[1]; }

    // A card of this gross on holes from `first` (1 or 10; nine holes when `nine`), each hole par
    // plus an even share of what is over par, so no hole limit touches it.
    static entry::RoundEntry card(int gross, bool nine = false, int first = 1) {
        entry::RoundEntry e;
        int holes = nine ? 9 : 18, over = gross - (nine ? 33 : 66);
        for (int k = 0; k < holes; ++k) {
            int h = first + k;
            e.score[h] = static_cast<int16_t>((h % 3 == 0 ? 3 : 4) + over / holes + (k < over % holes ? 1 : 0));
        }
        entry::SumNines(e.score);
        return e;
    }

    entry::PostResult post(const std::string& date, int gross, bool nine = false) {
        entry::RoundPlace place{1, 0, 0, 0};
        std::sscanf(date.c_str(), "%d/%d/%d", &place.month, &place.day, &place.year);
        return entry::PostRound(*data, 1, card(gross, nine), place, 0);
    }

    // The record of `count` scores with this differential and index, a week apart from the date.
    void stored(int count, float differential, float index, int month, int day, int year) {
        ann().roundCount = 0;
        for (int k = 0; k < count; ++k) {
            store::RoundRecord& r = ann().rounds[++ann().roundCount];
            r = {.differential = differential, .handicapIndex = index, .course = 1};
            r.score = card(90).score;
            auto when = std::chrono::sys_days(std::chrono::year(2000 + year) / month / day) + std::chrono::days(7 * k);
            std::chrono::year_month_day ymd(when);
            r.year = static_cast<int16_t>(static_cast<int>(ymd.year()) % 100);
            r.month = static_cast<int16_t>(static_cast<unsigned>(ymd.month()));
            r.day = static_cast<int16_t>(static_cast<unsigned>(ymd.day()));
        }
    }

    static bool says(const entry::PostResult& r, const std::string& text) {
        return std::any_of(r.index.lines.begin(), r.index.lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

auto figures(const store::RoundRecord& r) {
    return std::tuple(r.month, r.day, r.year, r.differential, r.handicapIndex, r.courseHandicap, r.score, r.noIndex);
}

// The tee and the scores as played live in the record file; the league file keeps its layout,
// and a league that never kept either gets no record at all.
TEST_F(RoundRecordTest, KeepsTeeAndScoresAsPlayedBesideAnUnchangedLeagueFile) {
    quorval::testing::TempWorkDir dir;
    data->settings.equitableCheck = store::kEscOn;
    quorval::testing::LeagueBuilder(*data)
        .course("Pine Hills", "PH")
        .tee(store::kBlueTee, "72.0", "130")
        .player("Ann Lee")
        .round("5/4/26", 40, 41, 12.3f)
        .write();
    quorval::testing::ScriptedDialogs dialogs;
    ASSERT_TRUE(store::LoadLeagueFile(*data, dialogs).ok);
    std::string classic = quorval::testing::readBytes("Tuesday Men.LGE");
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(quorval::testing::readBytes("Tuesday Men.LGE"), classic);
    EXPECT_FALSE(std::filesystem::exists("Tuesday Men.hix"));
    EXPECT_EQ(std::tuple(data->players[1].rounds[1].teePlayed, store::HoleScoresAsPlayed(*data, 1, 1).size()),
              std::tuple(int16_t{0}, size_t{0}));

    entry::RoundEntry e = card(90);
    e.tee = store::kBlueTee;
    e.played = e.score;
    e.played[1] = 12;  // typed as 12, limited to the 6 of the card
    entry::SumNines(e.played);
    ASSERT_EQ(entry::PostRound(*data, 1, e, {1, 5, 11, 26}, 0).outcome, entry::PostOutcome::Posted);
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(quorval::testing::readBytes("Tuesday Men.LGE"), store::FormatLeague(*data));

    auto again = std::make_unique<store::LeagueData>();
    again->leagueFileName = data->leagueFileName;
    ASSERT_TRUE(store::LoadLeagueFile(*again, dialogs).ok);
    EXPECT_EQ(again->players[1].rounds[2].teePlayed, store::kBlueTee);
    EXPECT_EQ(store::HoleScoresAsPlayed(*again, 1, 2)[0], 12);
    EXPECT_EQ(std::tuple(again->players[1].rounds[2].playedGross(), again->players[1].rounds[2].gross()),
              std::tuple(96, 90));
    // A league file changed elsewhere: a line that no longer matches is left out, and check says so.
    again->players[1].rounds[2].score[3] = 9;
    std::vector<store::RecordLine> lines;
    ASSERT_TRUE(store::ParseRoundRecord(lines, quorval::testing::readBytes("Tuesday Men.hix")).ok);
    EXPECT_EQ(store::ApplyRoundRecord(*again, lines).size(), 1u);
}

// Damaged record lines are refused with the line that is wrong.
TEST_F(RoundRecordTest, RefusesALineThatDoesNotRead) {
    const std::string good =
        "1\tAnn Lee\t1\t2026-05-04\t1\t2\t18\t66\t10.9\t-\t0\t10.9\t0\t"
        "4 4 3 4 4 3 4 4 3 4 4 3 4 4 3 4 4 3 33 33\t-";
    const std::pair<std::string, std::string> cases[] = {
        {"Quorval round record 1\r\n" + good + "\r\n", ""},
        {good + "\r\n", "first line"},
        {"Quorval round record 1\n" + good.substr(0, good.size() - 2), "fields"},
        {"Quorval round record 1\n" + std::string(good).replace(good.find("2026-05-04"), 10, "2026-02-30"), "day"},
        {"Quorval round record 1\n" + std::string(good).replace(good.find("2026-05-04"), 10, "1985-01-01"), ""},
        {"Quorval round record 1\n" + std::string(good).replace(good.find("2026-05-04"), 10, "1984-12-31"), "year"},
        {"Quorval round record 1\n" + std::string(good).replace(good.find("\t66\t"), 4, "\t67\t"), "gross"},
        {"Quorval round record 1\n" + std::string(good).replace(good.find("\t18\t"), 4, "\t9\t"), "holes"},
    };
    for (const auto& [text, problem] : cases) {
        SCOPED_TRACE(problem);
        std::vector<store::RecordLine> lines;
        store::LoadResult result = store::ParseRoundRecord(lines, text);
        EXPECT_EQ(result.ok, problem.empty()) << result.problem;
        if (!problem.empty()) {
            EXPECT_NE(result.problem.find(problem), std::string::npos) << result.problem;
        }
    }
}

// Posting in any order gives the figures of posting in date order: a round put in between has
// the later rounds worked out again, exceptional-score reductions and hole limits too; deleting
// and editing do the same.
TEST_F(RoundRecordTest, RoundsTakeTheirPlaceByDate) {
    data->options.rules = store::HandicapRules::WHS;
    const std::vector<std::pair<std::string, int>> rounds = {{"3/1/26", 95},  {"3/8/26", 95}, {"3/15/26", 96},
                                                             {"3/22/26", 95}, {"4/5/26", 80}, {"4/12/26", 90}};
    const std::vector<std::vector<int>> orders = {{0, 1, 2, 3, 4, 5}, {0, 1, 2, 4, 5, 3}, {5, 4, 3, 2, 1, 0}};
    std::vector<store::RoundRecord> expected;
    for (const auto& order : orders) {
        SCOPED_TRACE(order.front() * 10 + order.back());
        ann().roundCount = 0;
        ann().earlier.clear();
        entry::PostResult last;
        for (int k : order) last = post(rounds[static_cast<size_t>(k)].first, rounds[static_cast<size_t>(k)].second);
        if (expected.empty()) {
            expected.assign(ann().rounds.begin() + 1, ann().rounds.begin() + 7);
            EXPECT_EQ(std::tuple(expected[0].differential, expected[5].handicapIndex), std::tuple(22.9f, 12.9f));
        }
        if (order[5] == 3) {
            EXPECT_TRUE(says(last, "placed by date before 2 later rounds; their figures were recomputed"));
        }
        for (int r = 1; r <= 6; ++r) EXPECT_EQ(figures(ann().rounds[r]), figures(expected[r - 1])) << r;
    }
    // Deleting the round of 3/22 and posting it again leaves everything as it was.
    entry::DeleteRound(*data, 1, 4);
    EXPECT_EQ(ann().rounds[4].differential, 7.9f);  // 9.9 less 2.0, on an index before of 22.9
    post("3/22/26", 95);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(figures(ann().rounds[r]), figures(expected[r - 1])) << r;
}

// The Low is the lowest index of the 365 days before the previous score, from the record: the
// published example (a Low of 1 March 2020 still counts on 1 April 2021 after a score on 1 January
// 2021), and a Low whose round has left the 20 stored rounds. A late round older than the 20 most
// recent goes into the record only.
TEST_F(RoundRecordTest, LowAndLateRoundsComeFromTheRecord) {
    data->options.rules = store::HandicapRules::WHS;
    struct Case {
        const char* name;
        bool lowLeftTheStoredRounds;
        int lowMonth, lowDay, lowYear;
        float index;
    };
    const Case cases[] = {
        {"published example", false, 3, 1, 20, 13.0f},  // Low 8.0 + 5.0
        {"Low past the stored rounds", true, 3, 1, 20, 13.0f},
        {"Low older than the year before the previous score", false, 12, 31, 19, 17.0f},  // Low 12.0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ann().earlier.clear();
        stored(19, 19.9f, 12.0f, 5, 4, 20);
        ann().rounds[19].month = 1, ann().rounds[19].day = 1, ann().rounds[19].year = 21;
        store::RoundRecord low = ann().rounds[1];
        std::tie(low.month, low.day, low.year, low.handicapIndex) = std::tuple(c.lowMonth, c.lowDay, c.lowYear, 8.0f);
        if (c.lowLeftTheStoredRounds) {
            ann().earlier.push_back(low);
        } else {
            ann().rounds[1] = low;
        }
        post("4/1/21", 90);
        EXPECT_EQ(ann().rounds[20].handicapIndex, c.index);
    }
    // A year late: kept in the record only, every figure as it was.
    auto before = ann().rounds;
    entry::PostResult late = post("4/1/19", 80);
    EXPECT_EQ(std::tuple(late.slot, ann().roundCount, ann().rounds == before), std::tuple(0, 20, true));
    EXPECT_TRUE(says(late, "kept in the record only and changes no index"));
    ASSERT_FALSE(ann().earlier.empty());
    EXPECT_EQ(ann().earlier.front().differential, 9.9f);
}

// A first index needs 54 holes: three nines give none, six do, and so do two eighteens and two nines.
TEST_F(RoundRecordTest, AFirstIndexNeedsFiftyFourHoles) {
    data->options.rules = store::HandicapRules::WHS;
    const std::tuple<int, int, bool> cases[] = {{3, 0, false}, {6, 0, true}, {2, 1, false}, {2, 2, true}};
    for (auto [nines, eighteens, indexed] : cases) {
        SCOPED_TRACE(std::to_string(nines) + " nines, " + std::to_string(eighteens) + " eighteens");
        ann().roundCount = 0;
        entry::PostResult r;
        for (int k = 0; k < eighteens; ++k) r = post("4/" + std::to_string(k + 1) + "/26", 85);
        for (int k = 0; k < nines; ++k) r = post("5/" + std::to_string(k + 1) + "/26", 42, true);
        EXPECT_EQ(ann().rounds[ann().roundCount].noIndex, !indexed);
        EXPECT_EQ(says(r, "a first index needs 54"), !indexed);
    }
}

// The recompute replays the whole league in date order from the scores as played, on the tee
// each round was played from: the figures of posting the same rounds afresh.
TEST_F(RoundRecordTest, RecomputeEqualsAFreshPostingInDateOrder) {
    quorval::testing::TempWorkDir dir;
    const std::vector<std::tuple<std::string, int, int>> rounds = {
        {"3/1/26", 95, 2}, {"3/8/26", 99, 3}, {"3/15/26", 96, 2}, {"3/22/26", 130, 3}, {"4/5/26", 80, 2}};
    for (const auto& [date, gross, tee] : rounds) {
        ann().tee = static_cast<int16_t>(tee);
        post(date, gross);
    }
    ann().tee = store::kWhiteTee;
    std::swap(ann().rounds[2], ann().rounds[4]);  // a Classic league typed out of order
    data->options.rules = store::HandicapRules::WHS;
    quorval::testing::writeBytes(data->leagueFileName, store::FormatLeague(*data));
    quorval::testing::ScriptedDialogs dialogs;
    ASSERT_TRUE(entry::RecomputeAllIndexes(*data, dialogs));
    EXPECT_TRUE(std::filesystem::exists("Tuesday Men.LGE.before-recompute"));
    auto recomputed = ann().rounds;

    ann().roundCount = 0;
    for (const auto& [date, gross, tee] : rounds) {
        ann().tee = static_cast<int16_t>(tee);
        post(date, gross);
    }
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(figures(recomputed[r]), figures(ann().rounds[r])) << r;
    EXPECT_EQ(recomputed[4].playedGross(), 130);  // the 130 as played, limited for the index
    EXPECT_LT(recomputed[4].gross(), 130);
}

}  // namespace
