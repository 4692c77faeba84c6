#pragma once

#include "common/MessageBreaks.h"
#include "output/PreparedReport.h"

#include <QString>

class PrintDialogs;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Puts prepared reports on paper or into PDF files. Reports failures as
// values; the screens decide what to tell the user.
namespace reportoutput {

enum class PrintResult { Printed, Cancelled, Failed };

// The warning shown when a report could not be printed.
inline const QString kPrintFailed =
    QStringLiteral("Attenzione: la stampa non è andata a buon fine." VM_PARAGRAPH "Si consiglia di "
                   "verificare che la stampante sia configurata correttamente.");

// Sets the printer's paper, orientation and margins to the report's, with
// the origin at the paper's corner (the margins are drawn by the painter).
void setUpPrinter(QPrinter& printer, const PreparedReport& report);

// Draws every page on a device already set up for the report.
bool paint(QPagedPaintDevice& device, const PreparedReport& report);

// Asks for a printer through the seam, then prints.
PrintResult print(PrintDialogs& printers, QWidget* owner, const PreparedReport& report);

// Writes the report as a PDF file; the file is replaced only when the whole
// document was written, so a failure leaves any earlier file as it was.
bool writePdf(const PreparedReport& report, const QString& path, const QString& title);

} // namespace reportoutput
