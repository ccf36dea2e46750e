// export and csv: the league's rounds as text files.
#include <ctime>
#include <sstream>

#include "cli/commands.hpp"
#include "handicap/differential.hpp"
#include "listing/listing.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"
#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "text/numbers.hpp"

namespace quorval::cli {

namespace {

bool loadForReport(Context& ctx, const std::string& league) {
    return LoadLeagueForCommand(ctx, league);
}

std::string today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return print::PrintDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// A CSV field: quoted, with quotes doubled, when it holds a comma, a quote or a line break.
std::string csvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string isoDate(const store::RoundRecord& round) {
    char text[16];
    int year = round.year + (round.year >= 85 ? 1900 : 2000);
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, round.month % 100, round.day % 100);
    return text;
}

void appendRow(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += csvField(fields[i]);
    }
    out += "\r\n";
}

std::vector<std::string> header() {
    std::vector<std::string> names = {"player", "slot",  "date",         "course",         "initials",       "out",
                                      "in",     "total", "differential", "handicap_index", "course_handicap"};
    for (const char* kind : {"hole", "putts", "fairway", "green"})
        for (int h = 1; h <= 18; ++h) names.push_back(kind + std::to_string(h));
    return names;
}

std::vector<std::string> roundFields(const store::LeagueData& data, int p, int r) {
    const store::RoundRecord& round = data.players[p].rounds[r];
    int c = round.course >= 0 && round.course <= store::kMaxCourses ? round.course : 0;
    const store::CourseRecord& course = data.courses[c];
    std::vector<std::string> fields = {data.players[p].name,
                                       std::to_string(r),
                                       isoDate(round),
                                       course[store::course_field::kName],
                                       course[store::course_field::kInitials],
                                       std::to_string(round.score[store::kOutSlot]),
                                       std::to_string(round.score[store::kInSlot]),
                                       std::to_string(round.gross()),
                                       text::generalForm(round.differential),
                                       text::generalForm(round.handicapIndex),
                                       text::generalForm(round.courseHandicap)};
    for (int h = 1; h <= 18; ++h) fields.push_back(std::to_string(round.score[h]));
    // Performance values only where the round was entered with them.
    bool statistics = round.hasPerformanceData();
    for (const store::HoleValues* values : {&round.putts, &round.fairway, &round.green})
        for (int h = 1; h <= 18; ++h) fields.push_back(statistics ? std::to_string((*values)[h]) : "");
    return fields;
}

}  // namespace

int RunExport(Context& ctx, const Args& args) {
    if (args.size() != 2) return kUsage;
    if (!loadForReport(ctx, args[0])) return kFailed;
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(ctx.data);
    listing.ListMostRecent(ctx.data);
    std::string file = reports::ExportFileName(args[1]);
    std::string error = store::writeFileAtomically(file, reports::shortprintfile(ctx.data, listing.rows(), today()));
    if (!error.empty()) {
        ctx.err << "quorval-cli: cannot write " << file << ": " << error << '\n';
        return kFailed;
    }
    return kOk;
}

int RunCsv(Context& ctx, const Args& args) {
    if (args.size() != 1) return kUsage;
    if (!loadForReport(ctx, args[0])) return kFailed;
    std::string out;
    appendRow(out, header());
    for (int p = 1; p <= ctx.data.playerCount; ++p) {
        for (int r = 1; r <= ctx.data.players[p].roundCount; ++r) appendRow(out, roundFields(ctx.data, p, r));
    }
    ctx.out << out;
    return kOk;
}

}  // namespace quorval::cli
