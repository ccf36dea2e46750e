#pragma once

class QGridLayout;

// The columns of a card laid out hole by hole, as the course and score windows show it: the row
// captions, holes 1 to 9, Out, holes 10 to 18, In, Total.
namespace quorval::gui {

inline constexpr int kOutColumn = 10;
inline constexpr int kInColumn = 20;
inline constexpr int kTotalColumn = 21;

inline int holeColumn(int hole) {
    return hole <= 9 ? hole : hole + 1;
}

// Row 0 of the card: "Hole", the hole numbers, "Out", "In" and "Total", centred over their columns.
void addHoleHeadings(QGridLayout* card);

}  // namespace quorval::gui
