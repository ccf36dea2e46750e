#include <charconv>

#include "cli/commands.hpp"
#include "listing/listing.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "text/names.hpp"

namespace quorval::cli {

namespace {

struct ListingOptions {
    std::string league;
    listing::View view = listing::View::MostRecent;
    int player = 0;
    int step = 0;
};

bool parseInt(const std::string& text, int& value) {
    auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

bool parseOptions(const Args& args, ListingOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        if (arg == "--view" && hasValue) {
            const std::string& v = args[++i];
            if (v == "recent") {
                options.view = listing::View::MostRecent;
            } else if (v == "date") {
                options.view = listing::View::ByDate;
            } else if (v == "player") {
                options.view = listing::View::Individual;
            } else {
                return false;
            }
        } else if (arg == "--player" && hasValue) {
            if (!parseInt(args[++i], options.player)) return false;
        } else if (arg == "--step" && hasValue) {
            if (!parseInt(args[++i], options.step)) return false;
        } else if (options.league.empty() && !arg.starts_with("--")) {
            options.league = arg;
        } else {
            return false;
        }
    }
    return !options.league.empty();
}

}  // namespace

int RunListing(Context& ctx, const Args& args) {
    ListingOptions options;
    if (!parseOptions(args, options)) return kUsage;
    store::LeagueData& data = ctx.data;
    if (!LoadLeagueForCommand(ctx, options.league)) return kFailed;

    listing::Listing listing;
    listing.setView(options.view);
    switch (options.view) {
        case listing::View::MostRecent:
            listing::Listing::ShowLatestRounds(data);
            listing.ListMostRecent(data);
            break;
        case listing::View::ByDate:
            listing.ListByDate(data);
            break;
        case listing::View::Individual:
            if (options.player < 1 || options.player > data.playerCount) {
                ctx.err << "quorval-cli: the league has no player " << options.player << '\n';
                return kFailed;
            }
            listing.ListPlayerRounds(data, options.player);
            break;
    }
    listing.Spin(data, options.step);
    // A control character stored by an older version is shown, not sent to the terminal.
    for (const auto& row : listing.rows()) {
        ctx.out << text::EscapedName(row.name) << '\t' << text::EscapedName(row.line) << '\n';
    }
    return kOk;
}

}  // namespace quorval::cli
