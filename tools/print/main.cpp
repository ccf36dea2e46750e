// quorval-print: any report of a league as a PDF, through the same report code the program's
// print buttons run, without a display or a print dialog.
#include <unistd.h>

#include <QApplication>
#include <QPageSize>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/options.hpp"
#include "dates/dateorder.hpp"
#include "league/leagues.hpp"
#include "platform/qtprinter.hpp"
#include "platform/streamdialogs.hpp"
#include "print/printfont.hpp"
#include "print/reports.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"

namespace {

using namespace quorval;

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// The user's date order, read once: dates are typed in it and the usage text names it.
store::DateOrder g_order = store::DateOrder::kMonthDayYear;

// "MM/DD/YY" as the user writes dates.
std::string inOrder(const std::string& text) {
    return dates::InOrder(text, g_order);
}

void usage(std::ostream& out = std::cerr) {
    out << inOrder(
        "usage: quorval-print [-C DIR] LEAGUE REPORT --pdf FILE [--player N] [--players N,M,...]\n"
        "                     [--course C --tee T] [--date MM/DD/YY] [--paper letter|a4]\n"
        "                     [--from MM/DD/YY] [--to MM/DD/YY] [--iso]\n"
        "                     (T: Red, White, Blue or 1, 2, 3)\n"
        "       quorval-print --help | --version\n");
    out << "dates are typed " << dates::OrderWords(g_order) << " (" << dates::OrderPattern(g_order)
        << ") or YYYY-MM-DD and printed so (with --iso, YYYY-MM-DD); quorval-cli date-order sets the order\n"
        << "reports:\n";
    for (const auto& [name, report] : printtool::Reports())
        out << "  " << name << (*report.arguments ? " " : "") << inOrder(report.arguments) << '\n';
}

// A date in the user's order, as the score window takes dates; the reports print it with the
// four-digit year, and the report gets it as YYYY-MM-DD, which reads in every order.
bool printedDate(const std::string& text, std::string& date, std::string& iso, store::DateOrder shown) {
    auto typed = dates::ParseDate(g_order, text);
    if (!typed) {
        std::cerr << "quorval-print: " << dates::RefusedMessage(g_order, text) << '\n';
        return false;
    }
    date = print::PrintDate(store::CalendarYear(typed->year), typed->month, typed->day, shown);
    iso = dates::IsoDate(typed->month, typed->day, typed->year);
    return true;
}

std::string today(store::DateOrder shown) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return print::PrintDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, shown);
}

struct Command {
    std::string league;
    std::string report;
    std::string pdf;
    QPageSize paper{QPageSize::Letter};
    std::string course;
    printtool::Options options;
    bool iso = false;  // every date printed as YYYY-MM-DD
};

// The options whose values must read; false for one that does not, or for no option known.
bool valueOption(cli::OptionReader& in, store::DateOrder shown, Command& command) {
    printtool::Options& o = command.options;
    std::string value, ignored;
    if (in.option("--players", value)) return cli::AddWholeNumbers(value, o.players);
    if (in.option("--date", value)) return printedDate(value, o.date, o.playDate, shown);
    if (in.option("--from", value)) return printedDate(value, ignored, o.fromDate, shown);
    if (in.option("--to", value)) return printedDate(value, ignored, o.toDate, shown);
    if (in.option("--player", value)) {
        std::optional<int> player = cli::WholeNumber(value);
        if (player) o.players.push_back(*player);
        return player.has_value();
    }
    if (in.option("--allowance", value)) {
        std::optional<int> allowance = cli::WholeNumber(value);
        o.allowance = allowance.value_or(o.allowance);
        return allowance.has_value();
    }
    if (in.option("--tee", value)) {
        o.tee = store::TeeFromText(value);
        return o.tee != store::kNoTee;
    }
    if (in.option("--ties", value)) {
        o.ties = value;
        return value == "none" || value == "carry";
    }
    if (in.option("--paper", value)) {
        command.paper = QPageSize(value == "a4" ? QPageSize::A4 : QPageSize::Letter);
        return value == "a4" || value == "letter";
    }
    return false;
}

