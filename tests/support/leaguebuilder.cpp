#include "leaguebuilder.hpp"

#include <cstdio>
#include <stdexcept>

#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace quorval::testing {

namespace cf = store::course_field;

namespace {

entry::RoundPlace placeOn(const std::string& date, int course) {
    entry::RoundPlace place{course, 0, 0, 0};
    if (std::sscanf(date.c_str(), "%d/%d/%d", &place.month, &place.day, &place.year) != 3)
        throw std::invalid_argument("date not m/d/yy: " + date);
    return place;
}

}  // namespace

std::vector<int> Holes(int each, int count) {
    return std::vector<int>(static_cast<size_t>(count), each);
}

LeagueBuilder::LeagueBuilder(store::LeagueData& d, const std::string& league) : data(d), leagueName(league) {
    store::ClearLeagueData(data);
    for (int p = 1; p <= store::kMaxPlayers; ++p) data.players[p].team = 0;
    data.teams = store::TeamPart{};
    store::FillMonthNames(data);
    data.courseCount = 0;
    data.leagueFileName = league + ".LGE";
}

LeagueBuilder& LeagueBuilder::course(const std::string& name, const std::string& initials) {
    store::CourseRecord& c = data.courses[++data.courseCount];
    c = store::CourseRecord{};
    c[cf::kName] = name;
    c[cf::kInitials] = initials;
    for (int h = 1; h <= store::kHoles; ++h) c[cf::kHolePar0 + h] = h % 3 == 0 ? "3" : "4";
    c[cf::kParOut] = c[cf::kParIn] = "33";
    c[cf::kParTotal] = "66";
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) tee(t, "70.1", "113");
    return *this;
}

LeagueBuilder& LeagueBuilder::tee(int t, const std::string& rating, const std::string& slope) {
    store::CourseRecord& c = data.courses[data.courseCount];
    c[cf::kRating0 + t] = rating;
    c[cf::kSlope0 + t] = slope;
    return *this;
}

LeagueBuilder& LeagueBuilder::par(int hole, int value) {
    data.courses[data.courseCount][cf::kHolePar0 + hole] = std::to_string(value);
    return *this;
}

LeagueBuilder& LeagueBuilder::player(const std::string& name, int t) {
    store::PlayerRecord& p = data.players[++data.playerCount];
    p = store::PlayerRecord{};
    p.name = name;
    p.tee = static_cast<int16_t>(t);
    return *this;
}

LeagueBuilder& LeagueBuilder::round(const std::string& date, int out, int in, float index, int course) {
    entry::RoundPlace place = placeOn(date, course);
    store::PlayerRecord& p = data.players[data.playerCount];
    store::RoundRecord& r = p.rounds[++p.roundCount];
    r = store::RoundRecord{};
    r.month = static_cast<int16_t>(place.month);
    r.day = static_cast<int16_t>(place.day);
    r.year = static_cast<int16_t>(place.year);
    r.course = static_cast<int16_t>(course);
    r.score[store::kOutSlot] = static_cast<int16_t>(out);
    r.score[store::kInSlot] = static_cast<int16_t>(in);
    for (int h = 1; h <= store::kHoles; ++h) r.score[h] = static_cast<int16_t>((h <= 9 ? out : in) > 0 ? 4 : 0);
    r.handicapIndex = index;
    r.courseHandicap = index;
    return *this;
}

LeagueBuilder& LeagueBuilder::post(const std::string& date, const std::vector<int>& holes, int course) {
    entry::RoundEntry entry;
    entry.tee = data.players[data.playerCount].tee;
    for (size_t i = 0; i < holes.size(); ++i) {
        int h = static_cast<int>(i) + 1;
        entry.score[h] = static_cast<int16_t>(holes[i]);
        entry.score[h <= 9 ? store::kOutSlot : store::kInSlot] += entry.score[h];
    }
    entry::PostResult result = entry::PostRound(data, data.playerCount, entry, placeOn(date, course), 0);
    if (result.outcome != entry::PostOutcome::Posted) throw std::runtime_error("round not posted on " + date);
    return *this;
}

LeagueBuilder& LeagueBuilder::team(const std::string& name, std::initializer_list<int> players) {
    store::TeamPart& t = data.teams;
    t.teamNames[++t.teamCount] = name;
    t.teamsInUse = 1;
    for (int p : players) data.players[p].team = t.teamCount;
    return *this;
}

LeagueBuilder& LeagueBuilder::points(const std::string& description, float value) {
    store::TeamPart& t = data.teams;
    int16_t& count = t.teamEntryCount[t.teamCount];
    t.teamEntries[t.teamCount][++count] = store::TeamEntry{description, 0, value};
    return *this;
}

LeagueBuilder& LeagueBuilder::write() {
    WriteLeagueFolder(data, leagueName);
    return *this;
}

void WriteLeagueFolder(store::LeagueData& data, const std::string& name) {
    data.leagueFileName = name + ".LGE";
    data.registry.leagueFiles[1] = name;
    data.registry.leagueCount = 1;
    writeBytes(store::kRegistryFileName, store::FormatRegistry(data));
    writeBytes(store::kCourseFileName, store::FormatCourses(data));
    writeBytes(data.leagueFileName, store::FormatLeague(data));
    if (data.teams.teamCount > 0) writeBytes(store::TeamFileName(data.leagueFileName), store::FormatTeams(data));
}

}  // namespace quorval::testing
