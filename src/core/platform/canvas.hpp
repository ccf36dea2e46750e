#pragma once

#include <string>

// A picture box that a chart is drawn on. Positions and sizes are in twips from its top left
// corner, whatever the resolution it is drawn at; colours are the 16 console colours by number.
namespace quorval::platform {

enum class LineStyle { Solid, Dotted };

struct Pen {
    int colour = 0;
    int width = 1;  // in screen pixels, as the draw width of a picture box
    LineStyle style = LineStyle::Solid;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The drawing area in twips.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    // Wipes everything drawn: back to the white background.
    virtual void clear() = 0;
    // A line between two points; a line that ends where it starts is a dot as wide as the pen.
    virtual void line(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
    // A filled circle sector outlined by its arc and both radius lines, counter-clockwise from
    // startAngle to endAngle (radians, 0 at three o'clock). Equal angles fill the whole circle.
    virtual void pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour,
                           int outlineColour) = 0;
    // A box filled with the colour, without an outline.
    virtual void filledBox(double x1, double y1, double x2, double y2, int colour) = 0;
    // The text with the top left corner of its line at (x, y).
    virtual void text(double x, double y, const std::string& text, float points, int colour) = 0;
    // The height of a line of the text in that size, in twips.
    virtual double textHeight(const std::string& text, float points) const = 0;
};

}  // namespace quorval::platform
