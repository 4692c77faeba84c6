#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct Services;
class QWidget;

// Prints a result list through the list report (output/ListReport.h): asks
// for a printer, then prints the title, the lines as they are and today's
// date; no preview. Cancelling the printer dialog prints nothing. A printer
// failure shows the print warning. Returns true when the list was printed.
bool printList(Services& services, QWidget* owner, const QString& title, const QStringList& lines);

// printList over `owner`, as the action a list screen hands to its shared
// result part.
std::function<bool(const QString& title, const QStringList& lines)> listPrinter(Services& services,
                                                                                QWidget* owner);
