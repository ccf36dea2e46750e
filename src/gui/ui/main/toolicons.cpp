#include "ui/main/toolicons.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quorval::gui {

namespace {

constexpr int kSize = 48;  // drawn large, shown at 24 pixels

const QColor kInk(40, 40, 48);
const QColor kGreen(46, 139, 87);
const QColor kPaper(250, 250, 244);

void paper(QPainter& p, int left = 10, int top = 5, int width = 28, int height = 38) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawRect(left, top, width, height);
}

void lines(QPainter& p, int left, int top, int count, int width) {
    p.setPen(QPen(QColor(120, 120, 130), 2));
    for (int i = 0; i < count; ++i) p.drawLine(left, top + i * 6, left + width, top + i * 6);
}

void person(QPainter& p, int cx, int top, const QColor& colour) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(colour);
    p.drawEllipse(QPointF(cx, top + 7), 6, 6);
    p.drawRoundedRect(QRectF(cx - 9, top + 15, 18, 16), 6, 6);
}

void plus(QPainter& p, int cx, int cy) {
    p.setPen(QPen(QColor(20, 120, 20), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cx - 6, cy, cx + 6, cy);
    p.drawLine(cx, cy - 6, cx, cy + 6);
}

void flag(QPainter& p, int x, int bottom) {
    p.setPen(QPen(kInk, 3));
    p.drawLine(x, bottom, x, bottom - 36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    QPolygon cloth;
    cloth << QPoint(x + 1, bottom - 36) << QPoint(x + 20, bottom - 29) << QPoint(x + 1, bottom - 22);
    p.drawPolygon(cloth);
}

void openFolder(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(240, 200, 80));
    QPolygon folder;
    folder << QPoint(4, 12) << QPoint(18, 12) << QPoint(22, 16) << QPoint(44, 16) << QPoint(44, 40) << QPoint(4, 40);
    p.drawPolygon(folder);
    p.setBrush(QColor(250, 220, 120));
    QPolygon front;
    front << QPoint(4, 40) << QPoint(10, 22) << QPoint(47, 22) << QPoint(44, 40);
    p.drawPolygon(front);
}

void refreshArrow(QPainter& p) {
    p.setPen(QPen(QColor(30, 100, 200), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(8, 8, 32, 32), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 100, 200));
    QPolygon head;
    head << QPoint(30, 2) << QPoint(40, 12) << QPoint(26, 16);
    p.drawPolygon(head);
}

void printer(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawRect(14, 4, 20, 14);
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(4, 16, 40, 18, 3, 3);
    p.setBrush(kPaper);
    p.drawRect(12, 28, 24, 16);
    lines(p, 16, 34, 2, 16);
}

void bars(QPainter& p) {
    paper(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(14, 28, 5, 12);
    p.setBrush(QColor(30, 100, 200));
    p.drawRect(21, 20, 5, 20);
    p.setBrush(QColor(220, 120, 30));
    p.drawRect(28, 14, 5, 26);
}

void trendLine(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(6, 4, 6, 42);
    p.drawLine(6, 42, 44, 42);
    p.setPen(QPen(QColor(220, 50, 50), 3));
    p.drawPolyline(QPolygon({QPoint(8, 30), QPoint(16, 22), QPoint(24, 28), QPoint(32, 14), QPoint(42, 18)}));
}

void pie(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(100, 170, 240));
    p.drawPie(QRect(4, 4, 40, 40), 90 * 16, 200 * 16);
    p.setBrush(QColor(240, 200, 80));
    p.drawPie(QRect(4, 4, 40, 40), 290 * 16, 100 * 16);
    p.setBrush(kGreen);
    p.drawPie(QRect(4, 4, 40, 40), 30 * 16, 60 * 16);
}

void gear(QPainter& p) {
    p.setPen(QPen(QColor(90, 95, 110), 7, Qt::SolidLine, Qt::FlatCap));
    for (int a = 0; a < 8; ++a) {
        p.save();
        p.translate(24, 24);
        p.rotate(a * 45.0);
        p.drawLine(0, 12, 0, 20);
        p.restore();
    }
    p.setPen(QPen(QColor(90, 95, 110), 2));
    p.setBrush(QColor(150, 155, 170));
    p.drawEllipse(QPointF(24, 24), 13, 13);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(24, 24), 5, 5);
}

