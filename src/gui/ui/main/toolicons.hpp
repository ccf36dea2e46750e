#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorval::gui {

// The pictures of the tool buttons, in button order, and the program's flag.
enum class ToolIcon {
    Open,
    Refresh,
    Print,
    Scores,
    ScoresAndStatistics,
    AddPlayer,
    AddCourse,
    TeamResults,
    TeamReports,
    HandicapTrend,
    PerformanceSummary,
    Settings,
    Help,
    Flag,
};

QIcon toolIcon(ToolIcon which);

// The built-in splash picture.
QPixmap splashPicture();

}  // namespace quorval::gui
