#include "print/recordingprinter.hpp"

#include <algorithm>
#include <cmath>

namespace quorval::print {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerPrinterPixel = kTwipsPerInch / kPixelsPerInch;

// Characters, not bytes: names may hold letters outside ASCII.
size_t characters(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

double LineHeight(float points) {
    return std::round(points * kTwipsPerPoint * 1.133);
}
double CharWidth(float points) {
    return points * kTwipsPerPoint * 0.6;
}

std::string FooterTitle(const Document& document) {
    if (document.league.empty()) return document.report;
    return document.report.empty() ? document.league : document.league + " - " + document.report;
}

std::string FooterPage(int page, int pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

std::vector<std::string> Page::lines() const {
    std::vector<const PrintedText*> order;
    for (const auto& t : texts) order.push_back(&t);
    std::stable_sort(order.begin(), order.end(),
                     [](const PrintedText* a, const PrintedText* b) { return a->y < b->y; });
    std::vector<std::string> result;
    double lastY = -1;
    for (const PrintedText* t : order) {
        if (result.empty() || std::fabs(t->y - lastY) > 0.5) {
            result.push_back(t->text);
            lastY = t->y;
        } else {
            result.back() += t->text;
        }
    }
    return result;
}

RecordingPrinter::RecordingPrinter(double pageWidth, double pageHeight)
    : m_pageWidth(pageWidth), m_pageHeight(pageHeight) {}

void RecordingPrinter::setPageSize(double width, double height) {
    m_pageWidth = width;
    m_pageHeight = height;
}

void RecordingPrinter::setJobTitle(const std::string& league, const std::string& report) {
    m_league = league;
    m_report = report;
}

void RecordingPrinter::setOrientation(platform::Orientation orientation) {
    m_orientation = orientation;
    // A page already begun keeps its orientation; an empty one takes the new one.
    if (m_open && page().texts.empty() && page().drawings.empty()) page().orientation = orientation;
}

void RecordingPrinter::needPaper() const {
    if (m_paperFound) return;
    m_paperFound = true;
    // Finding the paper only fills in the page size, which no caller has seen yet.
    const_cast<RecordingPrinter*>(this)->findPaper();
}

double RecordingPrinter::pageHeightNow() const {
    needPaper();
    return (m_orientation == platform::Orientation::Landscape ? m_pageWidth : m_pageHeight) - kFooterBand;
}

double RecordingPrinter::scaleWidth() const {
    needPaper();
    double twips = m_orientation == platform::Orientation::Landscape ? m_pageHeight : m_pageWidth;
    return fromTwips(twips);
}

double RecordingPrinter::scaleHeight() const {
    return fromTwips(pageHeightNow());
}

double RecordingPrinter::toTwips(double v) const {
    return m_scale == platform::ScaleMode::Pixels ? v * kTwipsPerPrinterPixel : v;
}

double RecordingPrinter::fromTwips(double v) const {
    return m_scale == platform::ScaleMode::Pixels ? v / kTwipsPerPrinterPixel : v;
}

void RecordingPrinter::startDocumentIfNeeded() {
    if (m_open) return;
    m_open = true;
    needPaper();
    m_document = Document{};
    m_document.pageWidth = m_pageWidth;
    m_document.pageHeight = m_pageHeight;
    m_document.pages.push_back(Page{m_orientation, {}, {}, {}});
}

Page& RecordingPrinter::page() {
    startDocumentIfNeeded();
    return m_document.pages.back();
}

void RecordingPrinter::print(const std::string& text) {
    Page& current = page();
    // A line that would run off the bottom goes to a new page, as a line printer would.
    if (m_y + LineHeight(m_font.size) > pageHeightNow() && !current.texts.empty()) newPage();
    page().texts.push_back({m_x, m_y, text, m_font, m_colour});
    m_x = 0;
    m_y += LineHeight(m_font.size);
}

void RecordingPrinter::printNoEnd(const std::string& text) {
    page().texts.push_back({m_x, m_y, text, m_font, m_colour});
    m_x += CharWidth(m_font.size) * static_cast<double>(characters(text));
}

void RecordingPrinter::line(double x1, double y1, double x2, double y2) {
    page().drawings.push_back(
        LineOp{toTwips(x1), toTwips(y1), toTwips(x2), toTwips(y2), m_colour, m_drawWidth, m_drawStyle});
    m_x = toTwips(x2);
    m_y = toTwips(y2);
}

void RecordingPrinter::filledBox(double x1, double y1, double x2, double y2, int consoleColour) {
    page().drawings.push_back(BoxOp{toTwips(x1), toTwips(y1), toTwips(x2), toTwips(y2), consoleColour});
}

void RecordingPrinter::pieSector(double cx, double cy, double radius, double startAngle, double endAngle,
                                 int fillColour) {
    page().drawings.push_back(
        PieOp{toTwips(cx), toTwips(cy), toTwips(radius), startAngle, endAngle, fillColour, m_colour});
}

void RecordingPrinter::paintPicture(const platform::Picture& picture, double x, double y, double width, double height) {
    page().drawings.push_back(PictureOp{picture, toTwips(x), toTwips(y), toTwips(width), toTwips(height)});
}

void RecordingPrinter::newPage() {
    startDocumentIfNeeded();
    m_document.pages.push_back(Page{m_orientation, {}, {}, {}});
    m_x = 0;
    m_y = 0;
}

void RecordingPrinter::endDoc() {
    if (!m_open) return;
    m_open = false;
    m_x = 0;
    m_y = 0;
    m_document.league = m_league;
    m_document.report = m_report;
    addFooters();
    m_league.clear();
    m_report.clear();
    m_documents.push_back(std::move(m_document));
    deliver(m_documents.back());
}

// In the footer band at the foot of the printable area, where no report line can fall.
void RecordingPrinter::addFooters() {
    const int pages = static_cast<int>(m_document.pages.size());
    if (pages < 2) return;
    const FontState font{"Courier New", kFooterPoints, false};
    const std::string title = FooterTitle(m_document);
    for (int i = 0; i < pages; ++i) {
        Page& p = m_document.pages[static_cast<size_t>(i)];
        const bool landscape = p.orientation == platform::Orientation::Landscape;
        const double width = landscape ? m_document.pageHeight : m_document.pageWidth;
        const double y = (landscape ? m_document.pageWidth : m_document.pageHeight) - LineHeight(kFooterPoints);
        const std::string number = FooterPage(i + 1, pages);
        p.footer.push_back({0, y, title, font, 0});
        p.footer.push_back({width - kEdgeInset - CharWidth(kFooterPoints) * static_cast<double>(characters(number)), y,
                            number, font, 0});
    }
}

}  // namespace quorval::print
