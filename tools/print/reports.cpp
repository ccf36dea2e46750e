#include "print/reports.hpp"

#include "analysis/hcpgraph.hpp"
#include "analysis/scoring.hpp"
#include "analysis/statistics.hpp"
#include "courses/chcpchart.hpp"
#include "listing/listing.hpp"
#include "platform/streamdialogs.hpp"
#include "play/leaguematches.hpp"
#include "play/matchprint.hpp"
#include "play/matchreport.hpp"
#include "play/schedule.hpp"
#include "play/sidegamereport.hpp"
#include "reports/comparechart.hpp"
#include "reports/hcpcards.hpp"
#include "reports/listingreport.hpp"
#include "reports/schedulereport.hpp"
#include "reports/scorecards.hpp"
#include "results/dayresults.hpp"
#include "store/schedulefile.hpp"
#include "store/teamfile.hpp"
#include "teams/teampoints.hpp"
#include "ui/reports/hcpcardswindow.hpp"

#include <iostream>

namespace quorval::printtool {

namespace {

// The listing as the main window shows it on opening a league: each player's latest rounds.
std::vector<listing::Row> latestRows(store::LeagueData& data) {
    listing::Listing listing;
    listing.setView(listing::View::MostRecent);
    listing::Listing::ShowLatestRounds(data);
    listing.ListMostRecent(data);
    return listing.rows();
}

Outcome listing(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error,
                bool withHoles) {
    const std::vector<listing::Row> rows = latestRows(data);
    // The heading and the separator come first; without a round line the window prints nothing.
    if (rows.size() < 3) {
        error = "the league has no rounds to list";
        return Outcome::NothingToPrint;
    }
    if (withHoles) {
        reports::printlongreport(printer, data, rows, options.date);
    } else {
        reports::printshortreport(printer, data, rows, options.date);
    }
    return Outcome::Printed;
}

Outcome listingLong(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    return listing(printer, data, options, error, true);
}

Outcome listingShort(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    return listing(printer, data, options, error, false);
}

Outcome compare(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    const std::vector<std::string> lines = reports::CompareLines(data);
    if (lines.empty()) {
        error = "no player of the league has an index";
        return Outcome::NothingToPrint;
    }
    reports::PrintCompareChart(printer, data, lines, options.date);
    return Outcome::Printed;
}

// The players asked for, each one of the league; all of them when none was asked for.
bool chosenPlayers(const store::LeagueData& data, const Options& options, std::vector<int>& players,
                   std::string& error) {
    players = options.players;
    if (players.empty()) {
        for (int p = 1; p <= data.playerCount; ++p) players.push_back(p);
    }
    for (int p : players) {
        if (p < 1 || p > data.playerCount) {
            error = "the league has no player " + std::to_string(p);
            return false;
        }
    }
    return !players.empty() || (error = "the league has no players", false);
}

Outcome cards(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    std::vector<int> players;
    if (!chosenPlayers(data, options, players, error)) return Outcome::NothingToPrint;
    for (int p = 1; p <= store::kMaxPlayers; ++p) data.players[p].selected = 0;
    for (int p : players) data.players[p].selected = 1;
    reports::PrintHandicapCards(printer, data, {options.date, gui::ToPicture(gui::CardPicture())});
    return Outcome::Printed;
}

// Answers the chart's tee question with the tee given on the command line.
class TeeAnswer : public platform::StreamDialogs {
public:
    explicit TeeAnswer(int tee) : StreamDialogs(std::cerr), m_tee(tee) {}
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::to_string(m_tee);
    }

private:
    int m_tee;
};

Outcome courseChart(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    if (options.course == 0 || !store::IsTee(options.tee)) return Outcome::Usage;
    if (options.course < 1 || options.course > data.courseCount) {
        error = "there is no course " + std::to_string(options.course);
        return Outcome::NothingToPrint;
    }
    TeeAnswer dialogs(options.tee);
    if (courses::PrintChcpChart(data, dialogs, printer, options.course) != courses::ChartOutcome::Printed) {
        error.clear();  // the chart's own message has said why, on stderr
        return Outcome::NothingToPrint;
    }
    return Outcome::Printed;
}

// The one player the player reports are about; the usage error when none or several were given.
Outcome onePlayer(const store::LeagueData& data, const Options& options, int& player, std::string& error) {
    if (options.players.size() != 1) return Outcome::Usage;
    player = options.players.front();
    if (player < 1 || player > data.playerCount) {
        error = "the league has no player " + std::to_string(player);
        return Outcome::NothingToPrint;
    }
    return Outcome::Printed;
}

Outcome stats(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    int player = 0;
    if (Outcome o = onePlayer(data, options, player, error); o != Outcome::Printed) return o;
    if (!analysis::FindStatRounds(data, player).statsFound) {
        error = "player " + std::to_string(player) + " has no rounds with statistics";
        return Outcome::NothingToPrint;
    }
    analysis::PrintStatSummary(printer, data, data.players[player].name, analysis::CalcAverages(data, player),
                               options.date);
    return Outcome::Printed;
}

Outcome review(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    int player = 0;
    if (Outcome o = onePlayer(data, options, player, error); o != Outcome::Printed) return o;
    if (!analysis::FindStatRounds(data, player).statsFound) {
        error = "player " + std::to_string(player) + " has no rounds with statistics";
        return Outcome::NothingToPrint;
    }
    analysis::PrintStatReview(printer, data, data.players[player].name, analysis::CycleReports(data, player));
    return Outcome::Printed;
}

Outcome graph(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    int player = 0;
    if (Outcome o = onePlayer(data, options, player, error); o != Outcome::Printed) return o;
    if (data.players[player].roundCount < 1) {
        error = "player " + std::to_string(player) + " has no rounds";
        return Outcome::NothingToPrint;
    }
    data.currentPlayer = static_cast<int16_t>(player);
    analysis::PrintHcpGraph(printer, data, player, options.date);
    return Outcome::Printed;
}

Outcome scoring(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    int player = 0;
    if (Outcome o = onePlayer(data, options, player, error); o != Outcome::Printed) return o;
    if (analysis::CountScores(data, player).holes == 0) {
        error = "player " + std::to_string(player) + " has no hole scores";
        return Outcome::NothingToPrint;
    }
    data.currentPlayer = static_cast<int16_t>(player);
    analysis::PrintScoringChart(printer, data, player, options.date);
    return Outcome::Printed;
}

Outcome teamSummary(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    store::LoadTeamAssignments(data);
    if (data.teams.teamsInUse != 1 || data.teams.teamCount < 1) {
        error = "the league has no teams";
        return Outcome::NothingToPrint;
    }
    teams::PrintTeamSummary(printer, data, true, false, options.date);
    return Outcome::Printed;
}

Outcome schedule(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    store::LoadTeamAssignments(data);
    store::Schedule season;
    platform::StreamDialogs dialogs(std::cerr);
    if (!store::LoadScheduleFile(data, season, dialogs).ok || season.matches.empty()) {
        error = "the league has no season schedule";
        return Outcome::NothingToPrint;
    }
    reports::PrintSchedule(printer, data, season, options.date);
    return Outcome::Printed;
}

Outcome dayResults(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    std::optional<results::PlayDate> date = results::ParseDate(options.playDate, data.settings.dateOrder);
    if (!date) return Outcome::Usage;
    if (!results::PrintResults(printer, data, {*date})) {
        error = "no round of the league was played on " + results::DateText(*date, data.settings.dateOrder);
        return Outcome::NothingToPrint;
    }
    return Outcome::Printed;
}

Outcome scorecards(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    std::optional<results::PlayDate> date = results::ParseDate(options.playDate, data.settings.dateOrder);
    if (options.course == 0 || !store::IsTee(options.tee) || !date) return Outcome::Usage;
    if (options.course < 1 || options.course > store::kMaxCourses ||
        data.courses[options.course][store::course_field::kName].empty()) {
        error = "there is no course " + std::to_string(options.course);
        return Outcome::NothingToPrint;
    }
    std::vector<int> players;
    if (!chosenPlayers(data, options, players, error)) return Outcome::NothingToPrint;
    if (!reports::PrintScorecards(printer, data, {options.course, options.tee, *date, players})) {
        error = "there is no scorecard to print";
        return Outcome::NothingToPrint;
    }
    return Outcome::Printed;
}

Outcome sideGame(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error,
                 play::SideGame game) {
    std::optional<results::PlayDate> date = results::ParseDate(options.playDate, data.settings.dateOrder);
    if (!date || (!options.buyIn.empty() && !options.pot.empty())) return Outcome::Usage;
    play::SideGamePrint what;
    what.game = game;
    what.request = {*date, {}, options.players, !options.gross, 100};
    if (options.course != 0) {
        if (options.course < 1 || options.course > store::kMaxCourses ||
            data.courses[options.course][store::course_field::kName].empty()) {
            error = "there is no course " + std::to_string(options.course);
            return Outcome::NothingToPrint;
        }
        what.request.course = data.courses[options.course][store::course_field::kName];
    }
    if (options.allowance != 0)
        what.request.allowance = options.allowance;
    else if (game == play::SideGame::Stableford)
        what.request.allowance = play::DefaultStablefordAllowance(data);
    what.skins.ties = options.ties.empty()      ? (data.options.skinsCarry ? play::Ties::Carry : play::Ties::None)
                      : options.ties == "carry" ? play::Ties::Carry
                                                : play::Ties::None;
    what.skins.buyIn = data.options.skinsBuyIn;
    for (const auto& [text, into] : {std::pair{&options.buyIn, "buy-in"}, std::pair{&options.pot, "pot"}}) {
        if (text->empty()) continue;
        std::optional<play::Cents> cents = play::ParseAmount(*text);
        if (!cents) {
            error = std::string("the ") + into + " must be an amount of 0 or more, like 5 or 2.50";
            return Outcome::NothingToPrint;
        }
        if (text == &options.pot)
            what.skins.pot = *cents;
        else
            what.skins.buyIn = *cents;
    }
    return play::PrintSideGame(printer, data, what, error) ? Outcome::Printed : Outcome::NothingToPrint;
}

Outcome skins(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    return sideGame(printer, data, options, error, play::SideGame::Skins);
}

Outcome stableford(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    return sideGame(printer, data, options, error, play::SideGame::Stableford);
}

// The league's schedule with its teams; false, with the reason on `error`, when it has none.
bool scheduleOf(store::LeagueData& data, store::Schedule& schedule, std::string& error) {
    store::LoadTeamAssignments(data);
    platform::StreamDialogs dialogs(std::cerr);
    if (!store::HasScheduleFile(data) || !store::LoadScheduleFile(data, schedule, dialogs).ok ||
        schedule.matches.empty()) {
        error = "the league has no schedule";
        return false;
    }
    return true;
}

// The scored matchups of --date; Usage without a date.
Outcome matchesOfDate(store::LeagueData& data, const Options& options, std::string& error,
                      std::vector<play::SideMatch>& matches, play::Day& date) {
    std::optional<play::Day> day = play::ParseShortDate(options.playDate, data.settings.dateOrder);
    if (!day) return Outcome::Usage;
    date = *day;
    store::Schedule schedule;
    if (!scheduleOf(data, schedule, error)) return Outcome::NothingToPrint;
    error = play::MatchesOn(schedule, data, date, matches);
    if (!error.empty()) return Outcome::NothingToPrint;
    if (matches.empty()) {
        error = "every side has a bye on " + play::ShortDate(date, data.settings.dateOrder);
        return Outcome::NothingToPrint;
    }
    return Outcome::Printed;
}

Outcome matches(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    std::vector<play::SideMatch> matches;
    play::Day date{};
    Outcome found = matchesOfDate(data, options, error, matches, date);
    if (found != Outcome::Printed) return found;
    play::PrintSheet(printer, data, "Matches of " + play::ShortDate(date, data.settings.dateOrder),
                     play::MatchLines(data, matches));
    return Outcome::Printed;
}

Outcome matchCards(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    std::vector<play::SideMatch> matches;
    play::Day date{};
    Outcome found = matchesOfDate(data, options, error, matches, date);
    if (found != Outcome::Printed) return found;
    int course = options.course;
    for (const play::SideMatch& m : matches)
        for (const play::Pairing& p : m.pairings)
            if (course == 0 && p.course > 0) course = p.course;
    if (course < 1 || course > store::kMaxCourses || data.courses[course][store::course_field::kName].empty()) {
        error = "there is no course " + std::to_string(course) + "; name one with --course";
        return Outcome::NothingToPrint;
    }
    if (!play::PrintMatchCards(printer, data, play::MatchCards(data, date, matches, course), course)) {
        error = "no pairing of " + play::ShortDate(date, data.settings.dateOrder) + " has two players";
        return Outcome::NothingToPrint;
    }
    return Outcome::Printed;
}

Outcome standings(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error) {
    std::optional<play::Day> from, to;
    if (!options.fromDate.empty() && !(from = play::ParseShortDate(options.fromDate, data.settings.dateOrder)))
        return Outcome::Usage;
    if (!options.toDate.empty() && !(to = play::ParseShortDate(options.toDate, data.settings.dateOrder)))
        return Outcome::Usage;
    store::Schedule schedule;
    if (!scheduleOf(data, schedule, error)) return Outcome::NothingToPrint;
    std::string title = "Standings";
    if (from || to)
        title += " " + (from ? play::ShortDate(*from, data.settings.dateOrder) : "") + " to " +
                 (to ? play::ShortDate(*to, data.settings.dateOrder) : "");
    play::PrintSheet(printer, data, title, play::StandingLines(play::SeasonStandings(schedule, data, from, to)));
    return Outcome::Printed;
}

}  // namespace

