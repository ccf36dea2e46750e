#include "reports/scorecards.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "handicap/strokes.hpp"
#include "league/leagues.hpp"
#include "print/fitname.hpp"
#include "print/printfont.hpp"
#include "print/recordingprinter.hpp"
#include "print/strokedots.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

constexpr double kLabelWidth = 1300;  // twips: the column naming the rows
constexpr double kGridTop = 820;
constexpr double kRowHeight = 290;
constexpr double kScoreRowHeight = 540;
constexpr int kColumns = 21;  // holes 1-9, Out, holes 10-18, In, Total
constexpr float kGridPoints = 9;
constexpr double kNameGap = 240;             // twips between the name and the handicap figures
constexpr double kAscentTwipsPerPoint = 16;  // of the fixed-pitch font, from a line's top to its baseline

// The column of hole h: the Out column sits between holes 9 and 10.
int columnOf(int hole) {
    return hole <= 9 ? hole - 1 : hole;
}

class CardPainter {
public:
    CardPainter(platform::Printer& printer, const store::Settings& settings, int position)
        : m_printer(printer), m_settings(settings) {
        m_width = printer.scaleWidth();
        m_top = position * printer.scaleHeight() / kScorecardsPerPage;
        m_cell = (m_width - kLabelWidth) / kColumns;
    }

    double columnX(int column) const { return kLabelWidth + column * m_cell; }
    double top() const { return m_top; }
    double cell() const { return m_cell; }
    double width() const { return m_width; }

    void text(double x, double y, const std::string& s, float points, bool bold = false) {
        m_printer.setFontName(m_settings.printFont);
        m_printer.setFontSize(points);
        m_printer.setBold(bold);
        m_printer.setCurrentX(x);
        m_printer.setCurrentY(m_top + y);
        m_printer.printNoEnd(s);
    }

    // Text centred in a cell of the grid.
    void centred(int column, double rowTop, double rowHeight, const std::string& s, bool bold = false) {
        const double w = print::CharWidth(kGridPoints) * static_cast<double>(text::CharLength(s));
        const double h = print::LineHeight(kGridPoints);
        text(columnX(column) + (m_cell - w) / 2, rowTop + (rowHeight - h) / 2, s, kGridPoints, bold);
    }

    void line(double x1, double y1, double x2, double y2) { m_printer.line(x1, m_top + y1, x2, m_top + y2); }

    void dot(const print::Dot& d) { m_printer.pieSector(d.cx, m_top + d.cy, d.radius, 0, 2 * std::numbers::pi, 0); }

private:
    platform::Printer& m_printer;
    const store::Settings& m_settings;
    double m_width = 0;
    double m_top = 0;
    double m_cell = 0;
};

int playersOf(const store::LeagueData& data) {
    return std::clamp<int>(data.playerCount, 0, store::kMaxPlayers);
}

}  // namespace

Scorecard MakeScorecard(const store::LeagueData& data, int player, const ScorecardOptions& options) {
    const store::CourseRecord& course = data.courses[options.course];
    const store::PlayerRecord& who = data.players[player];
    Scorecard card;
    card.title = league::LeagueName(data) + "  -  " + course[store::course_field::kName] + ", " +
                 std::string(store::TeeName(options.tee)) + " tee  -  " +
                 results::DateText(options.date, data.settings.dateOrder);
    card.player = who.name;
    const int rounds = std::clamp<int>(who.roundCount, 0, store::kMaxRounds);
    const float index = who.rounds[rounds].handicapIndex;
    const handicap::Rules& rules = handicap::RulesOf(data);
    card.index = handicap::CurrentIndexText(rules, who, "0.0");
    card.handicapCaption = rules.playingHandicapCaption(data);
    // No index is no handicap, not a handicap of 0.
    std::optional<int> ch = card.index == handicap::kNoFigure
                                ? std::nullopt
                                : rules.playingHandicap(data, index, rounds, course, options.tee);
    card.handicapKnown = ch.has_value();
    card.courseHandicap = ch.value_or(0);
    card.handicap = ch ? rules.handicapText(*ch) : handicap::kNoFigure;
    for (int h = 1; h <= store::kHoles; ++h) card.par[h] = static_cast<int>(store::HolePar(course, h));
    const store::StrokeIndexes& si = data.strokeIndexes[options.course];
    if (store::HasStrokeIndexes(si)) {
        card.strokeIndex = HoleNumbers{};
        for (int h = 1; h <= store::kHoles; ++h) (*card.strokeIndex)[h] = si[h];
        if (card.handicapKnown) card.strokes = handicap::AllocateStrokes(card.courseHandicap, si);
    }
    return card;
}

