#include "cli/commands.hpp"
#include "dates/dateorder.hpp"
#include "store/settingsfile.hpp"

namespace quorval::cli {

int RunDateOrder(Context& ctx, const Args& args) {
    if (args.size() > 1) return kUsage;
    store::LeagueData& data = ctx.data;
    store::LoadSettingsFile(data);
    if (!args.empty()) {
        auto order = dates::OrderOfKey(args[0]);
        if (!order) {
            ctx.err << "quorval-cli: \"" << args[0] << "\" is no date order: give mdy, dmy or ymd\n";
            return kUsage;
        }
        data.settings.dateOrder = *order;
        if (!store::SaveSettingsFile(data, ctx.dialogs)) {
            ctx.err << "quorval-cli: cannot write " << data.settings.settingsFilePath << "; nothing was changed\n";
            return kFailed;
        }
    }
    store::DateOrder order = data.settings.dateOrder;
    ctx.out << dates::OrderKey(order) << "  " << dates::OrderWords(order) << ", as "
            << dates::ShortDate(order, 10, 27, 26) << '\n';
    return kOk;
}

std::string UsageInOrder(const std::string& usage, store::DateOrder order) {
    const std::string pattern = dates::OrderPattern(order);
    return dates::InOrder(usage, order) + "dates are typed " + dates::OrderWords(order) + " (" + pattern +
           ") or YYYY-MM-DD and shown so (with --iso, YYYY-MM-DD); quorval-cli date-order sets the order\n";
}

}  // namespace quorval::cli
