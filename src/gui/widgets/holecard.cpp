#include "widgets/holecard.hpp"

#include <QGridLayout>
#include <QLabel>

#include "store/leaguedata.hpp"

namespace quorval::gui {

void addHoleHeadings(QGridLayout* card) {
    auto heading = [card](int col, const QString& text) {
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignCenter);
        card->addWidget(label, 0, col);
    };
    heading(0, "Hole");
    for (int h = 1; h <= store::kHoles; ++h) heading(holeColumn(h), QString::number(h));
    heading(kOutColumn, "Out");
    heading(kInColumn, "In");
    heading(kTotalColumn, "Total");
}

}  // namespace quorval::gui
