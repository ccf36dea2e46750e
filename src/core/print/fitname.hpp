#pragma once

#include <string>

// A name in a box of fixed width on paper: printed in its own size when it fits, smaller down to
// a floor while it does not, and shortened (`text::ShortenName`) only at the floor.
namespace quorval::print {

struct FittedName {
    std::string text;
    float points = 0;
};

FittedName FitName(const std::string& name, double widthTwips, float points, float floorPoints);

}  // namespace quorval::print
