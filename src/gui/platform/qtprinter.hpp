#pragma once

#include <QPrinter>
#include <QString>
#include <memory>

#include "platform/services.hpp"
#include "print/recordingprinter.hpp"

namespace quorval::gui {

// The desktop printer: a document is collected page by page, then shown in the print preview,
// from which the user prints it or saves it as a PDF. Cancel prints nothing. The Qt printer and the
// system's paper are looked up on first use, not at start-up.
class QtPrinter : public print::RecordingPrinter {
public:
    QtPrinter();

    std::vector<std::string> fontNames() override;
    void setup() override;

    // The preview's "Save as PDF..." asks through these services and remembers the folder in
    // their settings; without them the preview has no such button.
    void attach(platform::Services& services) { m_services = &services; }

    // Paints a document onto a printer (a real one, or a PDF file); false when it cannot start.
    static bool render(const print::Document& document, QPrinter& printer);
    // Writes a document to a PDF file on the paper given, without asking, all or nothing; returns
    // empty text, else why the file could not be written.
    static std::string writePdf(const print::Document& document, const QString& path,
                                const QPageSize& paper = QPageSize(QPageSize::Letter));
    static bool renderToPdf(const print::Document& document, const QString& path,
                            const QPageSize& paper = QPageSize(QPageSize::Letter));
    // The printable area of the paper in portrait, as the reports lay out their pages.
    static void fitTo(print::RecordingPrinter& printer, const QPageSize& paper);

protected:
    void deliver(const print::Document& document) override;
    void findPaper() override { printer(); }

private:
    QPrinter& printer();
    void takePageSize();
    // Saves the document where the user chooses; what the status bar says then (empty: nothing saved).
    std::string savePdf(const print::Document& document);

    std::unique_ptr<QPrinter> m_printer;
    platform::Services* m_services = nullptr;
};

// The 16 console colours by number.
QColor consoleColour(int number);

}  // namespace quorval::gui
