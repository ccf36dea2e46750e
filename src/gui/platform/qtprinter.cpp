#include "platform/qtprinter.hpp"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

namespace quorval::gui {

namespace {

// A quarter inch, as most printers reach: the card rows then fall on the business-card cells.
constexpr double kMarginInches = 0.25;

QPageLayout::Orientation qtOrientation(platform::Orientation orientation) {
    return orientation == platform::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QImage toImage(const platform::Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) image.setPixel(x, y, picture.argb[y * picture.width + x]);
    }
    return image;
}

// Paints one page's drawings and texts; positions are twips from the printable area's corner.
void paintPage(QPainter& painter, const print::Page& page, double dotsPerTwip) {
    auto at = [dotsPerTwip](double twips) { return twips * dotsPerTwip; };
    painter.setRenderHint(QPainter::Antialiasing);
    for (const print::DrawOp& op : page.drawings) {
        if (const auto* line = std::get_if<print::LineOp>(&op)) {
            painter.setPen(QPen(consoleColour(line->colour), std::max(1.0, at(line->width * 15))));
            painter.drawLine(QPointF(at(line->x1), at(line->y1)), QPointF(at(line->x2), at(line->y2)));
        } else if (const auto* box = std::get_if<print::BoxOp>(&op)) {
            painter.fillRect(QRectF(QPointF(at(box->x1), at(box->y1)), QPointF(at(box->x2), at(box->y2))).normalized(),
                             consoleColour(box->colour));
        } else if (const auto* pie = std::get_if<print::PieOp>(&op)) {
            painter.setPen(QPen(consoleColour(pie->lineColour), 1));
            painter.setBrush(consoleColour(pie->fillColour));
            QRectF rect(at(pie->cx - pie->radius), at(pie->cy - pie->radius), at(2 * pie->radius), at(2 * pie->radius));
            double start = pie->startAngle * 180.0 / M_PI;
            double span = (pie->endAngle - pie->startAngle) * 180.0 / M_PI;
            painter.drawPie(rect, static_cast<int>(start * 16), static_cast<int>(span * 16));
            painter.setBrush(Qt::NoBrush);
        } else if (const auto* picture = std::get_if<print::PictureOp>(&op)) {
            painter.drawImage(QRectF(at(picture->x), at(picture->y), at(picture->width), at(picture->height)),
                              toImage(picture->picture));
        }
    }
    painter.setPen(Qt::black);
    for (const print::PrintedText& t : page.texts) {
        QFont font(QString::fromStdString(t.font.name));
        font.setPointSizeF(t.font.size);
        font.setBold(t.font.bold);
        font.setStyleHint(QFont::TypeWriter);
        painter.setFont(font);
        QFontMetricsF metrics(font, painter.device());
        painter.drawText(QPointF(at(t.x), at(t.y) + metrics.ascent()), QString::fromStdString(t.text));
    }
}

}  // namespace

QColor consoleColour(int number) {
    static const QColor kColours[16] = {
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
    };
    return kColours[number & 15];
}

// The system's default paper: the default printer's, else Letter where the locale measures in
// inches and A4 elsewhere.
static QPageSize defaultPaper() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull() && info.defaultPageSize().isValid()) return info.defaultPageSize();
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(defaultPaper());
        takePageSize();
    }
    return *m_printer;
}

void QtPrinter::takePageSize() {
    m_printer->setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
    QSizeF paper = m_printer->pageLayout().pageSize().size(QPageSize::Inch);
    double width = std::min(paper.width(), paper.height()) - 2 * kMarginInches;
    double height = std::max(paper.width(), paper.height()) - 2 * kMarginInches;
    setPageSize(width * print::kTwipsPerInch, height * print::kTwipsPerInch);
}

std::vector<std::string> QtPrinter::fontNames() {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) names.push_back(family.toStdString());
    return names;
}

void QtPrinter::setup() {
    QPageSetupDialog dialog(&printer());
    if (dialog.exec() == QDialog::Accepted) takePageSize();
}

void QtPrinter::render(const print::Document& document, QPrinter& printer) {
    if (document.pages.empty()) return;
    printer.setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
    printer.setPageOrientation(qtOrientation(document.pages.front().orientation));
    QPainter painter;
    if (!painter.begin(&printer)) return;
    double dotsPerTwip = printer.resolution() / print::kTwipsPerInch;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) {
            printer.setPageOrientation(qtOrientation(document.pages[i].orientation));
            printer.newPage();
        }
        paintPage(painter, document.pages[i], dotsPerTwip);
    }
    painter.end();
}

bool QtPrinter::renderToPdf(const print::Document& document, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    render(document, printer);
    return true;
}

void QtPrinter::deliver(const print::Document& document) {
    QPrintPreviewDialog preview(&printer());
    preview.setWindowTitle("Quorval - Print Preview");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&document](QPrinter* printer) { render(document, *printer); });
    preview.exec();
}

}  // namespace quorval::gui
