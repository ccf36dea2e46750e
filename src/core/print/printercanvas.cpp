#include "print/printercanvas.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "print/recordingprinter.hpp"

namespace quorval::print {

namespace {

// Sectors whose ends (almost) meet are a whole circle, as on the screen.
constexpr double kClosedSweep = 1e-4;
constexpr const char* kChartFont = "Arial";

}  // namespace

PrinterCanvas::PrinterCanvas(platform::Printer& printer, double chartWidth, double chartHeight, double left, double top,
                             double width, double height)
    : m_printer(printer),
      m_width(chartWidth),
      m_height(chartHeight),
      m_left(left),
      m_top(top),
      m_scale(std::min(width / chartWidth, height / chartHeight)) {
    m_left += (width - chartWidth * m_scale) / 2;
    m_printer.setScaleMode(platform::ScaleMode::Twips);
}

void PrinterCanvas::line(double x1, double y1, double x2, double y2, const platform::Pen& pen) {
    m_printer.setForeColor(pen.colour);
    m_printer.setDrawWidth(std::max(1, static_cast<int>(std::lround(pen.width * m_scale))));
    m_printer.setDrawStyle(pen.style);
    m_printer.line(x(x1), y(y1), x(x2), y(y2));
    m_printer.setDrawStyle(platform::LineStyle::Solid);
}

void PrinterCanvas::pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour,
                              int outlineColour) {
    double sweep = endAngle - startAngle;
    if (sweep <= kClosedSweep) sweep += 2 * std::numbers::pi;
    m_printer.setForeColor(outlineColour);
    m_printer.pieSector(x(cx), y(cy), radius * m_scale, startAngle, startAngle + sweep, fillColour);
}

void PrinterCanvas::filledBox(double x1, double y1, double x2, double y2, int colour) {
    m_printer.filledBox(x(x1), y(y1), x(x2), y(y2), colour);
}

void PrinterCanvas::text(double tx, double ty, const std::string& text, float points, int colour) {
    m_printer.setFontName(kChartFont);
    m_printer.setFontSize(static_cast<float>(points * m_scale));
    m_printer.setBold(false);
    m_printer.setForeColor(colour);
    m_printer.setCurrentX(x(tx));
    m_printer.setCurrentY(y(ty));
    m_printer.printNoEnd(text);
    m_printer.setForeColor(0);
}

double PrinterCanvas::textHeight(const std::string&, float points) const {
    return LineHeight(points);
}

void EndChartPage(platform::Printer& printer, const std::string& date) {
    printer.setCurrentX(0.85 * printer.scaleWidth());
    printer.setCurrentY(0.9 * printer.scaleHeight());
    printer.setFontSize(9);
    printer.print(date);
    printer.endDoc();
    printer.setScaleMode(platform::ScaleMode::Twips);
}

}  // namespace quorval::print
