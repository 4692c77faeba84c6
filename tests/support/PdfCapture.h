#pragma once

#include "support/FakeServices.h"
#include "widgets/Services.h"

#include <QString>
#include <optional>

// A printer chooser that confirms and sends the print into a PDF file, so a
// test can read back what went to paper.
class PrintToPdf final : public PrintDialogs {
public:
    explicit PrintToPdf(const QString& path) : m_path(path) {}
    bool choosePrinter(QWidget* parent, QPrinter* printer) override;

    int calls = 0;

private:
    QString m_path;
};

// The fake services of a program folder, with printing going to a PDF file.
struct PrintingServices {
    PrintingServices(const ProgramFolder& folder, const QString& pdfPath)
        : fake(folder),
          printers(pdfPath), services{folder,   fake.messages, fake.dialogs, fake.files,
                                      printers, fake.opener,   fake.input} {}
    FakeServices fake;
    PrintToPdf printers;
    Services services;
};

// The text of a PDF file as pdftotext reads it (pages separated by form
// feeds), or nothing when pdftotext fails. Tests that read PDFs
// first REQUIRE_TOOL("pdftotext") (support/RequireTool.h).
std::optional<QString> pdfText(const QString& pdfPath, bool keepLayout = false);
