// export, csv and import: the league's rounds as text files and back.
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "exchange/roundscsv.hpp"
#include "listing/listing.hpp"
#include "players/roster.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"
#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "text/numbers.hpp"

namespace quorval::cli {

namespace {

std::string today(const Context& ctx) {
    return print::PrintDate(ctx.clock.today(), ctx.data.settings.dateOrder);
}

}  // namespace

int RunExport(Context& ctx, const Args& args) {
    if (args.size() != 2) return kUsage;
    if (!LoadLeagueForCommand(ctx, args[0])) return kFailed;
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(ctx.data);
    listing.ListMostRecent(ctx.data);
    // ".txt" is added as the export dialog does, but not to a path that is already there: a device
    // or a folder is refused by the writer rather than turned into a new file beside it.
    std::error_code ec;
    std::string file = std::filesystem::exists(args[1], ec) ? args[1] : reports::ExportFileName(args[1]);
    std::string error = store::writeFileAtomically(file, reports::shortprintfile(ctx.data, listing.rows(), today(ctx)));
    if (!error.empty()) {
        ctx.err << "quorval-cli: cannot write " << file << ": " << error << '\n';
        return kFailed;
    }
    return kOk;
}

int RunCsv(Context& ctx, const Args& args) {
    if (args.size() != 1) return kUsage;
    if (!LoadLeagueForCommand(ctx, args[0])) return kFailed;
    ctx.out << exchange::RoundsCsv(ctx.data);
    return kOk;
}

int RunImport(Context& ctx, const Args& args) {
    bool dryRun = false, keepGood = false;
    exchange::ImportOptions options;
    std::vector<std::string> names;
    for (OptionReader in(args); in.more();) {
        if (!in.flag("--dry-run", dryRun) && !in.flag("--keep-good-rows", keepGood) &&
            !in.flag("--allow-older", options.allowOlder) && !in.word(names))
            return kUsage;
    }
    if (names.size() != 2) return kUsage;
    std::ifstream in(names[1], std::ios::binary);
    if (!in) {
        ctx.err << "quorval-cli: cannot read " << names[1] << '\n';
        return kFailed;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!LoadLeagueForCommand(ctx, names[0])) return kFailed;
    // Teams are read first, so that writing the team file for an added player keeps them.
    if (players::HasTeamFile(ctx.data)) store::LoadTeamAssignments(ctx.data);

    // The rounds go into a copy first: with a problem the league stays as it was unless asked.
    auto trial = std::make_unique<store::LeagueData>(ctx.data);
    exchange::ImportReport report = exchange::ImportRoundsCsv(*trial, bytes, options);
    for (const std::string& line : exchange::DescribeImport(report)) ctx.out << line << '\n';
    bool problems = !report.problems.empty();
    if (dryRun) {
        ctx.out << "dry run: nothing was saved\n";
        return problems ? kFailed : kOk;
    }
    if (problems && !keepGood) {
        ctx.err << "quorval-cli: nothing was saved; fix the rows above or use --keep-good-rows\n";
        return kFailed;
    }
    if (report.posted == 0 && report.playersAdded.empty()) return problems ? kFailed : kOk;
    ctx.data = *trial;
    bool saved = players::SaveRoster(ctx.data, ctx.dialogs, !report.playersAdded.empty());
    if (!saved) ctx.err << "quorval-cli: nothing was saved\n";
    return problems || !saved ? kFailed : kOk;
}

}  // namespace quorval::cli
