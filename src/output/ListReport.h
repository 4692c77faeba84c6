#pragma once

#include "output/PreparedReport.h"
#include "output/Report.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The printed form of every result list: A4 landscape, a title bar at the top
// of the first page, the list lines in a fixed-width font, and a bar with the
// print date once after the last line. Every list screen prints through this
// one report; output/ui/ListPrinter puts it on paper.
namespace listreport {

// Report units are 1/96 inch.
inline constexpr double kMmPerUnit = 25.4 / 96.0;
// The line pitch of Courier New 8 pt, in report units.
inline constexpr double kLinePitchUnits = 12.822;
// What the data band keeps under the last line, in report units.
inline constexpr double kDataPaddingUnits = 10;

// The layout with its design texts ("Riepilogo", an empty list).
Report design();

// The layout filled for one print: the title, the lines in order (printed
// as they are, nothing evaluated) and the print date written dd/mm/yyyy.
Report filled(const QString& title, const QStringList& lines, const QDate& printDate);

// The filled layout laid out into pages.
PreparedReport prepared(const QString& title, const QStringList& lines, const QDate& printDate);

} // namespace listreport
