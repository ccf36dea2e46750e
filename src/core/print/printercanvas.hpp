#pragma once

#include <string>

#include "platform/canvas.hpp"
#include "platform/printer.hpp"

namespace quorval::print {

// A chart drawn straight onto the page: every line, sector, box and text goes to the printer as
// what it is, so paper and PDFs get sharp vector drawings instead of a picture. The chart's twips
// are scaled alike in both directions to fit the box given in page twips, centred across it, so
// circles stay round on any paper.
class PrinterCanvas : public platform::Canvas {
public:
    PrinterCanvas(platform::Printer& printer, double chartWidth, double chartHeight, double left, double top,
                  double width, double height);

    double scaleWidth() const override { return m_width; }
    double scaleHeight() const override { return m_height; }
    void clear() override {}
    void line(double x1, double y1, double x2, double y2, const platform::Pen& pen) override;
    void pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour,
                   int outlineColour) override;
    void filledBox(double x1, double y1, double x2, double y2, int colour) override;
    void text(double x, double y, const std::string& text, float points, int colour) override;
    double textHeight(const std::string& text, float points) const override;

    // Page twips per chart twip.
    double scale() const { return m_scale; }

private:
    double x(double v) const { return m_left + v * m_scale; }
    double y(double v) const { return m_top + v * m_scale; }

    platform::Printer& m_printer;
    double m_width;
    double m_height;
    double m_left;
    double m_top;
    double m_scale;
};

// Ends a chart's page, printed in pixels: the date at the lower right, then the end of the document.
// The next job places its text in twips again.
void EndChartPage(platform::Printer& printer, const std::string& date);

}  // namespace quorval::print
