#pragma once

#include <QString>
#include <QStringList>

struct Services;
class QWidget;

// Prints a result list through the list report (output/ListReport.h): asks
// for a printer, then prints the title, the lines as they are and today's
// date; no preview. Cancelling the printer dialog prints nothing. A printer
// failure shows the print warning. Returns true when the list was printed.
bool printList(Services& services, QWidget* owner, const QString& title, const QStringList& lines);
