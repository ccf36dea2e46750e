#pragma once

#include "analysis/scoring.hpp"
#include "ui/analysis/chartwindow.hpp"

class QLabel;

namespace quorval::gui {

// "Individual Scoring Averages": the current player's hole scores against par as a pie chart, with
// the average par and score per hole.
class PiechartWindow : public ChartWindow {
    Q_OBJECT
public:
    PiechartWindow(platform::Services& services, QWidget* opener);

    // What the buttons do.
    void showHcpChart();
    void printChart();

    // The picture box's size in twips: the same shape as the picture on paper, so the pie prints round.
    static constexpr double kPictureWidth = analysis::kScoringChartWidth;
    static constexpr double kPictureHeight = analysis::kScoringChartHeight;

private:
    CanvasView* m_picture;
    QLabel* m_name;
    QLabel* m_averagePar;
    QLabel* m_averageScore;
    QLabel* m_totalHoles;
};

}  // namespace quorval::gui
