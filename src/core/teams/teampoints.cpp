#include "teams/teampoints.hpp"

#include <algorithm>

#include "print/printfont.hpp"
#include "text/fit.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::teams {

namespace {

constexpr size_t kListDescriptionWidth = 61;
constexpr size_t kPrintedDescriptionWidth = 60;  // with the four-blank margin
constexpr size_t kMemberLineWidth = 70;
constexpr int kHeadingBreakLine = 45;
constexpr int kEntryBreakLine = 52;
constexpr float kPointsSize = 10;
constexpr size_t kPointsWidth = 6;  // -999.9 to 9999.9
const std::string kMargin = "    ";

std::string oneDecimal(float value) {
    return text::formatPattern(value, "###0.0");
}

// Print font, size 10: every page of the summary starts so.
void selectSummaryFont(platform::Printer& printer, const store::LeagueData& data) {
    print::SelectPrintFont(printer, data.settings);
    printer.setFontName(data.settings.printFont);
    printer.setFontSize(kPointsSize);
}

void breakPage(platform::Printer& printer, const store::LeagueData& data, SummaryRun& run) {
    printer.newPage();
    run.lineCount = 2;
    selectSummaryFont(printer, data);
    printer.print(" ");
    printer.print(" ");
}

// The members wrapped into lines shorter than 70 characters before the next name is added.
std::vector<std::string> memberLines(const store::LeagueData& data, int team) {
    std::vector<std::string> lines{kMargin};
    for (int p = 1; p <= data.playerCount; ++p) {
        if (data.players[p].team != team) continue;
        const std::string name = text::ShortenName(data.players[p].name, kMemberLineWidth - kMargin.size() - 2);
        if (text::CharLength(lines.back()) + text::CharLength(name) < kMemberLineWidth) {
            lines.back() += name + ", ";
        } else {
            lines.back().pop_back();  // no blank at the end of a line
            lines.push_back(kMargin + name + ", ");
        }
    }
    std::string& last = lines.back();
    last.erase(last.size() - 2);  // the comma and blank after the last name
    return lines;
}

// The line naming the entries' columns, over them.
std::string entryHeading() {
    return kMargin + text::PadRight("Event or comment", kPrintedDescriptionWidth - kMargin.size()) +
           text::PadLeft("Count", kPointsWidth) + "   " + text::PadLeft("Points", kPointsWidth);
}

}  // namespace

std::string TeamNumberText(const store::LeagueData& data, int team) {
    return "Team # " + std::to_string(team) + " of " + std::to_string(data.teams.teamCount);
}

std::string MemberText(const store::LeagueData& data, int team) {
    std::string members;
    for (int p = 1; p <= data.playerCount; ++p) {
        if (data.players[p].team == team) members += (members.empty() ? "" : ", ") + data.players[p].name;
    }
    return members;
}

std::string PointsColumn(float value) {
    // Right-aligned as a whole, so a minus sign takes a blank's place instead of widening the column.
    return text::PadLeft(oneDecimal(value), kPointsWidth);
}

std::string EntryListLine(const store::TeamEntry& entry) {
    return text::FitColumn(entry.description, kListDescriptionWidth) + PointsColumn(entry.keptTotal) + "   " +
           PointsColumn(entry.points);
}

std::vector<std::string> listinfo(const store::LeagueData& data, int team) {
    std::vector<std::string> lines;
    for (int e = 1; e <= data.teams.teamEntryCount[team]; ++e)
        lines.push_back(EntryListLine(data.teams.teamEntries[team][e]));
    return lines;
}

float countpoints(const store::LeagueData& data, int team) {
    float total = 0;
    for (int e = 1; e <= data.teams.teamEntryCount[team]; ++e) total += data.teams.teamEntries[team][e].points;
    return total;
}

AddOutcome AddTeamEntry(store::LeagueData& data, platform::Dialogs& dialogs, int team, const std::string& description,
                        const std::string& pointsText, const std::string& keptText) {
    if (description.empty() && pointsText.empty()) {
        platform::Refuse(dialogs, "Type an event or comment, or the points to add, first.", "Team Point Records");
        return AddOutcome::Beeped;
    }
    int16_t& count = data.teams.teamEntryCount[team];
    if (count >= store::kMaxTeamEntries) {
        dialogs.message({platform::joinLines({"This team's record is full: it holds " +
                                                  std::to_string(store::kMaxTeamEntries) + " entries.",
                                              "Remove old entries before adding new ones."}),
                         "Team Point Records", platform::Buttons::Ok, platform::Icon::Exclamation});
        return AddOutcome::Full;
    }
    ++count;
    store::TeamEntry& entry = data.teams.teamEntries[team][count];
    entry.description = description;
    entry.keptTotal = static_cast<float>(text::leadingNumber(keptText));
    entry.points = static_cast<float>(text::leadingNumber(pointsText));
    return AddOutcome::Added;
}

