#pragma once

#include <QFrame>
#include <QImage>
#include <functional>

#include "platform/canvas.hpp"
#include "platform/printer.hpp"

namespace quorval::gui {

// A canvas drawn with a QPainter on an image. Twips map to pixels as on the screen (15 twips a
// pixel) times `scale`, so a chart drawn again at a larger scale keeps its look: pen widths and
// font sizes grow with it.
class QtCanvas : public platform::Canvas {
public:
    QtCanvas(double widthTwips, double heightTwips, double scale = 1);

    double scaleWidth() const override { return m_width; }
    double scaleHeight() const override { return m_height; }
    void clear() override;
    void line(double x1, double y1, double x2, double y2, const platform::Pen& pen) override;
    void pieSector(double cx, double cy, double radius, double startAngle, double endAngle, int fillColour,
                   int outlineColour) override;
    void filledBox(double x1, double y1, double x2, double y2, int colour) override;
    void text(double x, double y, const std::string& text, float points, int colour) override;
    double textHeight(const std::string& text, float points) const override;

    const QImage& image() const { return m_image; }
    // The pixel of the image where a point given in twips falls.
    QPoint pixelAt(double x, double y) const;
    // The image as the printer seam takes it.
    platform::Picture picture() const;

private:
    QPointF map(double x, double y) const;
    QFont font(float points) const;

    double m_width;
    double m_height;
    double m_scale;
    QImage m_image;
};

inline constexpr double kScreenTwipsPerPixel = 15;

// Draws a chart at print resolution and hands back the picture to paint onto the page.
using ChartDrawing = std::function<void(platform::Canvas&)>;
platform::Picture PrintPicture(double widthTwips, double heightTwips, const ChartDrawing& draw);

// A picture box on a window: a sunken frame showing what is drawn on its canvas.
class CanvasView : public QFrame {
    Q_OBJECT
public:
    CanvasView(const QString& name, double widthTwips, double heightTwips);

    QtCanvas& canvas() { return m_canvas; }
    const QtCanvas& canvas() const { return m_canvas; }
    // Draws the chart on the canvas and shows it.
    void draw(const ChartDrawing& drawing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtCanvas m_canvas;
};

}  // namespace quorval::gui
