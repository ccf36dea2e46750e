#include "play/schedule.hpp"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "print/recordingprinter.hpp"
#include "publish/site.hpp"
#include "reports/schedulereport.hpp"
#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace quorval::play {
namespace {

using namespace std::chrono_literals;
constexpr Date kStart{2026y / 10 / 6};

// n teams "T1".."Tn" of two players each, then `loose` players without a team.
std::unique_ptr<store::LeagueData> league(int n, int loose = 0) {
    auto data = std::make_unique<store::LeagueData>();
    for (int t = 1; t <= n; ++t) {
        data->teams.teamNames[t] = "T" + std::to_string(t);
        for (int k = 0; k < 2; ++k)
            data->players[++data->playerCount] = {.name = "P" + std::to_string(data->playerCount + 1),
                                                  .team = int16_t(t)};
    }
    data->teams.teamCount = static_cast<int16_t>(n);
    for (int k = 0; k < loose; ++k) data->players[++data->playerCount] = {.name = "L" + std::to_string(k + 1)};
    return data;
}

Schedule made(const store::LeagueData& data, MakeRequest request) {
    Schedule s;
    Outcome outcome = MakeSchedule(data, request, s);
    EXPECT_TRUE(outcome.ok) << outcome.message;
    return s;
}

TEST(Schedule, RoundRobinMeetsEveryPairEvenlyWithByesAndHomeAwayBalanced) {
    for (int n = 2; n <= 12; ++n) {
        int rounds = n - 1 + n % 2;
        for (int weeks : {1, rounds, rounds + 2, 2 * rounds, 3 * rounds}) {
            SCOPED_TRACE("sides " + std::to_string(n) + ", weeks " + std::to_string(weeks));
            auto data = league(n);
            Schedule s = made(*data, {.start = kStart, .weeks = weeks});
            ASSERT_EQ(s, made(*data, {.start = kStart, .weeks = weeks}));
            std::vector<Date> dates = ScheduledDates(s);
            ASSERT_EQ(dates.size(), size_t(weeks));
            std::map<std::pair<std::string, std::string>, int> met;
            std::map<std::string, int> byes, home, away;
            for (size_t w = 0; w < dates.size(); ++w) {
                std::vector<Matchup> day = MatchupsOn(s, *data, dates[w]);
                std::multiset<std::string> seen;
                for (const Matchup& m : day) {
                    seen.insert(m.home);
                    if (m.bye) {
                        EXPECT_TRUE(m.away.empty());
                        ++byes[m.home];
                        continue;
                    }
                    seen.insert(m.away);
                    ++met[std::minmax(m.home, m.away)];
                    ++home[m.home];
                    ++away[m.away];
                }
                EXPECT_EQ(seen.size(), size_t(n));
                EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()).size(), size_t(n)) << "a side plays twice";
                // No pair meets again before every pair has met as often; no side sits out twice first.
                int fewest = 1000, most = 0, pairs = 0;
                for (int a = 1; a <= n; ++a) {
                    for (int b = a + 1; b <= n; ++b, ++pairs) {
                        int k = met[std::minmax("T" + std::to_string(a), "T" + std::to_string(b))];
                        fewest = std::min(fewest, k);
                        most = std::max(most, k);
                    }
                }
                EXPECT_LE(most - fewest, 1);
                if (n % 2) {
                    int leastByes = 1000, mostByes = 0;
                    for (int a = 1; a <= n; ++a) {
                        leastByes = std::min(leastByes, byes["T" + std::to_string(a)]);
                        mostByes = std::max(mostByes, byes["T" + std::to_string(a)]);
                    }
                    EXPECT_LE(mostByes - leastByes, 1);
                }
                if ((w + 1) % size_t(rounds) == 0) {
                    EXPECT_EQ(fewest, most) << "a whole cycle meets every pair alike";
                    for (int a = 1; a <= n; ++a) {
                        std::string side = "T" + std::to_string(a);
                        EXPECT_LE(std::abs(home[side] - away[side]), 1) << side;
                    }
                    home.clear();
                    away.clear();
                }
            }
        }
    }
}