int RemoveTeamEntries(store::LeagueData& data, int team, const std::vector<int>& rows) {
    auto& entries = data.teams.teamEntries[team];
    int16_t& count = data.teams.teamEntryCount[team];
    int kept = 0;
    for (int e = 1; e <= count; ++e) {
        if (std::find(rows.begin(), rows.end(), e - 1) != rows.end()) continue;
        ++kept;
        if (kept != e) entries[kept] = std::move(entries[e]);
    }
    // The freed slots are emptied, so that nothing of a removed entry lingers past the count.
    for (int e = kept + 1; e <= count; ++e) entries[e] = store::TeamEntry{};
    int removed = count - kept;
    count = static_cast<int16_t>(kept);
    return removed;
}

bool checkfornewinfo(platform::Dialogs& dialogs, const std::string& pointsText, const std::string& keptText) {
    if (pointsText.empty() && keptText.empty()) return false;
    platform::Answer answer =
        dialogs.message({"Points were entered but not added to the list.   "
                         "Do you want to add them to this team's Record "
                         "before switching to another team or exiting?",
                         "Team Point Records", platform::Buttons::YesNo, platform::Icon::Question});
    return answer == platform::Answer::Yes;
}

void Teamheading(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run) {
    if (run.lineCount > kHeadingBreakLine) breakPage(printer, data, run);
    printer.print(" ");
    printer.print(kMargin + std::string(80, '-'));
    printer.print(kMargin + "Team: " + data.teams.teamNames[TM]);
    printer.print(" ");
    run.lineCount += 4;
}

void PrintTeamName(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run) {
    // A big team may need many lines; all of them are printed, however many.
    std::vector<std::string> lines = memberLines(data, TM);
    for (const std::string& line : lines) printer.print(line);
    printer.print(" ");
    run.lineCount += static_cast<int>(lines.size()) + 1;
}

void TeamEntries(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run) {
    int count = data.teams.teamEntryCount[TM];
    printer.print(entryHeading());
    ++run.lineCount;
    for (int e = run.lastEventOnly ? count : 1; e >= 1 && e <= count; ++e) {
        const store::TeamEntry& entry = data.teams.teamEntries[TM][e];
        printer.print(kMargin + text::FitColumn(entry.description, kPrintedDescriptionWidth - kMargin.size()) +
                      PointsColumn(entry.keptTotal) + "   " + PointsColumn(entry.points));
        ++run.lineCount;
        if (run.lineCount > kEntryBreakLine) {
            breakPage(printer, data, run);
            // Entries running on to the new page sit under their headings again.
            if (e < count) {
                printer.print(entryHeading());
                ++run.lineCount;
            }
        }
    }
}

void TeamFooter(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run) {
    // A team without entries shows the kept total of the empty slot 0: zero.
    float kept = data.teams.teamEntries[TM][data.teams.teamEntryCount[TM]].keptTotal;
    float total = countpoints(data, TM);
    printer.print(std::string(kPrintedDescriptionWidth, ' ') + std::string(14, '-'));
    printer.print(std::string(53, ' ') + "Total: " + PointsColumn(kept) + "   " + PointsColumn(total));
    printer.print(" ");
    run.lineCount += 3;
}

void PrintTeamSummary(platform::Printer& printer, const store::LeagueData& data, bool names, bool lastEventOnly,
                      const std::string& date) {
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Team summary");
    selectSummaryFont(printer, data);
    printer.setBold(true);
    for (int i = 0; i < 4; ++i) printer.print(" ");
    printer.print(std::string(49, ' ') + "Quorval   " + date);
    printer.print("");
    SummaryRun run{names, lastEventOnly};
    for (int t = 1; t <= data.teams.teamCount; ++t) {
        Teamheading(printer, data, t, run);
        if (run.names) PrintTeamName(printer, data, t, run);
        TeamEntries(printer, data, t, run);
        TeamFooter(printer, data, t, run);
    }
    printer.endDoc();
}

}  // namespace quorval::teams