bool parse(std::vector<std::string> args, Command& command) {
    std::vector<std::string> words;
    if (auto iso = std::find(args.begin(), args.end(), "--iso"); iso != args.end()) {
        command.iso = true;
        args.erase(iso);
    }
    const store::DateOrder shown = command.iso ? store::DateOrder::kYearMonthDay : g_order;
    command.options.date = today(shown);
    printtool::Options& o = command.options;
    for (cli::OptionReader in(args); in.more();) {
        // A course is a slot, name or initials: known once the courses are read.
        if (in.word(words) || in.flag("--gross", o.gross) || in.option("--pdf", command.pdf) ||
            in.option("--course", command.course) || in.option("--buy-in", o.buyIn) || in.option("--pot", o.pot))
            continue;
        if (!valueOption(in, shown, command)) return false;
    }
    if (words.size() != 2 || command.pdf.empty()) return false;
    command.league = words[0];
    command.report = words[1];
    return true;
}

int run(const Command& command, const printtool::Report& report) {
    auto data = std::make_unique<store::LeagueData>();
    store::FillMonthNames(*data);
    platform::StreamDialogs dialogs(std::cerr);
    store::LoadSettingsFile(*data);
    if (command.iso) data->settings.dateOrder = store::DateOrder::kYearMonthDay;
    if (!league::SafeLeagueName(command.league)) {
        std::cerr << "quorval-print: \"" << command.league
                  << "\" is no league name: it would lead outside the data folder\n";
        return kFailed;
    }
    // A report on default settings or without courses would print wrong values.
    if (!store::LoadLeagueRegistry(*data, dialogs).ok) {
        std::cerr << "quorval-print: cannot read " << store::kRegistryFileName << '\n';
        return kFailed;
    }
    std::string file = command.league;
    if (file.size() < 4 || strcasecmp(file.c_str() + file.size() - 4, ".LGE") != 0) file += ".LGE";
    data->leagueFileName = file;
    if (!store::LoadLeagueFile(*data, dialogs).ok) {
        std::cerr << "quorval-print: cannot read the league " << command.league << '\n';
        return kFailed;
    }
    if (!store::LoadCourseFile(*data, dialogs).ok) {
        std::cerr << "quorval-print: cannot read " << store::kCourseFileName << '\n';
        return kFailed;
    }
    printtool::Options options = command.options;
    if (!command.course.empty()) {
        options.course = store::FindCourse(*data, command.course);
        // A slot with no course is the report's to refuse, as it always was.
        std::optional<int> slot = options.course == 0 ? cli::WholeNumber(command.course) : options.course;
        if (!slot) {
            usage();
            return kUsage;
        }
        options.course = *slot;
    }

    print::RecordingPrinter printer;
    gui::QtPrinter::fitTo(printer, command.paper);
    std::string error;
    switch (report.print(printer, *data, options, error)) {
        case printtool::Outcome::Usage:
            usage();
            return kUsage;
        case printtool::Outcome::NothingToPrint:
            if (!error.empty()) std::cerr << "quorval-print: " << error << '\n';
            return kFailed;
        case printtool::Outcome::Printed:
            break;
    }
    if (printer.documents().empty() || printer.documents().back().pages.empty()) {
        std::cerr << "quorval-print: the report has nothing to print\n";
        return kFailed;
    }
    std::string pdfError =
        gui::QtPrinter::writePdf(printer.documents().back(), QString::fromStdString(command.pdf), command.paper);
    if (!pdfError.empty()) {
        std::cerr << "quorval-print: cannot write " << command.pdf << ": " << pdfError << '\n';
        return kFailed;
    }
    return kOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    {
        auto settings = std::make_unique<store::LeagueData>();
        store::LoadSettingsFile(*settings);
        g_order = settings->settings.dateOrder;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        usage(std::cout);
        return kOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "quorval-print " << QUORVAL_VERSION << '\n';
        return kOk;
    }
    // The PDF's name is taken from where the command was typed, not from the league's folder.
    std::error_code ec;
    const std::filesystem::path typedIn = std::filesystem::current_path(ec);
    if (args.size() >= 2 && args[0] == "-C") {
        if (::chdir(args[1].c_str()) != 0) {
            std::cerr << "quorval-print: cannot change to " << args[1] << ": " << std::strerror(errno) << '\n';
            return kUsage;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    Command command;
    if (!parse(args, command)) {
        usage();
        return kUsage;
    }
    if (std::filesystem::path(command.pdf).is_relative()) command.pdf = (typedIn / command.pdf).string();
    auto report = printtool::Reports().find(command.report);
    if (report == printtool::Reports().end()) {
        std::cerr << "quorval-print: unknown report " << command.report << '\n';
        usage();
        return kUsage;
    }
    // No display is needed: fonts and PDFs work on Qt's offscreen platform.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's note about a missing runtime folder is no news to someone printing to a file.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.startsWith("QStandardPaths:")) std::cerr << message.toStdString() << '\n';
    });
    QApplication app(argc, argv);
    return run(command, report->second);
}
