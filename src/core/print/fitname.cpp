#include "print/fitname.hpp"

#include <algorithm>

#include "print/recordingprinter.hpp"
#include "text/fit.hpp"
#include "text/utf8.hpp"

namespace quorval::print {

FittedName FitName(const std::string& name, double widthTwips, float points, float floorPoints) {
    FittedName fitted{name, points};
    const auto length = static_cast<double>(text::CharLength(name));
    while (fitted.points > floorPoints && CharWidth(fitted.points) * length > widthTwips) fitted.points -= 0.5f;
    const auto room = static_cast<size_t>(std::max(0.0, widthTwips / CharWidth(fitted.points)));
    fitted.text = text::ShortenName(name, room);
    return fitted;
}

}  // namespace quorval::print
