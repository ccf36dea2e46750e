#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.hpp"

// The printer as the reports see it: a page on which text is printed line by line, the way a line
// printer would, and on which lines, boxes, pie sectors and pictures are drawn at positions.
namespace quorval::platform {

enum class Orientation { Portrait = 1, Landscape = 2 };

// Positions are in twips (1/1440 inch) from the top left of the printable area, or in printer
// pixels for the chart and card printouts.
enum class ScaleMode { Twips, Pixels };

// A picture to paint onto a page: rows of 0xAARRGGBB pixels.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
    bool operator==(const Picture&) const = default;
};

class Printer {
public:
    virtual ~Printer() = default;

    // The font names the printer offers, in its own order.
    virtual std::vector<std::string> fontNames() = 0;
    // The printer and page set-up dialog; a cancel changes nothing.
    virtual void setup() = 0;

    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setScaleMode(ScaleMode mode) = 0;
    // The printable area in the current scale.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // Prints the text at the current position and moves to the start of the next line.
    virtual void print(const std::string& text) = 0;
    // Prints the text and stays on the line, after it.
    virtual void printNoEnd(const std::string& text) = 0;

    virtual void setForeColor(int consoleColour) = 0;
    virtual void setDrawWidth(int width) = 0;
    virtual void setDrawStyle(LineStyle style) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void filledBox(double x1, double y1, double x2, double y2, int consoleColour) = 0;
    // A filled circle sector from startAngle to endAngle (radians, counter-clockwise from 3 o'clock).
    virtual void pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour) = 0;
    virtual void paintPicture(const Picture& picture, double x, double y, double width, double height) = 0;

    // What the coming document is, for the footer of its pages and the name of its PDF.
    virtual void setJobTitle(const std::string& league, const std::string& report) = 0;

    virtual void newPage() = 0;
    // Ends the document and hands it to the printer.
    virtual void endDoc() = 0;
};

}  // namespace quorval::platform
