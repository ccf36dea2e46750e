#include "cli/commands.hpp"
#include "cli/options.hpp"
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

std::optional<listing::View> viewOf(const std::string& text) {
    if (text == "recent") return listing::View::MostRecent;
    if (text == "date") return listing::View::ByDate;
    if (text == "player") return listing::View::Individual;
    return std::nullopt;
}

bool parseOptions(const Args& args, ListingOptions& options) {
    std::optional<listing::View> view;
    std::optional<int> player, step;
    OptionReader in(args);
    while (in.more()) {
        if (!in.option("--view", view, viewOf) && !in.option("--player", player, WholeNumber) &&
            !in.option("--step", step, WholeNumber) && !in.word(options.league))
            return false;
    }
    options.view = view.value_or(options.view);
    options.player = player.value_or(0);
    options.step = step.value_or(0);
    return !in.refused() && !options.league.empty();
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
