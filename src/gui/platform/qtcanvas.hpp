#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

#include "platform/canvas.hpp"
#include "platform/printer.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

// A canvas drawn with a QPainter on an image, or on a painter that is already open (a widget's,
// while it paints). Twips map to pixels as on the screen (15 twips a pixel) times `scale`, so a
// chart drawn again at a larger scale keeps its look: pen widths and font sizes grow with it. One
// painter serves the whole drawing; the image is complete when it is read.
class QtCanvas : public platform::Canvas {
public:
    QtCanvas(double widthTwips, double heightTwips, double scale = 1);
    QtCanvas(QPainter& painter, double widthTwips, double heightTwips);
    ~QtCanvas() override;

    double scaleWidth() const override { return m_width; }
    double scaleHeight() const override { return m_height; }
    void clear() override;
    void line(double x1, double y1, double x2, double y2, const platform::Pen& pen) override;
    void pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour,
                   int outlineColour) override;
    void filledBox(double x1, double y1, double x2, double y2, int colour) override;
    void text(double x, double y, const std::string& text, float points, int colour) override;
    double textHeight(const std::string& text, float points) const override;

    const QImage& image() const;
    // The pixel of the image where a point given in twips falls.
    QPoint pixelAt(double x, double y) const;

private:
    QPointF map(double x, double y) const;
    QFont font(float points) const;
    QPainter& painter();

    double m_width;
    double m_height;
    double m_scale;
    QImage m_image;
    QPainter* m_external = nullptr;
    mutable std::unique_ptr<QPainter> m_own;
};

inline constexpr double kScreenTwipsPerPixel = kTwipsPerPixel;

using ChartDrawing = std::function<void(platform::Canvas&)>;

// A picture box on a window: a sunken frame showing what is drawn on its canvas.
class CanvasView : public QFrame {
    Q_OBJECT
public:
    CanvasView(const QString& name, double widthTwips, double heightTwips);

    QtCanvas& canvas() { return m_canvas; }
    const QtCanvas& canvas() const { return m_canvas; }
    // Draws the chart on the canvas and shows it; each paint of the window draws it afresh with
    // one painter.
    void draw(const ChartDrawing& drawing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtCanvas m_canvas;
    ChartDrawing m_drawing;
};

}  // namespace quorval::gui
