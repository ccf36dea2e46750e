#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/printer.hpp"

// A printer that keeps what is printed: the pages of a document with every text at its position
// and font, and every drawing. Tests read it; the desktop program paints it onto the real printer.
namespace quorval::print {

struct FontState {
    std::string name = "Courier New";
    float size = 10;
    bool bold = false;
    bool operator==(const FontState&) const = default;
};

struct PrintedText {
    double x = 0;  // twips
    double y = 0;  // twips, top of the line
    std::string text;
    FontState font;
    int colour = 0;
};

struct LineOp {
    double x1, y1, x2, y2;  // twips
    int colour;
    int width;
    platform::LineStyle style = platform::LineStyle::Solid;
};
struct BoxOp {
    double x1, y1, x2, y2;
    int colour;
};
struct PieOp {
    double cx, cy, radius, startAngle, endAngle;
    int fillColour;
    int lineColour;
};
struct PictureOp {
    platform::Picture picture;
    double x, y, width, height;
};
using DrawOp = std::variant<LineOp, BoxOp, PieOp, PictureOp>;

struct Page {
    platform::Orientation orientation = platform::Orientation::Portrait;
    std::vector<PrintedText> texts;
    std::vector<DrawOp> drawings;
    // What names the page of a longer document, in its bottom margin: kept apart from the report's
    // own lines.
    std::vector<PrintedText> footer;

    // The page as lines of text: the texts printed on each line, in order, joined.
    std::vector<std::string> lines() const;
};

struct Document {
    std::vector<Page> pages;
    double pageWidth = 0;  // twips, of the printable area in portrait
    double pageHeight = 0;
    std::string league;  // the job title
    std::string report;
};

// The footer that names a page of a document of more than one page. Many printers cannot print
// the quarter inch at the paper's edge, so it sits at the foot of the printable area, in a band
// the reports do not reach: their page (scaleHeight) ends kFooterBand twips higher.
inline constexpr float kFooterPoints = 8;
inline constexpr double kFooterBand = 240;  // twips: a gap of 2 points and the footer's line
// Text that ends at the right edge ends this much inside it: fonts round their widths up.
inline constexpr double kEdgeInset = 20;
std::string FooterTitle(const Document& document);
std::string FooterPage(int page, int pages);

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kPixelsPerInch = 600;  // the resolution that "printer pixels" mean

// The height of a printed line and the width of a character in a font, in twips. Reports use
// fixed-pitch fonts, whose characters are 0.6 em wide.
double LineHeight(float points);
double CharWidth(float points);

class RecordingPrinter : public platform::Printer {
public:
    // The printable area of a portrait page in twips. Reports see it less the footer band; by
    // default they see 7.5 by 10 inches, Letter with half-inch margins.
    explicit RecordingPrinter(double pageWidth = 7.5 * kTwipsPerInch,
                              double pageHeight = 10 * kTwipsPerInch + kFooterBand);

    std::vector<std::string> fontNames() override { return m_fonts; }
    void setup() override {}
    void setOrientation(platform::Orientation orientation) override;
    void setFontName(const std::string& name) override { m_font.name = name; }
    void setFontSize(float points) override { m_font.size = points; }
    void setBold(bool bold) override { m_font.bold = bold; }
    void setScaleMode(platform::ScaleMode mode) override { m_scale = mode; }
    double scaleWidth() const override;
    double scaleHeight() const override;
    double currentX() const override { return fromTwips(m_x); }
    double currentY() const override { return fromTwips(m_y); }
    void setCurrentX(double x) override { m_x = toTwips(x); }
    void setCurrentY(double y) override { m_y = toTwips(y); }
    void print(const std::string& text) override;
    void printNoEnd(const std::string& text) override;
    void setForeColor(int consoleColour) override { m_colour = consoleColour; }
    void setDrawWidth(int width) override { m_drawWidth = width; }
    void setDrawStyle(platform::LineStyle style) override { m_drawStyle = style; }
    void setJobTitle(const std::string& league, const std::string& report) override;
    void line(double x1, double y1, double x2, double y2) override;
    void filledBox(double x1, double y1, double x2, double y2, int consoleColour) override;
    void pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour) override;
    void paintPicture(const platform::Picture& picture, double x, double y, double width, double height) override;
    void newPage() override;
    void endDoc() override;

    void setFontNames(std::vector<std::string> fonts) { m_fonts = std::move(fonts); }
    void setPageSize(double width, double height);
    const FontState& font() const { return m_font; }
    // The documents ended so far, oldest first.
    const std::vector<Document>& documents() const { return m_documents; }

protected:
    // What the desktop printer does with a finished document.
    virtual void deliver(const Document&) {}
    // Called once, when the page size is first needed: the desktop printer looks up the system's
    // paper only then, since that is slow and most sessions print nothing.
    virtual void findPaper() {}

private:
    void needPaper() const;
    Page& page();
    double toTwips(double v) const;
    double fromTwips(double v) const;
    double pageHeightNow() const;
    void startDocumentIfNeeded();
    void addFooters();

    std::vector<std::string> m_fonts{"Courier New"};
    double m_pageWidth;
    double m_pageHeight;
    mutable bool m_paperFound = false;
    platform::ScaleMode m_scale = platform::ScaleMode::Twips;
    platform::Orientation m_orientation = platform::Orientation::Portrait;
    FontState m_font;
    int m_colour = 0;
    int m_drawWidth = 1;
    platform::LineStyle m_drawStyle = platform::LineStyle::Solid;
    std::string m_league;
    std::string m_report;
    double m_x = 0;
    double m_y = 0;
    bool m_open = false;
    Document m_document;
    std::vector<Document> m_documents;
};

}  // namespace quorval::print
