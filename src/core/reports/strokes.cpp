#include "reports/strokes.hpp"

namespace quorval::reports {

std::optional<HoleNumbers> CourseStrokeIndexes(const store::CourseRecord&) {
    return std::nullopt;
}

int StrokesOnHole(int courseHandicap, int strokeIndex) {
    if (strokeIndex < 1 || strokeIndex > 18) return 0;
    if (courseHandicap >= 0) return courseHandicap / 18 + (strokeIndex <= courseHandicap % 18 ? 1 : 0);
    const int plus = -courseHandicap;
    return -(plus / 18 + (strokeIndex > 18 - plus % 18 ? 1 : 0));
}

}  // namespace quorval::reports
