#include "reports/hcpcards.hpp"

#include <algorithm>
#include <cmath>

#include "handicap/rules.hpp"
#include "print/fitname.hpp"
#include "print/printfont.hpp"
#include "print/recordingprinter.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

// A course number read from a file may point anywhere; outside the table there are no initials.
const std::string& courseInitials(const store::LeagueData& data, int course) {
    static const std::string none;
    if (course < 1 || course > store::kMaxCourses) return none;
    return data.courses[course][store::course_field::kInitials];
}

int roundsOf(const store::PlayerRecord& player) {
    return std::clamp<int>(player.roundCount, 0, store::kMaxRounds);
}

int playersInLeague(const store::LeagueData& data) {
    return std::clamp<int>(data.playerCount, 0, store::kMaxPlayers);
}

// The shares of H by which rows 2 to 5 sit below the first (card k is in row (k + 1) / 2).
double rowShift(int k) {
    static constexpr double kShift[] = {0, 0, 0.194, 0.388, 0.582, 0.774};
    const int row = (k + 1) / 2;
    return row >= 1 && row <= 5 ? kShift[row] : 0;
}

// The score lines, in shares of H: the first below the picture (which ends at 0.137), the last
// above the card's last line at 0.19.
constexpr double kFirstScoreLine = 0.139;
constexpr double kScoreLinePitch = 0.0125;

}  // namespace

CardName FitCardName(const std::string& name, double widthTwips) {
    return print::FitName(name, widthTwips, kCardNamePoints, kCardNameFloor);
}

std::array<std::string, 4> CardScoreLines(const store::LeagueData& data, int player) {
    const store::PlayerRecord& who = data.players[player];
    const int n = roundsOf(who);
    std::array<std::string, 4> lines;
    for (int j = 1; j <= 4; ++j) {
        std::string& line = lines[j - 1];
        for (int slot = j; slot <= n; slot += 4) {
            const store::RoundRecord& round = who.rounds[slot];
            std::string initials = courseInitials(data, round.course);
            if (initials.empty()) initials = " -  ";
            size_t length = text::CharLength(initials);
            if (length < 4) initials.insert(0, 4 - length, ' ');
            const int total = round.gross();
            line += initials + text::generalForm(total) + (total < 100 ? "  " : " ");
        }
    }
    return lines;
}

void AdjustPosition(double& x, float& y, int k, double width, double height, const store::Settings& settings) {
    if (k % 2 == 0) x += 0.42 * width;  // right-hand column
    y = static_cast<float>(y + height * settings.cardVerticalScaling * rowShift(k));
    y += settings.cardVerticalOffset;
    x += settings.cardHorizontalOffset;
}

int findnextplayer(store::LeagueData& data) {
    data.currentPlayer = static_cast<int16_t>(store::FirstMarkedPlayer(data));
    if (data.currentPlayer != 0) data.players[data.currentPlayer].selected = 0;
    return data.currentPlayer;
}

void PrintCards(platform::Printer& printer, const store::LeagueData& data, int player, const CardRun& run,
                const CardFace& face) {
    const store::Settings& settings = data.settings;
    printer.setScaleMode(platform::ScaleMode::Pixels);
    const double width = printer.scaleWidth();
    const double height = printer.scaleHeight();
    const float s = settings.cardVerticalScaling;
    const int k = run.cardPosition;

    double x = 0.39 * width;
    float y = static_cast<float>(0.06 * height * s);
    AdjustPosition(x, y, k, width, height, settings);
    printer.paintPicture(face.picture, x, y, 0.07 * width, 0.077 * height * s);

    const store::PlayerRecord& who = data.players[player];
    const store::RoundRecord& latest = who.rounds[roundsOf(who)];
    struct Line {
        float size;
        double factor;  // of H times the scaling
        std::string text;
    };
    // The four score lines share the room between the picture's foot and the last line; their
    // font is no taller than that room allows, so one line never prints over the next.
    const double scorePitch = kScoreLinePitch * height * s * print::kTwipsPerInch / print::kPixelsPerInch;
    const auto scorePoints = static_cast<float>(std::min(9.0, std::floor(2 * scorePitch / print::LineHeight(1)) / 2));
    // The name ends before the picture, which starts at 0.39 W; W is in printer pixels.
    const CardName name =
        FitCardName(who.name, (0.39 - 0.11 - 0.01) * width * print::kTwipsPerInch / print::kPixelsPerInch);
    const Line lines[] = {
        {name.points, 0.055, name.text},
        {10, 0.085, "  Hcp Index: " + handicap::CurrentIndexText(handicap::RulesOf(data), who)},
        {10, 0.11,
         courseInitials(data, latest.course) +
             " CHCP: " + handicap::RulesOf(data).courseHandicapText(who, roundsOf(who))},
        {scorePoints, kFirstScoreLine, run.scoreLines[0]},
        {scorePoints, kFirstScoreLine + kScoreLinePitch, run.scoreLines[1]},
        {scorePoints, kFirstScoreLine + 2 * kScoreLinePitch, run.scoreLines[2]},
        {scorePoints, kFirstScoreLine + 3 * kScoreLinePitch, run.scoreLines[3]},
        {9, 0.19, face.comment},
    };
    for (const Line& line : lines) {
        double lx = 0.11 * width;
        float ly = static_cast<float>(line.factor * height * s);
        AdjustPosition(lx, ly, k, width, height, settings);
        // Near the foot of the page a printed line would start a new page of its own, splitting
        // the sheet: the font's blank line goes to the top corner and the card's lines stay put.
        printer.setCurrentX(0);
        printer.setCurrentY(0);
        print::SelectPrintFont(printer, settings);
        printer.setFontName(settings.printFont);
        printer.setFontSize(line.size);
        printer.setCurrentX(lx);
        printer.setCurrentY(ly);
        printer.printNoEnd(line.text);
    }

    if (k == kCardsPerPage && run.printed < run.toPrint) printer.newPage();
}

int PrintHandicapCards(platform::Printer& printer, store::LeagueData& data, const CardFace& face) {
    CardRun run;
    for (int p = 1; p <= playersInLeague(data); ++p) run.toPrint += data.players[p].selected != 0 ? 1 : 0;
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Handicap cards");
    for (int i = 1; i <= playersInLeague(data); ++i) {
        const int player = findnextplayer(data);
        if (player == 0) continue;
        run.scoreLines = CardScoreLines(data, player);
        run.cardPosition = run.cardPosition % kCardsPerPage + 1;
        ++run.printed;
        PrintCards(printer, data, player, run, face);
    }
    printer.endDoc();
    return run.printed;
}

}  // namespace quorval::reports
