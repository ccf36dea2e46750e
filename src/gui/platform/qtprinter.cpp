#include "platform/qtprinter.hpp"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QLayout>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

#include "print/pdfsave.hpp"
#include "store/atomicsave.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

// A quarter inch, as most printers reach: the card rows then fall on the business-card cells.
constexpr double kMarginInches = 0.25;

QPageLayout::Orientation qtOrientation(platform::Orientation orientation) {
    return orientation == platform::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QImage toImage(const platform::Picture& picture) {
    if (picture.argb.size() < static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height)) return {};
    // The rows are already 0xAARRGGBB words, as the image keeps them: one copy, no pixel loop.
    return QImage(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height,
                  static_cast<qsizetype>(picture.width) * 4, QImage::Format_ARGB32)
        .copy();
}

// Paints one page's drawings and texts; positions are twips from the printable area's corner.
void paintPage(QPainter& painter, const print::Page& page, double dotsPerTwip) {
    auto at = [dotsPerTwip](double twips) { return twips * dotsPerTwip; };
    painter.setRenderHint(QPainter::Antialiasing);
    for (const print::DrawOp& op : page.drawings) {
        if (const auto* line = std::get_if<print::LineOp>(&op)) {
            const Qt::PenStyle style = line->style == platform::LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine;
            painter.setPen(QPen(consoleColour(line->colour), std::max(1.0, at(line->width * kTwipsPerPixel)), style,
                                Qt::RoundCap));
            painter.drawLine(QPointF(at(line->x1), at(line->y1)), QPointF(at(line->x2), at(line->y2)));
        } else if (const auto* box = std::get_if<print::BoxOp>(&op)) {
            painter.fillRect(QRectF(QPointF(at(box->x1), at(box->y1)), QPointF(at(box->x2), at(box->y2))).normalized(),
                             consoleColour(box->colour));
        } else if (const auto* pie = std::get_if<print::PieOp>(&op)) {
            painter.setPen(QPen(consoleColour(pie->lineColour), at(kTwipsPerPixel)));
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
    std::vector<const print::PrintedText*> texts;
    for (const auto* list : {&page.texts, &page.footer})
        for (const print::PrintedText& t : *list) texts.push_back(&t);
    for (const print::PrintedText* text : texts) {
        const print::PrintedText& t = *text;
        painter.setPen(consoleColour(t.colour));
        QFont font(QString::fromStdString(t.font.name));
        font.setPointSizeF(t.font.size);
        font.setBold(t.font.bold);
        font.setStyleHint(t.font.name == "Arial" ? QFont::SansSerif : QFont::TypeWriter);
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

void QtPrinter::fitTo(print::RecordingPrinter& printer, const QPageSize& paper) {
    QSizeF size = paper.size(QPageSize::Inch);
    double width = std::min(size.width(), size.height()) - 2 * kMarginInches;
    double height = std::max(size.width(), size.height()) - 2 * kMarginInches;
    printer.setPageSize(width * print::kTwipsPerInch, height * print::kTwipsPerInch);
}

void QtPrinter::takePageSize() {
    m_printer->setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
    fitTo(*this, m_printer->pageLayout().pageSize());
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

bool QtPrinter::render(const print::Document& document, QPrinter& printer) {
    if (document.pages.empty()) return false;
    printer.setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
    printer.setPageOrientation(qtOrientation(document.pages.front().orientation));
    printer.setDocName(QString::fromStdString(print::FooterTitle(document)));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    double dotsPerTwip = printer.resolution() / print::kTwipsPerInch;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) {
            printer.setPageOrientation(qtOrientation(document.pages[i].orientation));
            printer.newPage();
        }
        paintPage(painter, document.pages[i], dotsPerTwip);
    }
    return painter.end();
}

std::string QtPrinter::writePdf(const print::Document& document, const QString& path, const QPageSize& paper) {
    // Qt reports no write error of its own, so the PDF is made in a private folder first and then
    // saved as any data file is: a device, a folder, a full disk or a missing folder is an error.
    QTemporaryDir scratch;
    if (!scratch.isValid()) return "no temporary folder could be made";
    QString made = scratch.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(made);
    printer.setPageSize(paper);
    if (!render(document, printer)) return "the report could not be drawn";
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly)) return "the report could not be drawn";
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) return "the report could not be drawn";
    return store::replaceFile(path.toStdString(),
                              std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

bool QtPrinter::renderToPdf(const print::Document& document, const QString& path, const QPageSize& paper) {
    return writePdf(document, path, paper).empty();
}

std::string QtPrinter::savePdf(const print::Document& document) {
    const std::optional<std::string> path =
        print::ChoosePdfPath(document, m_services->data, m_services->dialogs, m_services->clock.today());
    if (!path) return {};
    std::string error = writePdf(document, QString::fromStdString(*path), printer().pageLayout().pageSize());
    if (!error.empty()) {
        m_services->dialogs.message(
            {"Cannot write " + *path + ", please check the folder and the disk.\r\nThe reason: " + error + ".",
             "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return {};
    }
    QFileInfo saved(QString::fromStdString(*path));
    return "Saved " + saved.fileName().toStdString() + " in " + saved.absolutePath().toStdString();
}

void QtPrinter::deliver(const print::Document& document) {
    QPrintPreviewDialog preview(&printer());
    preview.setWindowTitle("Quorval - Print Preview");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&document](QPrinter* printer) { render(document, *printer); });
    if (m_services != nullptr) {
        if (auto* toolbar = preview.findChild<QToolBar*>()) {
            toolbar->addSeparator();
            QAction* save = toolbar->addAction("Save as PDF\u2026");
            save->setObjectName("savepdfbutton");
            // The preview stays open after a save: its status bar says where the file went.
            auto* status = new QStatusBar(&preview);
            status->setObjectName("pdfstatus");
            if (preview.layout() != nullptr) preview.layout()->addWidget(status);
            QObject::connect(save, &QAction::triggered, &preview, [this, &document, status] {
                std::string said = savePdf(document);
                if (!said.empty()) status->showMessage(QString::fromStdString(said));
            });
        }
    }
    preview.exec();
}

}  // namespace quorval::gui
