#include "ui/reports/weeklycommands.hpp"

#include "dates/dateorder.hpp"
#include "publish/site.hpp"
#include "store/teamfile.hpp"

namespace quorval::gui {

namespace {

void tell(platform::Services& services, const std::string& text, platform::Icon icon) {
    services.dialogs.message({text, "Quorval", platform::Buttons::Ok, icon});
}

}  // namespace

void PrintResultsOfDay(platform::Services& services, const std::optional<results::PlayDate>& suggested) {
    std::optional<results::PlayDate> offered = suggested;
    if (!offered) {
        auto dates = results::DatesPlayed(services.data);
        if (!dates.empty()) offered = dates.back();
    }
    const store::DateOrder order = services.data.settings.dateOrder;
    auto typed = services.dialogs.input("Print the results of the day played on (" + dates::OrderPattern(order) + "):",
                                        "Results of a Day", offered ? results::DateText(*offered, order) : "");
    if (!typed) return;
    auto date = results::ParseDate(*typed, order);
    if (!date) {
        tell(services, dates::RefusedMessage(order, *typed), platform::Icon::Exclamation);
        return;
    }
    services.dialogs.beginBusy("");
    bool printed = results::PrintResults(services.printer, services.data, {*date});
    services.dialogs.endBusy();
    if (!printed)
        tell(services, "No rounds were played on " + results::DateText(*date, order) + ".",
             platform::Icon::Information);
}

void PublishLeaguePages(platform::Services& services) {
    auto folder = services.dialogs.chooseFolder("Publish League Pages");
    if (!folder || folder->empty()) return;
    services.dialogs.beginBusy("Writing the league pages ...");
    // The teams page shows what the team file holds now.
    store::LoadTeamAssignments(services.data);
    publish::PublishResult result = publish::PublishSite(services.data, *folder);
    services.dialogs.endBusy();
    if (!result.ok) {
        tell(services, "The league pages were not written:\r\n" + result.problem, platform::Icon::Exclamation);
        return;
    }
    tell(services,
         platform::joinLines({"The league pages are in " + *folder + ".", "",
                              "Open index.html there in a browser, or copy the folder to your web space."}),
         platform::Icon::Information);
}

}  // namespace quorval::gui
