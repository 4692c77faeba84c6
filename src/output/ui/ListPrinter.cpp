#include "output/ui/ListPrinter.h"

#include "output/ListReport.h"
#include "output/ui/ReportOutput.h"
#include "widgets/Services.h"

#include <QDate>

bool printList(Services& services, QWidget* owner, const QString& title, const QStringList& lines) {
    const PreparedReport report = listreport::prepared(title, lines, QDate::currentDate());
    const auto result = reportoutput::print(services.printers, owner, report);
    if (result == reportoutput::PrintResult::Failed)
        services.messages.notice(owner, MessageBoxes::Icon::Warning, reportoutput::kPrintFailed);
    return result == reportoutput::PrintResult::Printed;
}

std::function<bool(const QString& title, const QStringList& lines)> listPrinter(Services& services,
                                                                                QWidget* owner) {
    return [&services, owner](const QString& title, const QStringList& lines) {
        return printList(services, owner, title, lines);
    };
}
