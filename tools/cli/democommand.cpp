// demo: a data folder with a league that shows every part of the program, made by posting each
// round as the score window posts it.
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <vector>

#include "cli/commands.hpp"
#include "entry/posting.hpp"
#include "entry/roundcard.hpp"
#include "handicap/differential.hpp"
#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace quorval::cli {

namespace {

struct DemoCourse {
    const char* name;
    const char* initials;
    int pars[18];
    const char* ratings[3];
    const char* slopes[3];
};

const DemoCourse kCourses[] = {
    {"Pine Hills",
     "PH",
     {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4},
     {"73.1", "70.4", "72.0"},
     {"126", "121", "128"}},
    {"Cedar Creek",
     "CC",
     {5, 4, 4, 3, 4, 4, 5, 3, 4, 4, 4, 3, 5, 4, 3, 4, 4, 5},
     {"71.8", "69.2", "70.9"},
     {"122", "117", "124"}},
    {"Willow Bend",
     "WB",
     {4, 4, 3, 5, 4, 4, 3, 4, 5, 5, 4, 3, 4, 4, 4, 3, 5, 4},
     {"74.5", "71.6", "73.3"},
     {"131", "127", "133"}},
};

struct DemoPlayer {
    const char* name;
    int tee;
    double strokesOverPar;  // how the player usually plays
};

const DemoPlayer kPlayers[] = {
    {"Al Brennan", 2, 9},  {"Bea Castillo", 1, 16}, {"Carl Duffy", 2, 21},    {"Dot Evers", 1, 24},
    {"Ed Fontaine", 3, 4}, {"Fay Gilmore", 1, 12},  {"Gus Halloran", 2, 14},  {"Hal Ingram", 2, 27},
    {"Ivy Jensen", 1, 19}, {"Joe Kowalski", 2, 11}, {"Kay Lindqvist", 1, 30}, {"Lou Moreno", 2, 17},
};

void fillCourses(store::LeagueData& data) {
    data.courseCount = static_cast<int16_t>(std::size(kCourses));
    for (int c = 1; c <= data.courseCount; ++c) {
        const DemoCourse& demo = kCourses[c - 1];
        store::CourseRecord& course = data.courses[c];
        course = {};
        course[store::course_field::kName] = demo.name;
        int out = 0, in = 0;
        for (int h = 1; h <= store::kHoles; ++h) {
            course[store::course_field::kHolePar0 + h] = std::to_string(demo.pars[h - 1]);
            (h <= 9 ? out : in) += demo.pars[h - 1];
        }
        course[store::course_field::kParOut] = std::to_string(out);
        course[store::course_field::kParIn] = std::to_string(in);
        course[store::course_field::kParTotal] = std::to_string(out + in);
        for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
            course[store::course_field::kRating0 + t] = demo.ratings[t - 1];
            course[store::course_field::kSlope0 + t] = demo.slopes[t - 1];
        }
        course[store::course_field::kInitials] = demo.initials;
        // Odd stroke indexes on one nine and even on the other, the nines taking turns by course.
        static constexpr int16_t kNine[9] = {4, 2, 8, 1, 6, 9, 3, 7, 5};  // ranks within a nine
        for (int h = 1; h <= store::kHoles; ++h) {
            bool odd = (h <= 9) == (c % 2 == 1);
            data.strokeIndexes[c][h] = static_cast<int16_t>(2 * kNine[(h - 1 + c) % 9] - (odd ? 1 : 0));
        }
    }
}

// One player's hole scores on a course: par plus the strokes he gives away, spread over the holes.
entry::RoundEntry playRound(std::mt19937& rng, const DemoPlayer& player, const DemoCourse& course, bool frontOnly,
                            bool statistics) {
    entry::RoundEntry round;
    round.tee = player.tee;
    std::normal_distribution<double> form(player.strokesOverPar / 18.0, 0.9);
    int lastHole = frontOnly ? 9 : 18;
    // The window with performance data stores an unticked box as 1, also on holes not played.
    if (statistics) {
        for (int h = 1; h <= store::kHoles; ++h) round.fairway[h] = round.green[h] = entry::kTickMissed;
    }
    for (int h = 1; h <= lastHole; ++h) {
        int par = course.pars[h - 1];
        int strokes = std::clamp(static_cast<int>(std::lround(par + form(rng))), par - 1, par + 5);
        round.score[h] = static_cast<int16_t>(strokes);
        if (statistics) {
            bool fairway = par > 3 && std::uniform_real_distribution<>(0, 1)(rng) < 0.6 - player.strokesOverPar / 80;
            bool green = strokes <= par && std::uniform_real_distribution<>(0, 1)(rng) < 0.7;
            round.fairway[h] = entry::TickValue(fairway);
            round.green[h] = entry::TickValue(green);
            round.putts[h] = static_cast<int16_t>(std::clamp(strokes - par + 2 - (green ? 0 : 1), 1, 3));
        }
    }
    entry::SumNines(round.score);
    if (statistics) entry::TotalPerformance(round);
    return round;
}