TEST(Schedule, WeeksPassOverSkippedDatesAndBadRequestsSayWhy) {
    struct Case {
        const char* name;
        MakeRequest request;
        int teams;
        std::string result;  // the dates, or the message
    };
    const Case cases[] = {
        {"weekly", {.start = kStart, .weeks = 3}, 4, "10/06/26 10/13/26 10/20/26"},
        {"a holiday moves the week on",
         {.start = kStart, .weeks = 3, .skips = {Date{2026y / 10 / 13}}},
         4,
         "10/06/26 10/20/26 10/27/26"},
        {"two in a row, fortnightly",
         {.start = kStart, .weeks = 2, .every = 14, .skips = {Date{2026y / 10 / 20}, Date{2026y / 11 / 3}}},
         4,
         "10/06/26 11/17/26"},
        {"one side", {.start = kStart, .weeks = 3}, 1, "A schedule needs at least 2 teams; the league has 1."},
        {"no weeks", {.start = kStart, .weeks = 0}, 4, "The number of weeks must be from 1 to 520."},
        {"past the file's years", {.start = Date{2084y / 12 / 1}, .weeks = 8}, 4, "The season would end after 2084."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto data = league(c.teams);
        Schedule s;
        Outcome outcome = MakeSchedule(*data, c.request, s);
        std::string result;
        for (Date d : ScheduledDates(s))
            result += (result.empty() ? "" : " ") + ShortDate(d, store::DateOrder::kMonthDayYear);
        EXPECT_EQ(outcome.ok ? result : outcome.message, c.result);
    }
    auto empty = league(3);
    empty->teams.teamNames[4] = "Nobody";
    empty->teams.teamCount = 4;
    Schedule s;
    EXPECT_EQ(MakeSchedule(*empty, {.start = kStart, .weeks = 2}, s).message,
              "The team Nobody has no players and cannot be scheduled.");
}

// Each date as "MM/DD/YY: home-away tee, ...", byes as "home-".
std::string shown(const Schedule& s, const store::LeagueData& data) {
    std::string out;
    for (Date d : ScheduledDates(s)) {
        out += ShortDate(d, store::DateOrder::kMonthDayYear) + ":";
        for (const Matchup& m : MatchupsOn(s, data, d))
            out += " " + m.home + "-" + m.away + (m.tee.empty() ? "" : " " + m.tee);
        out += "\n";
    }
    return out;
}

TEST(Schedule, ChangesAndRosterChangesKeepItReadable) {
    auto data = league(3, 1);
    Schedule s = made(*data, {.start = kStart, .weeks = 3, .tees = {store::TeeStart::Times, 17 * 60, 10}});
    ASSERT_EQ(shown(s, *data), "10/06/26: T1-T2 17:00 T3-\n10/13/26: T3-T1 17:00 T2-\n10/20/26: T2-T3 17:00 T1-\n");

    Outcome rain = RainOutDate(s, Date{2026y / 10 / 13}, store::DateOrder::kMonthDayYear);
    EXPECT_EQ(rain.message, "Rained out: the matchups of 10/13/26 move to week 4, 10/27/26.");
    EXPECT_EQ(shown(s, *data), "10/06/26: T1-T2 17:00 T3-\n10/20/26: T2-T3 17:00 T1-\n10/27/26: T3-T1 17:00 T2-\n");
    EXPECT_EQ(RainedOutTo(s, Date{2026y / 10 / 13}), Date{2026y / 10 / 27});
    EXPECT_EQ(RainOutDate(s, Date{2026y / 10 / 13}, store::DateOrder::kMonthDayYear).message,
              "10/13/26 is not a scheduled date.");

    EXPECT_TRUE(SwapMatchups(s, kStart, 0, 1, store::DateOrder::kMonthDayYear).ok);
    s.tees = {store::TeeStart::Shotgun, 0, 0};
    EXPECT_EQ(shown(s, *data).substr(0, 26), "10/06/26: T3- T1-T2 Hole 1");
    Outcome edit = EditMatchup(s, *data, kStart, 0, "T3", "T1");
    EXPECT_EQ(edit.message, "T1 now plays twice on 10/06/26.");

    // Players 1,2 are on T1, 3,4 on T2, 5,6 on T3, L1 on no team. On 10/20/26 T2 meets T3.
    const Date d{2026y / 10 / 20};
    const std::tuple<const char*, const char*, const char*, std::string> subs[] = {
        {"loose player", "P3", "L1", "L1 plays for P3 on 10/20/26."},
        {"a team with a bye", "P4", "P1", "P1 plays for P4 on 10/20/26."},
        {"same side", "P3", "P4", "P4 plays on one of the two sides of that matchup."},
        {"other side", "P3", "P5", "P5 plays on one of the two sides of that matchup."},
        {"sitting out", "P2", "L1", "P2 has no match on 10/20/26."},
        {"already busy", "P5", "L1", "L1 already plays for P3 on 10/20/26."},
        {"no such player", "P3", "Zed", "Zed is not a player of this league."},
    };
    for (const auto& [name, forName, byName, message] : subs) {
        SCOPED_TRACE(name);
        EXPECT_EQ(AddSubstitute(s, *data, d, forName, byName).message, message);
    }
    EXPECT_EQ(AddSubstitute(s, *data, Date{2026y / 10 / 21}, "P1", "L1").message, "10/21/26 is not a scheduled date.");
    EXPECT_EQ(SubstitutesOn(s, d).size(), 2u);

    // T2 renamed, T3 removed (T1 keeps its slot): T2's matchups follow it, T3's become byes.
    data->teams.teamNames[2] = "Hawks";
    data->teams.teamNames[3].clear();
    data->teams.teamCount = 2;
    std::vector<Matchup> day = MatchupsOn(s, *data, Date{2026y / 10 / 27});
    ASSERT_EQ(day.size(), 2u);
    EXPECT_EQ(day[0].home + "-" + day[0].away, "(removed)-T1");
    EXPECT_TRUE(day[0].bye);
    EXPECT_EQ(day[1].home + " " + std::to_string(day[1].homeSlot), "Hawks 2");
}

TEST(ScheduleFile, RoundTripsAndRefusesWhatTheProgramCannotUse) {
    auto data = league(5, 1);
    Schedule s = made(*data, {.start = kStart,
                              .weeks = 6,
                              .skips = {Date{2026y / 11 / 3}},
                              .tees = {store::TeeStart::Times, 8 * 60 + 5, 9}});
    RainOutDate(s, kStart, store::DateOrder::kMonthDayYear);
    ASSERT_TRUE(AddSubstitute(s, *data, Date{2026y / 10 / 20}, "P1", "L1").ok);
    testing::TempWorkDir dir;
    testing::ScriptedDialogs dialogs;
    data->leagueFileName = "Fall.LGE";
    Schedule read;
    ASSERT_TRUE(store::SaveScheduleFile(*data, s, dialogs));
    ASSERT_TRUE(store::LoadScheduleFile(*data, read, dialogs).ok);
    EXPECT_EQ(read, s);

    const std::string head = "Sides\tTeams\r\nSide\t1\tA\r\nSide\t2\tB\r\n";
    const std::pair<std::string, std::string> bad[] = {
        {"Sides\tClubs\r\n", "Sides is neither Teams nor Players"},
        {"Every\t0\r\n", "\"0\" is not a whole number 1..365"},
        {"Tees\t25:00\t10\r\n", "\"25:00\" is no HH:MM"},
        {head + "Match\t1\t2026-02-30\tA\tB\r\n", "\"2026-02-30\" is no date of the form 2026-10-06"},
        {head + "Match\t1\t2026-10-06\tA\tC\r\n", "the side \"C\" is not listed"},
        {head + "Match\t1\t2026-10-06\tA\tA\r\n", "\"A\" plays itself"},
        {head + "Match\t2\t2026-10-13\tA\tB\r\nMatch\t1\t2026-10-06\tA\tB\r\n", "the matchups are not in date order"},
        {head + "Side\t3\tA\r\n", "the side \"A\" is listed twice"},
        {head + "Match\t1\t2026-10-06\tA\r\n", "Match takes 4 fields"},
        {"Rainout\t2026-10-06\t2026-10-06\r\n", "a rain-out must move its matchups to a later date"},
        {"Sub\t2026-10-06\tA\tA\r\n", "\"A\" substitutes for themselves"},
        {"Round\t1\r\n", "\"Round\" is not a schedule line"},
    };
    for (const auto& [text, problem] : bad) {
        SCOPED_TRACE(text);
        store::LoadResult result = store::ParseSchedule(read, text);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.problem.find(problem), std::string::npos) << result.problem;
        EXPECT_TRUE(read.matches.empty());
    }
    // An unreadable file is told, kept aside, and reads as no schedule.
    testing::writeBytes("Fall.sch", "Sides\tClubs\r\n");
    EXPECT_FALSE(store::LoadScheduleFile(*data, read, dialogs).ok);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(testing::readBytes("Fall.sch.unreadable"), "Sides\tClubs\r\n");
}

