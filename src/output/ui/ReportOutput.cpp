#include "output/ui/ReportOutput.h"

#include "common/WholeFileWriter.h"
#include "output/ui/ReportPainter.h"
#include "widgets/Services.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace reportoutput {

namespace {
QPageLayout layoutFor(const PreparedReport& report) {
    const QPageSize size(report.page.paper, QPageSize::Millimeter, QString(),
                         QPageSize::FuzzyOrientationMatch);
    const auto orientation = report.page.orientation == PageSetup::Orientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}
} // namespace

void setUpPrinter(QPrinter& printer, const PreparedReport& report) {
    printer.setFullPage(true);
    printer.setPageLayout(layoutFor(report));
}

bool paint(QPagedPaintDevice& device, const PreparedReport& report) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QPointF origin(report.page.margins.left(), report.page.margins.top());
    ReportPainter pages(painter, origin);
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        pages.paintPage(report.pages.at(i));
    }
    return painter.end();
}

PrintResult print(PrintDialogs& printers, QWidget* owner, const PreparedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, report);
    if (!printers.choosePrinter(owner, &printer))
        return PrintResult::Cancelled;
    // The dialog may have turned the paper; the layout is fixed.
    setUpPrinter(printer, report);
    return paint(printer, report) ? PrintResult::Printed : PrintResult::Failed;
}

bool writePdf(const PreparedReport& report, const QString& path, const QString& title) {
    WholeFileWriter file(path);
    if (!file.open())
        return false;
    {
        QPdfWriter writer(&file.device());
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vellarmo"));
        if (!writer.setPageLayout(layoutFor(report)) || !paint(writer, report)) {
            file.cancel();
            return false;
        }
    }
    return file.commit();
}

} // namespace reportoutput
