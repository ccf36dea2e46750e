#pragma once

#include <QPrinter>
#include <QString>
#include <memory>

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

    // Paints a document onto a printer (a real one, or a PDF file).
    static void render(const print::Document& document, QPrinter& printer);
    // Writes a document to a PDF file without asking; for the tools and the tests.
    static bool renderToPdf(const print::Document& document, const QString& path);

protected:
    void deliver(const print::Document& document) override;
    void findPaper() override { printer(); }

private:
    QPrinter& printer();
    void takePageSize();

    std::unique_ptr<QPrinter> m_printer;
};

// The 16 console colours by number.
QColor consoleColour(int number);

}  // namespace quorval::gui