// The printed season keeps every matchup and bye on as few pages as fit, inside the page.
TEST(SchedulePrint, TheSeasonFillsTwoColumnsAPageAndStaysOnThePage) {
    for (int teams : {3, 12}) {
        SCOPED_TRACE(teams);
        auto data = league(teams);
        Schedule s = made(*data, {.start = kStart, .weeks = 30, .tees = {store::TeeStart::Times, 17 * 60, 10}});
        print::RecordingPrinter printer;
        reports::PrintSchedule(printer, *data, s, "12/06/26");
        const print::Document& doc = printer.documents().at(0);
        int matchups = 0, byes = 0, weeks = 0;
        for (const print::Page& page : doc.pages) {
            for (const print::PrintedText& t : page.texts) {
                EXPECT_TRUE(t.x == 0 || t.x == doc.pageWidth / 2) << t.text;
                EXPECT_LE(t.y + print::LineHeight(t.font.size), doc.pageHeight) << t.text;
                matchups += t.text.find(" v ") != std::string::npos;
                byes += t.text.ends_with("  bye");
                weeks += t.text.starts_with("Week ");
            }
        }
        EXPECT_EQ(weeks, 30);
        EXPECT_EQ(matchups, 30 * (teams / 2));
        EXPECT_EQ(byes, teams % 2 ? 30 : 0);
        EXPECT_EQ(doc.pages.size(), teams == 3 ? 1u : 2u);
    }
}