// A season of Tuesdays from April to the end of September 2026, on the three courses in turn.
void playSeason(store::LeagueData& data) {
    std::mt19937 rng(2026);
    data.playerCount = static_cast<int16_t>(std::size(kPlayers));
    for (int p = 1; p <= data.playerCount; ++p) {
        data.players[p].name = kPlayers[p - 1].name;
        data.players[p].tee = static_cast<int16_t>(kPlayers[p - 1].tee);
    }
    int month = 4, day = 7;
    static const int kDaysIn[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int week = 0; week < 26; ++week) {
        int course = week % 3 + 1;
        bool frontOnly = week % 7 == 5;   // twilight nine-hole evenings
        bool statistics = week % 3 == 0;  // every third week the group keeps fairways, greens and putts
        for (int p = 1; p <= data.playerCount; ++p) {
            if (std::uniform_int_distribution<>(0, 9)(rng) < 2) continue;  // not everyone plays every week
            entry::RoundEntry round = playRound(rng, kPlayers[p - 1], kCourses[course - 1], frontOnly, statistics);
            entry::PostRound(data, p, round, {course, month, day, 26}, 0);
        }
        day += 7;
        if (day > kDaysIn[month]) day -= kDaysIn[month], ++month;
    }
}

void formTeams(store::LeagueData& data) {
    store::TeamPart& teams = data.teams;
    teams.teamCount = 2;
    teams.teamNames[1] = "Eagles";
    teams.teamNames[2] = "Birdies";
    for (int p = 1; p <= data.playerCount; ++p) data.players[p].team = static_cast<int16_t>(p % 2 == 1 ? 1 : 2);
    static const float kPoints[2][6] = {{6, 4.5f, 7, 3, 5.5f, 6}, {4, 5.5f, 3, 7, 4.5f, 4}};
    static const char* const kWeeks[] = {"April 7 - Pine Hills",  "April 14 - Cedar Creek", "April 21 - Willow Bend",
                                         "April 28 - Pine Hills", "May 5 - Cedar Creek",    "May 12 - Willow Bend"};
    for (int t = 1; t <= 2; ++t) {
        float total = 0;
        teams.teamEntryCount[t] = 6;
        for (int e = 1; e <= 6; ++e) {
            total += kPoints[t - 1][e - 1];
            teams.teamEntries[t][e] = {kWeeks[e - 1], total, kPoints[t - 1][e - 1]};
        }
    }
    teams.teamsInUse = 1;
}

// Runs `write` in a fresh folder inside the working directory, then moves every file it wrote into
// the working directory. When anything fails, the working directory is left as it was.
template <typename Write>
bool writeInPlaceAtOnce(Context& ctx, Write write) {
    namespace fs = std::filesystem;
    char name[] = ".quorval-demo-XXXXXX";
    if (!::mkdtemp(name)) {
        ctx.err << "quorval-cli: cannot make a folder for the demo files; nothing was changed\n";
        return false;
    }
    fs::path staging = fs::absolute(name);
    std::error_code ec;
    int home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool written = home >= 0 && ::chdir(name) == 0 && write();
    bool back = home >= 0 && ::fchdir(home) == 0;
    if (home >= 0) ::close(home);
    std::vector<std::string> moved;
    if (written && back) {
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(staging, ec)) files.push_back(entry.path().filename().string());
        for (const std::string& file : files) {
            // Under the folder lock nothing else writes here; a file that appeared anyway stays as it is.
            if (fs::exists(fs::symlink_status(file, ec)) || ::rename((staging / file).c_str(), file.c_str()) != 0) {
                written = false;
                break;
            }
            moved.push_back(file);
        }
    }
    if (!written || !back) {
        for (const std::string& file : moved) ::rename(file.c_str(), (staging / file).c_str());
        ctx.err << "quorval-cli: the demo files could not all be written; nothing was changed\n";
    }
    fs::remove_all(staging, ec);
    return written && back;
}

}  // namespace

int RunDemo(Context& ctx, const Args& args) {
    if (!args.empty()) return kUsage;
    // The demo never replaces a user's files: a folder that holds any of them is left alone.
    for (const char* file : {store::kRegistryFileName, store::kCourseFileName, "Demo League.LGE", "Demo League.tea"}) {
        std::error_code ec;
        if (std::filesystem::exists(store::findDataFile(file), ec)) {
            ctx.err << "quorval-cli: this folder already holds " << file
                    << "; the demo is made only in a folder without league files\n";
            return kFailed;
        }
    }
    store::LeagueData& data = ctx.data;
    fillCourses(data);
    data.leagueFileName = LeagueFileOf("Demo League");
    playSeason(data);
    formTeams(data);
    data.registry.leagueCount = 1;
    data.registry.leagueFiles[1] = "Demo League";
    data.registry.currentLeague = 0;
    if (!writeInPlaceAtOnce(ctx, [&] {
            return store::SaveCourseFile(data, ctx.dialogs) && store::SaveLeagueFile(data, ctx.dialogs) &&
                   store::SaveTeamFile(data, ctx.dialogs) && store::SaveLeagueRegistry(data, ctx.dialogs);
        })) {
        return kFailed;
    }
    ctx.out << "Made \"Demo League\": " << data.playerCount << " players, " << data.courseCount
            << " courses and 2 teams\n";
    return kOk;
}

}  // namespace quorval::cli
