#include "platform/qtcanvas.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "platform/qtprinter.hpp"

namespace quorval::gui {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kInchesPerMetre = 1 / 0.0254;
// Charts go to paper at three times the screen's resolution: sharp, and still a modest image.
constexpr double kPrintScale = 3;
// Sectors whose ends (almost) meet are a whole circle: the smallest real slice is far wider.
constexpr double kClosedSweep = 1e-4;

}  // namespace

QtCanvas::QtCanvas(double widthTwips, double heightTwips, double scale)
    : m_width(widthTwips),
      m_height(heightTwips),
      m_scale(scale),
      m_image(static_cast<int>(std::ceil(widthTwips / kScreenTwipsPerPixel * scale)),
              static_cast<int>(std::ceil(heightTwips / kScreenTwipsPerPixel * scale)), QImage::Format_ARGB32) {
    // Font point sizes follow the image's resolution, so text grows with the scale as lines do.
    const int dotsPerMetre = static_cast<int>(std::lround(kScreenDpi * scale * kInchesPerMetre));
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
    clear();
}

QPointF QtCanvas::map(double x, double y) const {
    const double perTwip = m_scale / kScreenTwipsPerPixel;
    return {x * perTwip, y * perTwip};
}

QPoint QtCanvas::pixelAt(double x, double y) const {
    QPointF p = map(x, y);
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QFont QtCanvas::font(float points) const {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

void QtCanvas::clear() {
    m_image.fill(Qt::white);
}

void QtCanvas::line(double x1, double y1, double x2, double y2, const platform::Pen& pen) {
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = std::max(1, pen.width) * m_scale;
    const Qt::PenStyle style = pen.style == platform::LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine;
    painter.setPen(QPen(consoleColour(pen.colour), width, style, Qt::RoundCap, Qt::RoundJoin));
    const QPointF from = map(x1, y1);
    const QPointF to = map(x2, y2);
    if (from == to) {
        painter.drawPoint(from);
    } else {
        painter.drawLine(from, to);
    }
}

void QtCanvas::pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour,
                         int outlineColour) {
    double sweep = endAngle - startAngle;
    if (sweep <= kClosedSweep) sweep += 2 * std::numbers::pi;
    const QPointF centre = map(cx, cy);
    const double r = map(radius, 0).x();
    QPainterPath path(centre);
    path.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), startAngle * 180 / std::numbers::pi,
               sweep * 180 / std::numbers::pi);
    path.closeSubpath();
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(consoleColour(outlineColour), m_scale));
    painter.setBrush(consoleColour(fillColour));
    painter.drawPath(path);
}

void QtCanvas::filledBox(double x1, double y1, double x2, double y2, int colour) {
    QPainter painter(&m_image);
    painter.fillRect(QRectF(map(x1, y1), map(x2, y2)).normalized(), consoleColour(colour));
}

void QtCanvas::text(double x, double y, const std::string& text, float points, int colour) {
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont f = font(points);
    painter.setFont(f);
    painter.setPen(consoleColour(colour));
    const QPointF at = map(x, y);
    painter.drawText(QPointF(at.x(), at.y() + QFontMetricsF(f, &m_image).ascent()), QString::fromStdString(text));
}

double QtCanvas::textHeight(const std::string&, float points) const {
    return QFontMetricsF(font(points), &m_image).height() * kScreenTwipsPerPixel / m_scale;
}

platform::Picture QtCanvas::picture() const {
    platform::Picture picture;
    picture.width = m_image.width();
    picture.height = m_image.height();
    picture.argb.reserve(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    for (int y = 0; y < m_image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        picture.argb.insert(picture.argb.end(), row, row + m_image.width());
    }
    return picture;
}

platform::Picture PrintPicture(double widthTwips, double heightTwips, const ChartDrawing& draw) {
    QtCanvas canvas(widthTwips, heightTwips, kPrintScale);
    draw(canvas);
    return canvas.picture();
}

CanvasView::CanvasView(const QString& name, double widthTwips, double heightTwips) : m_canvas(widthTwips, heightTwips) {
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    const QSize size = m_canvas.image().size();
    setFixedSize(size.width() + 2 * frameWidth(), size.height() + 2 * frameWidth());
}

void CanvasView::draw(const ChartDrawing& drawing) {
    drawing(m_canvas);
    update();
}

void CanvasView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_canvas.image());
}

}  // namespace quorval::gui