TEST(SchedulePages, TheSeasonAndEachDateHaveAPageLinkedFromTheIndex) {
    auto data = league(2, 1);
    data->players[5].name = "<i>Sub</i>";
    data->players[1].roundCount = 1;
    data->players[1].rounds[1] = {.month = 10, .day = 13, .year = 26, .course = 1};
    data->players[1].rounds[1].score[store::kOutSlot] = 40;
    Schedule s =
        made(*data, {.start = kStart, .weeks = 2, .kind = SideKind::Players, .tees = {store::TeeStart::Shotgun, 0, 0}});
    ASSERT_TRUE(AddSubstitute(s, *data, kStart, "P1", "<i>Sub</i>").ok);
    std::map<std::string, std::string> site;
    for (auto& file : publish::BuildSite(*data, s)) site[file.name] = file.content;
    EXPECT_NE(site["index.html"].find("<a href=\"schedule.html\">"), std::string::npos);
    const std::string& week = site["week-2026-10-06.html"];
    for (const char* part : {"Week 1, 10/06/26", "<td>Hole 1</td>", "&lt;i&gt;Sub&lt;/i&gt; plays for P1", ">bye<"})
        EXPECT_NE(week.find(part), std::string::npos) << part;
    EXPECT_NE(site["week-2026-10-13.html"].find("href=\"day-2026-10-13.html\""), std::string::npos);
    EXPECT_NE(site["schedule.html"].find("href=\"week-2026-10-13.html\""), std::string::npos);
    // The season, its two dates and the standings.
    EXPECT_NE(site["index.html"].find("<a href=\"standings.html\">"), std::string::npos);
    EXPECT_EQ(publish::BuildSite(*data).size() + 4, site.size());
}

}  // namespace
}  // namespace quorval::play
