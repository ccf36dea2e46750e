#pragma once

#include "analysis/scoring.hpp"
#include "ui/childwindow.hpp"

class QLabel;

namespace quorval::gui {

class CanvasView;

// "Individual Scoring Averages": the current player's hole scores against par as a pie chart, with
// the average par and score per hole.
class PiechartWindow : public ChildWindow {
    Q_OBJECT
public:
    PiechartWindow(platform::Services& services, QWidget* opener);

    // What the buttons do.
    void showHcpChart();
    void printChart();

    // The picture box's size in twips: the same shape as the picture on paper, so the pie prints round.
    static constexpr double kPictureWidth = analysis::kScoringChartWidth;
    static constexpr double kPictureHeight = analysis::kScoringChartHeight;

protected:
    void finish() override;

private:
    CanvasView* m_picture;
    QLabel* m_name;
    QLabel* m_averagePar;
    QLabel* m_averageScore;
    QLabel* m_totalHoles;
};

}  // namespace quorval::gui