void helpMark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 100, 200));
    p.drawEllipse(4, 4, 40, 40);
    QFont font("Liberation Sans", 24, QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(4, 4, 40, 40), Qt::AlignCenter, "?");
}

void draw(QPainter& p, ToolIcon which) {
    switch (which) {
        case ToolIcon::Open:
            openFolder(p);
            break;
        case ToolIcon::Refresh:
            refreshArrow(p);
            break;
        case ToolIcon::Print:
            printer(p);
            break;
        case ToolIcon::Scores:
            paper(p);
            lines(p, 14, 12, 5, 20);
            p.setPen(QPen(QColor(200, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(26, 40, 44, 18);
            break;
        case ToolIcon::ScoresAndStatistics:
            bars(p);
            break;
        case ToolIcon::AddPlayer:
            person(p, 20, 8, QColor(90, 150, 220));
            plus(p, 38, 36);
            break;
        case ToolIcon::AddCourse:
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(4, 34, 40, 12);
            flag(p, 20, 40);
            plus(p, 38, 14);
            break;
        case ToolIcon::TeamResults:
            person(p, 15, 10, QColor(90, 150, 220));
            person(p, 33, 10, QColor(230, 150, 60));
            break;
        case ToolIcon::TeamReports:
            paper(p, 6, 4, 36, 40);
            person(p, 17, 10, QColor(90, 150, 220));
            person(p, 31, 10, QColor(230, 150, 60));
            break;
        case ToolIcon::HandicapTrend:
            trendLine(p);
            break;
        case ToolIcon::PerformanceSummary:
            pie(p);
            break;
        case ToolIcon::Settings:
            gear(p);
            break;
        case ToolIcon::Help:
            helpMark(p);
            break;
        case ToolIcon::Flag:
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(4, 34, 40, 12);
            flag(p, 22, 42);
            break;
    }
}

}  // namespace

QIcon toolIcon(ToolIcon which) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, which);
    return QIcon(pixmap);
}

QPixmap splashPicture() {
    QPixmap pixmap(480, 300);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(1, QColor(215, 235, 250));
    p.fillRect(pixmap.rect(), sky);
    QPainterPath hills;
    hills.moveTo(0, 190);
    hills.cubicTo(120, 150, 220, 210, 330, 170);
    hills.cubicTo(400, 145, 450, 165, 480, 160);
    hills.lineTo(480, 300);
    hills.lineTo(0, 300);
    p.fillPath(hills, QColor(70, 150, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 190, 110));
    p.drawEllipse(QRect(250, 215, 190, 50));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QRect(338, 236, 14, 6));
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.drawLine(345, 239, 345, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawPolygon(QPolygon({QPoint(346, 150), QPoint(390, 164), QPoint(346, 178)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(150, 250), 6, 6);

    p.setPen(QColor(20, 50, 90));
    p.setFont(QFont("Liberation Serif", 40, QFont::Bold));
    p.drawText(QRect(20, 20, 440, 60), Qt::AlignLeft | Qt::AlignVCenter, "Quorval");
    p.setFont(QFont("Liberation Sans", 13));
    p.drawText(QRect(24, 78, 440, 24), Qt::AlignLeft, "Golf league handicaps, listings and statistics");
    p.setFont(QFont("Liberation Sans", 10));
    p.setPen(QColor(240, 250, 240));
    p.drawText(QRect(20, 270, 300, 20), Qt::AlignLeft, "Edition for casual golf groups");
    return pixmap;
}

}  // namespace quorval::gui