const std::map<std::string, Report>& Reports() {
    static const std::map<std::string, Report> kReports = {
        {"listing-long", {listingLong, ""}},
        {"listing-short", {listingShort, ""}},
        {"compare", {compare, ""}},
        {"cards", {cards, "[--player N | --players N,M,...]"}},
        {"course-chart", {courseChart, "--course C --tee T"}},
        {"stats", {stats, "--player N"}},
        {"review", {review, "--player N"}},
        {"graph", {graph, "--player N"}},
        {"scoring", {scoring, "--player N"}},
        {"team-summary", {teamSummary, ""}},
        {"results", {dayResults, "--date MM/DD/YY"}},
        {"schedule", {schedule, ""}},
        {"skins",
         {skins,
          "--date MM/DD/YY [--course C] [--gross] [--allowance P] [--ties none|carry] [--buy-in A | --pot A] "
          "[--players N,M,...]"}},
        {"stableford", {stableford, "--date MM/DD/YY [--course C] [--allowance P] [--players N,M,...]"}},
        {"scorecards", {scorecards, "--course C --tee T --date MM/DD/YY [--players N,M,...]"}},
        {"matches", {matches, "--date MM/DD/YY"}},
        {"matchcards", {matchCards, "--date MM/DD/YY [--course C]"}},
        {"standings", {standings, "[--from MM/DD/YY] [--to MM/DD/YY]"}},
    };
    return kReports;
}

}  // namespace quorval::printtool