void PrintScorecard(platform::Printer& printer, const store::Settings& settings, const Scorecard& card, int position) {
    CardPainter paint(printer, settings, position);
    // The rows of the grid and their tops.
    const double holeRow = kGridTop;
    const double parRow = holeRow + kRowHeight;
    const double indexRow = parRow + kRowHeight;
    const double scoreRow = indexRow + kRowHeight;
    const double bottom = scoreRow + kScoreRowHeight;
    const double right = paint.columnX(kColumns);

    paint.text(0, 120, card.title, 10, true);
    // The handicap figures end at the grid's right edge; the name has the room to their left,
    // in a smaller font or shortened when it needs more.
    const std::string figures = "Index " + card.index + "   " + card.handicapCaption + " " + card.handicap;
    const double figuresX =
        right - print::kEdgeInset - print::CharWidth(10) * static_cast<double>(text::CharLength(figures));
    const print::FittedName name = print::FitName(card.player, figuresX - kNameGap, 12, 9);
    // The same baseline as the figures, whatever the name's size.
    paint.text(0, 440 + (12 - name.points) * kAscentTwipsPerPoint, name.text, name.points, true);
    paint.text(figuresX, 470, figures, 10);

    for (double y : {holeRow, parRow, indexRow, scoreRow, bottom}) paint.line(0, y, right, y);
    paint.line(0, holeRow, 0, bottom);
    for (int c = 0; c <= kColumns; ++c) paint.line(paint.columnX(c), holeRow, paint.columnX(c), bottom);

    const double labelY = (kRowHeight - print::LineHeight(kGridPoints)) / 2;
    paint.text(80, holeRow + labelY, "Hole", kGridPoints, true);
    paint.text(80, parRow + labelY, "Par", kGridPoints);
    paint.text(80, indexRow + labelY, "Stroke", kGridPoints);
    paint.text(80, scoreRow + (kScoreRowHeight - print::LineHeight(kGridPoints)) / 2, "Score", kGridPoints, true);

    int out = 0;
    int in = 0;
    for (int h = 1; h <= store::kHoles; ++h) {
        const int c = columnOf(h);
        paint.centred(c, holeRow, kRowHeight, std::to_string(h), true);
        if (card.par[h] > 0) paint.centred(c, parRow, kRowHeight, std::to_string(card.par[h]));
        (h <= 9 ? out : in) += card.par[h];
        if (card.strokeIndex) paint.centred(c, indexRow, kRowHeight, std::to_string((*card.strokeIndex)[h]));

        // Strokes received are dots in the box's top right corner; one given back is a plus.
        const double corner = paint.columnX(c) + paint.cell() - 90;
        const int strokes = card.strokes[h];
        for (const print::Dot& d : print::StrokeDots(paint.columnX(c), paint.columnX(c + 1), scoreRow, strokes))
            paint.dot(d);
        if (strokes < 0) paint.text(corner - 60, scoreRow + 10, "+", kGridPoints, true);
    }
    paint.centred(9, holeRow, kRowHeight, "Out", true);
    paint.centred(19, holeRow, kRowHeight, "In", true);
    paint.centred(20, holeRow, kRowHeight, "Tot", true);
    if (out + in > 0) {
        paint.centred(9, parRow, kRowHeight, std::to_string(out));
        paint.centred(19, parRow, kRowHeight, std::to_string(in));
        paint.centred(20, parRow, kRowHeight, std::to_string(out + in));
    }

    std::string note;
    if (!card.strokeIndex) {
        note = "This course has no stroke indexes: the strokes are not marked.";
    } else if (!card.handicapKnown && card.index == handicap::kNoFigure) {
        note = "The player has no handicap index yet: the strokes are not marked.";
    } else if (!card.handicapKnown) {
        note = "The tee has no slope: the strokes are not marked.";
    } else if (card.courseHandicap < 0) {
        note = "+ : a stroke given back on the hole";
    } else if (card.courseHandicap > 0) {
        note = "Each dot: a stroke received on the hole";
    }
    if (!note.empty()) paint.text(0, bottom + 120, note, 8);
    paint.text(0, bottom + 560, "Marker ____________________     Player ____________________", 9);
}

bool PrintScorecards(platform::Printer& printer, const store::LeagueData& data, const ScorecardOptions& options) {
    if (options.course < 1 || options.course > std::min<int>(data.courseCount, store::kMaxCourses) ||
        data.courses[options.course][store::course_field::kName].empty()) {
        return false;
    }
    std::vector<int> players;
    if (options.players.empty()) {
        for (int p = 1; p <= playersOf(data); ++p) {
            if (!data.players[p].name.empty()) players.push_back(p);
        }
    } else {
        for (int p : options.players) {
            if (p >= 1 && p <= playersOf(data)) players.push_back(p);
        }
    }
    if (players.empty()) return false;

    print::BeginJob(printer, platform::Orientation::Portrait, data, "Scorecards");
    for (size_t i = 0; i < players.size(); ++i) {
        const int position = static_cast<int>(i % kScorecardsPerPage);
        if (position == 0) {
            if (i > 0) printer.newPage();
            printer.setCurrentX(0);
            printer.setCurrentY(0);
            print::SelectPrintFont(printer, data.settings);
            // Cut lines between the cards.
            printer.setForeColor(7);
            for (int k = 1; k < kScorecardsPerPage; ++k) {
                const double y = k * printer.scaleHeight() / kScorecardsPerPage - 150;
                printer.line(0, y, printer.scaleWidth(), y);
            }
            printer.setForeColor(0);
        }
        PrintScorecard(printer, data.settings, MakeScorecard(data, players[i], options), position);
    }
    printer.endDoc();
    return true;
}

}  // namespace quorval::reports
