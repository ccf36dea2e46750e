#include "play/matchprint.hpp"

#include <algorithm>
#include <numbers>

#include "handicap/rules.hpp"
#include "league/leagues.hpp"
#include "play/matchreport.hpp"
#include "play/schedule.hpp"
#include "print/fitname.hpp"
#include "print/printfont.hpp"
#include "print/recordingprinter.hpp"
#include "print/strokedots.hpp"
#include "text/fit.hpp"
#include "text/utf8.hpp"

namespace quorval::play {

namespace {

constexpr int kLinesPerPage = 52;
// Characters of the 10-point fixed-pitch font that fit between a Letter or A4 page's margins.
constexpr size_t kLineWidth = 84;

// A line too long for the page goes on in the next, indented, broken after a "; " or a space.
void wrapInto(std::string line, std::vector<std::string>& out) {
    while (line.size() > kLineWidth) {
        size_t cut = line.rfind("; ", kLineWidth - 2);
        cut = cut == std::string::npos || cut < 8 ? line.rfind(' ', kLineWidth - 1) : cut + 1;
        if (cut == std::string::npos || cut < 8) cut = kLineWidth;
        out.push_back(line.substr(0, cut));
        size_t rest = line.find_first_not_of(' ', cut);
        line = "      " + (rest == std::string::npos ? std::string() : line.substr(rest));
    }
    out.push_back(line);
}
constexpr int kCardsPerPage = 3;
constexpr double kLabelWidth = 1900;  // twips: the column naming the rows
constexpr double kGridTop = 700;
constexpr double kRowHeight = 290;
constexpr double kScoreRowHeight = 540;
constexpr int kColumns = 21;  // holes 1-9, Out, holes 10-18, In, Total
constexpr float kGridPoints = 9;

int columnOf(int hole) {
    return hole <= 9 ? hole - 1 : hole;
}

// "Al (4)  v  Bo (9)" in `room` characters, the handicaps signed as the league's rules sign them;
// long names are shortened, each to half what is left.
std::string pairingLine(const handicap::Rules& rules, const MatchCard& card, size_t room) {
    auto line = [&](const std::string& a, const std::string& b) {
        return a + " (" + rules.handicapText(card.handicapA) + ")  v  " + b + " (" +
               rules.handicapText(card.handicapB) + ")";
    };
    const std::string whole = line(card.nameA, card.nameB);
    const size_t length = text::CharLength(whole);
    if (length <= room) return whole;
    const size_t names = text::CharLength(card.nameA) + text::CharLength(card.nameB);
    const size_t each = (room - std::min(room, length - names)) / 2;
    return line(text::ShortenName(card.nameA, each), text::ShortenName(card.nameB, each));
}

}  // namespace

void PrintSheet(platform::Printer& printer, const store::LeagueData& data, const std::string& title,
                const std::vector<std::string>& sheet) {
    std::vector<std::string> lines;
    for (const std::string& line : sheet) wrapInto(line, lines);
    for (std::string& line : lines)
        if (line.empty()) line = " ";
    std::vector<std::vector<std::string>> pages;
    for (size_t i = 0; i < lines.size(); i += kLinesPerPage) {
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(i),
                           lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), i + kLinesPerPage)));
    }
    if (pages.empty()) pages.emplace_back();
    print::PrintSheetPages(printer, data, title, pages);
}

std::vector<MatchCard> MatchCards(const store::LeagueData& data, Day date, const std::vector<SideMatch>& matches,
                                  int course) {
    std::vector<MatchCard> cards;
    const store::StrokeIndexes& si = data.strokeIndexes[course >= 1 && course <= store::kMaxCourses ? course : 0];
    for (const SideMatch& m : matches) {
        for (const Pairing& p : m.pairings) {
            if (p.a.player == 0 || p.b.player == 0) continue;
            MatchCard card;
            card.heading = ShortDate(date, data.settings.dateOrder) + "  " + m.sideA + " v " + m.sideB;
            card.nameA = PlayerText(data, p.a);
            card.nameB = PlayerText(data, p.b);
            int allowance = data.options.play.allowance;
            card.handicapA = MatchHandicap(data, p.a.index, course, data.players[p.a.player].tee, false, allowance);
            card.handicapB = MatchHandicap(data, p.b.index, course, data.players[p.b.player].tee, false, allowance);
            if (store::HasStrokeIndexes(si)) card.gift = GiveStrokes(card.handicapA, card.handicapB, si, 1, 18);
            cards.push_back(std::move(card));
        }
    }
    return cards;
}

