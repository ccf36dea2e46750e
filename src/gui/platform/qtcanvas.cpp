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

QtCanvas::QtCanvas(QPainter& painter, double widthTwips, double heightTwips)
    : m_width(widthTwips), m_height(heightTwips), m_scale(1), m_external(&painter) {}

QtCanvas::~QtCanvas() = default;

QPainter& QtCanvas::painter() {
    if (m_external != nullptr) return *m_external;
    if (!m_own) {
        m_own = std::make_unique<QPainter>(&m_image);
        m_own->setRenderHint(QPainter::Antialiasing);
        m_own->setRenderHint(QPainter::TextAntialiasing);
    }
    return *m_own;
}

const QImage& QtCanvas::image() const {
    // Reading the image ends the drawing: what the painter holds back is then in it.
    m_own.reset();
    return m_image;
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
    if (m_external != nullptr) {
        m_external->fillRect(QRectF(map(0, 0), map(m_width, m_height)), Qt::white);
        return;
    }
    m_own.reset();
    m_image.fill(Qt::white);
}

void QtCanvas::line(double x1, double y1, double x2, double y2, const platform::Pen& pen) {
    QPainter& p = painter();
    const double width = std::max(1, pen.width) * m_scale;
    const Qt::PenStyle style = pen.style == platform::LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine;
    p.setPen(QPen(consoleColour(pen.colour), width, style, Qt::RoundCap, Qt::RoundJoin));
    const QPointF from = map(x1, y1);
    const QPointF to = map(x2, y2);
    if (from == to) {
        p.drawPoint(from);
    } else {
        p.drawLine(from, to);
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
    QPainter& p = painter();
    p.setPen(QPen(consoleColour(outlineColour), m_scale));
    p.setBrush(consoleColour(fillColour));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

void QtCanvas::filledBox(double x1, double y1, double x2, double y2, int colour) {
    painter().fillRect(QRectF(map(x1, y1), map(x2, y2)).normalized(), consoleColour(colour));
}

void QtCanvas::text(double x, double y, const std::string& text, float points, int colour) {
    QPainter& p = painter();
    const QFont f = font(points);
    p.setFont(f);
    p.setPen(consoleColour(colour));
    const QPointF at = map(x, y);
    p.drawText(QPointF(at.x(), at.y() + QFontMetricsF(f, p.device()).ascent()), QString::fromStdString(text));
}

double QtCanvas::textHeight(const std::string&, float points) const {
    const QPaintDevice* device = m_external != nullptr ? m_external->device() : &m_image;
    return QFontMetricsF(font(points), const_cast<QPaintDevice*>(device)).height() * kScreenTwipsPerPixel / m_scale;
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
    m_drawing = drawing;
    m_canvas.clear();
    drawing(m_canvas);
    update();
}

void CanvasView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(contentsRect().topLeft());
    QtCanvas canvas(painter, m_canvas.scaleWidth(), m_canvas.scaleHeight());
    canvas.clear();
    if (m_drawing) m_drawing(canvas);
}

}  // namespace quorval::gui
