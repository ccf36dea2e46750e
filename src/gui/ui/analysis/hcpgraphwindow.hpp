#pragma once

#include "analysis/hcpgraph.hpp"
#include "ui/analysis/chartwindow.hpp"

class QLabel;

namespace quorval::gui {

// "Individual Handicap Trends": the current player's handicap index and differential after each
// stored round as two line graphs.
class HcpGraphWindow : public ChartWindow {
    Q_OBJECT
public:
    HcpGraphWindow(platform::Services& services, QWidget* opener);

    // What the buttons do.
    void showScoringChart();
    void printGraph();

    // The picture box's size in twips: the 20 slots and the axis titles under them.
    static constexpr double kPictureWidth = analysis::kHcpGraphWidth;
    static constexpr double kPictureHeight = analysis::kHcpGraphHeight;

private:
    CanvasView* m_picture;
    QLabel* m_name;
    QLabel* m_rounds;
    QLabel* m_index;
};

}  // namespace quorval::gui
