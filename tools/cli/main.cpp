// quorval-cli: the league files from the command line, through the same code the program uses.
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "cli/commands.hpp"
#include "cli/systemclock.hpp"
#include "platform/streamdialogs.hpp"
#include "store/folderlock.hpp"
#include "store/settingsfile.hpp"

namespace {

const char* const kUsageText =
    "usage: quorval-cli [-C DIR] COMMAND [ARGS]\n"
    "commands:\n"
    "       quorval-cli --help | --version\n"
    "  check           load every data file in DIR and list what is wrong\n"
    "  resave LEAGUE   load LEAGUE.LGE and write it back in the current layout\n"
    "  listing LEAGUE [--view recent|date|player] [--player N] [--step K]\n"
    "                  print the round listing as the main window shows it: names, a TAB, the\n"
    "                  round line; --step presses the spin button K times (negative: earlier)\n"
    "  post LEAGUE --player N --course C --date MM/DD/YY --scores S1,...,S18 [--tee T]\n"
    "       [--out X --in Y] [--putts P1,...,P18 --fairways F --greens G] [--edit SLOT]\n"
    "                  post a round as the score window does (F and G: 18 letters y or n;\n"
    "                  T: Red, White, Blue or 1, 2, 3)\n"
    "  delete-round LEAGUE --player N --slot R\n"
    "                  delete a stored round as the round editor does\n"
    "  demo            fill DIR with a demo league (only where no league list exists yet)\n"
    "  export LEAGUE FILE\n"
    "                  write the listing's text export (the Most Recent view) to FILE\n"
    "  csv LEAGUE      print every stored round of the league as CSV\n"
    "  import LEAGUE FILE [--dry-run] [--keep-good-rows] [--allow-older]\n"
    "                  post the rounds of a CSV file (the csv layout, columns in any order);\n"
    "                  with a bad row nothing is saved unless --keep-good-rows is given\n"
    "  rules LEAGUE [classic|whs] [--allowance P] [--recompute]\n"
    "                  show or set the league's handicap rules and allowance (percent 1..100);\n"
    "                  --recompute works every round out again in date order (after a copy\n"
    "                  LEAGUE.LGE.before-recompute)\n"
    "  stroke-index COURSE [SI1,...,SI18]\n"
    "                  show or set a course's stroke indexes (COURSE: slot number or name)\n"
    "  publish LEAGUE DIR\n"
    "                  write the league's web pages into DIR (made if missing)\n"
    "  play LEAGUE [--hole P] [--halve P] [--match P] [--team-total P] [--allowance P]\n"
    "       [--forfeit all|none]\n"
    "                  show or set how league matches are scored (points per hole won, per\n"
    "                  halved hole, for the lower net, for the lower team net; allowance 1..100);\n"
    "                  setting waits for the folder as the commands that write do\n"
    "  matches LEAGUE --date MM/DD/YY [--csv] [--record]\n"
    "                  score the matchups of a scheduled date from the rounds posted; --record\n"
    "                  writes each team's points as its point entry (waits for the folder)\n"
    "  standings LEAGUE [--from MM/DD/YY] [--to MM/DD/YY] [--csv]\n"
    "                  the standings over the schedule's dates, or those from..to\n"
    "  schedule LEAGUE [--csv]\n"
    "  schedule LEAGUE --make --start MM/DD/YY --weeks W [--every DAYS] [--skip MM/DD/YY,...]\n"
    "       [--individual] [--tee-times HH:MM,MIN | --shotgun] [--replace]\n"
    "  schedule LEAGUE --rainout MM/DD/YY\n"
    "  schedule LEAGUE --sub MM/DD/YY --for N --by M\n"
    "                  show the season schedule (or its CSV), make it (--replace for a new one),\n"
    "                  move a rained-out date to a new last week, or let player M play for N\n"
    "  skins LEAGUE --date MM/DD/YY [--course C] [--gross] [--allowance P] [--ties none|carry]\n"
    "       [--buy-in AMOUNT | --pot AMOUNT] [--players N,...] [--csv] [--totals [--from D] [--to D]]\n"
    "                  the skins of a date (or, with --totals, each player's skins and money)\n"
    "  stableford LEAGUE --date MM/DD/YY [--course C] [--allowance P] [--players N,...] [--csv]\n"
    "                  the Stableford table of a date\n"
    "  restore BACKUPDIR [--dry-run] [--settings]\n"
    "                  put a backup's data files back, after loading every one of them\n"
    "  date-order [mdy|dmy|ymd]\n"
    "                  show or set the order dates are typed and shown in (month/day/year,\n"
    "                  day/month/year, year-month-day); --iso after any command shows YYYY-MM-DD\n"
    "commands that write (post, delete-round, resave, demo, import, restore, schedule when it changes,\n"
    "and rules or stroke-index when they set) wait up to 5 seconds while Quorval or another\n"
    "quorval-cli holds the folder, then stop with exit status 3; failures exit with 1\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace quorval;
    std::vector<std::string> args(argv + 1, argv + argc);
    // The usage names dates in the user's order, so the settings are read before anything else.
    auto data = std::make_unique<store::LeagueData>();
    store::LoadSettingsFile(*data);
    const store::DateOrder typedOrder = data->settings.dateOrder;
    const std::string usage = cli::UsageInOrder(kUsageText, typedOrder);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "quorval-cli " << QUORVAL_VERSION << '\n';
        return 0;
    }
    // FILE and WEBDIR are named from where the command was typed, not from the data folder.
    std::error_code cwdError;
    const std::filesystem::path typedIn = std::filesystem::current_path(cwdError);
    if (args.size() >= 2 && args[0] == "-C") {
        // demo fills a new folder, so it may name one that does not exist yet.
        std::error_code made;
        if (args.size() >= 3 && args[2] == "demo") std::filesystem::create_directories(args[1], made);
        if (::chdir(args[1].c_str()) != 0) {
            std::cerr << "quorval-cli: cannot change to " << args[1] << ": " << std::strerror(errno) << '\n';
            return cli::kUsage;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) {
        std::cerr << usage;
        return cli::kUsage;
    }
    auto iso = std::find(args.begin(), args.end(), "--iso");
    const bool isoOutput = iso != args.end() && iso != args.begin();
    if (isoOutput) args.erase(iso);
    const std::map<std::string, int (*)(cli::Context&, const cli::Args&)> commands = {
        {"check", cli::RunCheck},
        {"resave", cli::RunResave},
        {"listing", cli::RunListing},
        {"post", cli::RunPost},
        {"delete-round", cli::RunDeleteRound},
        {"demo", cli::RunDemo},
        {"export", cli::RunExport},
        {"csv", cli::RunCsv},
        {"import", cli::RunImport},
        {"rules", cli::RunRules},
        {"stroke-index", cli::RunStrokeIndex},
        {"publish", cli::RunPublish},
        {"play", cli::RunPlay},
        {"matches", cli::RunMatches},
        {"standings", cli::RunStandings},
        {"schedule", cli::RunSchedule},
        {"skins", cli::RunSkins},
        {"stableford", cli::RunStableford},
        {"restore", cli::RunRestore},
        {"date-order", cli::RunDateOrder},
    };
    if ((args[0] == "import" || args[0] == "export" || args[0] == "publish" || args[0] == "restore") &&
        !typedIn.empty()) {
        for (size_t i = args[0] == "restore" ? 1 : 2; i < args.size(); ++i) {
            if (!args[i].starts_with("--") && std::filesystem::path(args[i]).is_relative()) {
                args[i] = (typedIn / args[i]).lexically_normal().string();
                break;
            }
        }
    }
    auto command = commands.find(args[0]);
    if (command == commands.end()) {
        std::cerr << "quorval-cli: unknown command " << args[0] << "\n" << usage;
        return cli::kUsage;
    }
    // Commands that write hold the data folder for their run, as the program does while it runs.
    static const std::set<std::string> kWriters = {"post", "delete-round", "resave", "demo", "import", "restore"};
    store::FolderLock lock("quorval-cli");
    // rules and stroke-index write only when given something to set.
    static const std::set<std::string> kSetters = {"rules", "stroke-index", "play"};
    bool writes = kWriters.count(args[0]) || (kSetters.count(args[0]) && args.size() > 2) ||
                  (args[0] == "schedule" && cli::ScheduleWrites(args));
    writes = writes || (args[0] == "matches" && std::find(args.begin(), args.end(), "--record") != args.end());
    if (writes && !cli::TakeFolderLock(lock, std::cerr)) return cli::kLocked;
    store::FillMonthNames(*data);
    if (isoOutput) data->settings.dateOrder = store::DateOrder::kYearMonthDay;
    platform::StreamDialogs dialogs(std::cerr);
    cli::SystemClock clock;
    cli::Context ctx{*data, dialogs, std::cout, std::cerr, clock, typedOrder, isoOutput};
    int result = command->second(ctx, cli::Args(args.begin() + 1, args.end()));
    if (result == cli::kUsage) std::cerr << usage;
    return result;
}