bool PrintMatchCards(platform::Printer& printer, const store::LeagueData& data, const std::vector<MatchCard>& cards,
                     int course) {
    if (cards.empty()) return false;
    const store::StrokeIndexes& si = data.strokeIndexes[course >= 1 && course <= store::kMaxCourses ? course : 0];
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Match cards");
    printer.setScaleMode(platform::ScaleMode::Twips);
    const double width = printer.scaleWidth();
    const double cell = (width - kLabelWidth) / kColumns;
    auto columnX = [&](int c) { return kLabelWidth + c * cell; };
    for (size_t i = 0; i < cards.size(); ++i) {
        const int position = static_cast<int>(i % kCardsPerPage);
        if (position == 0) {
            if (i > 0) printer.newPage();
            print::SelectPrintFont(printer, data.settings);
            printer.setForeColor(7);
            for (int k = 1; k < kCardsPerPage; ++k) {
                const double y = k * printer.scaleHeight() / kCardsPerPage - 150;
                printer.line(0, y, width, y);
            }
            printer.setForeColor(0);
        }
        const double top = position * printer.scaleHeight() / kCardsPerPage;
        auto text = [&](double x, double y, const std::string& s, float points, bool bold = false) {
            printer.setFontName(data.settings.printFont);
            printer.setFontSize(points);
            printer.setBold(bold);
            printer.setCurrentX(x);
            printer.setCurrentY(top + y);
            printer.printNoEnd(s);
        };
        auto centred = [&](int column, double rowTop, double rowHeight, const std::string& s, bool bold = false) {
            const double w = print::CharWidth(kGridPoints) * static_cast<double>(text::CharLength(s));
            const double h = print::LineHeight(kGridPoints);
            text(columnX(column) + (cell - w) / 2, rowTop + (rowHeight - h) / 2, s, kGridPoints, bold);
        };
        auto line = [&](double x1, double y1, double x2, double y2) { printer.line(x1, top + y1, x2, top + y2); };
        const MatchCard& card = cards[i];
        text(0, 100, league::LeagueName(data) + "  -  " + card.heading, 10, true);
        text(0, 380, pairingLine(handicap::RulesOf(data), card, static_cast<size_t>(width / print::CharWidth(10))), 10);

        const double holeRow = kGridTop;
        const double indexRow = holeRow + kRowHeight;
        const double rowA = indexRow + kRowHeight;
        const double rowB = rowA + kScoreRowHeight;
        const double bottom = rowB + kScoreRowHeight;
        const double right = columnX(kColumns);
        for (double y : {holeRow, indexRow, rowA, rowB, bottom}) line(0, y, right, y);
        for (int c = 0; c <= kColumns; ++c) line(columnX(c), holeRow, columnX(c), bottom);
        line(0, holeRow, 0, bottom);
        const double labelY = (kRowHeight - print::LineHeight(kGridPoints)) / 2;
        // A name in its row's label cell: smaller, then shortened, when it needs more room.
        auto name = [&](double rowTop, const std::string& s) {
            const print::FittedName fitted = print::FitName(s, kLabelWidth - 160, kGridPoints, 7);
            text(80, rowTop + (kScoreRowHeight - print::LineHeight(fitted.points)) / 2, fitted.text, fitted.points,
                 true);
        };
        text(80, holeRow + labelY, "Hole", kGridPoints, true);
        text(80, indexRow + labelY, "Stroke", kGridPoints);
        name(rowA, card.nameA);
        name(rowB, card.nameB);
        for (int h = 1; h <= store::kHoles; ++h) {
            const int c = columnOf(h);
            centred(c, holeRow, kRowHeight, std::to_string(h), true);
            if (store::HasStrokeIndexes(si)) centred(c, indexRow, kRowHeight, std::to_string(si[h]));
            double rowTop = card.gift.to == 1 ? rowA : rowB;
            for (const print::Dot& d :
                 print::StrokeDots(columnX(c), columnX(c + 1), top + rowTop, card.gift.strokes[h]))
                printer.pieSector(d.cx, d.cy, d.radius, 0, 2 * std::numbers::pi, 0);
        }
        centred(9, holeRow, kRowHeight, "Out", true);
        centred(19, holeRow, kRowHeight, "In", true);
        centred(20, holeRow, kRowHeight, "Tot", true);
        std::string note =
            !store::HasStrokeIndexes(si) ? "The course has no stroke indexes: the strokes are not marked."
            : card.gift.to == 0
                ? "Level: no strokes."
                : "Each dot: a stroke received on the hole (" + std::to_string(card.gift.difference) + " in all)";
        text(0, bottom + 120, note, 8);
    }
    printer.endDoc();
    return true;
}

}  // namespace quorval::play
