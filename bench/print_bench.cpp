// Rendering the handicap cards of a full league (100 cards, ten pages) to a PDF file, beside the
// bare cost of painting the same texts onto a PDF page by page with one font.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <string>

#include "fullleague.hpp"
#include "platform/qtprinter.hpp"
#include "print/recordingprinter.hpp"
#include "reports/hcpcards.hpp"

namespace {

namespace fs = std::filesystem;
using namespace quorval;

// The cards of all 100 players, each with a small picture as the cards' artwork is.
const print::Document& cards() {
    static const print::Document document = [] {
        auto data = std::make_unique<store::LeagueData>();
        samples::FillFullLeague(*data);
        for (int p = 1; p <= data->playerCount; ++p) data->players[p].selected = 1;
        reports::CardFace face;
        face.comment = "Valid through December";
        face.picture.width = 160;
        face.picture.height = 80;
        for (int y = 0; y < face.picture.height; ++y) {
            for (int x = 0; x < face.picture.width; ++x) {
                face.picture.argb.push_back(0xFF000000u | static_cast<uint32_t>(x * 1021 + y * 331) % 0xFFFFFFu);
            }
        }
        print::RecordingPrinter printer;
        reports::PrintHandicapCards(printer, *data, face);
        return printer.documents().front();
    }();
    return document;
}

QString pdfPath(const char* name) {
    return QString::fromStdString((fs::temp_directory_path() / (name + std::to_string(::getpid()) + ".pdf")).string());
}

void BM_Render100CardPdf(benchmark::State& state) {
    const print::Document& document = cards();
    QString path = pdfPath("quorval-bench-cards-");
    for (auto _ : state) benchmark::DoNotOptimize(gui::QtPrinter::renderToPdf(document, path));
    fs::remove(path.toStdString());
}

// The lower bound: the same texts at the same places on as many pages, one painter, one font.
void BM_PaintSameTextsToPdf(benchmark::State& state) {
    const print::Document& document = cards();
    QString path = pdfPath("quorval-bench-texts-");
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        painter.setFont(QFont("Courier New", 8));
        double dotsPerTwip = writer.resolution() / print::kTwipsPerInch;
        for (size_t i = 0; i < document.pages.size(); ++i) {
            if (i > 0) writer.newPage();
            for (const print::PrintedText& t : document.pages[i].texts) {
                painter.drawText(QPointF(t.x * dotsPerTwip, t.y * dotsPerTwip), QString::fromStdString(t.text));
            }
        }
    }
    fs::remove(path.toStdString());
}

}  // namespace

BENCHMARK(BM_Render100CardPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintSameTextsToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
