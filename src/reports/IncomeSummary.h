#pragma once

#include "common/ResultRows.h"
#include "reports/DamagedRecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// The income summary of one yearly archive: which distinte fall in an
// interval of days (and, optionally, were issued to one buyer), their summary
// lines in archive order and the sum of their totals as the screen shows it.
// Reads the archive once, front to back; knows nothing of widgets.
namespace incomesummary {

struct Query {
    QString archivePath;
    // The buyer filter exactly as typed: blanks at its ends are part of it,
    // but a filter of blanks only means no filter.
    QString filter;
    QString startDate; // "dd/mm/yyyy", both ends included
    QString endDate;
};

struct Result {
    // False when the archive could not be opened or read; nothing else is set.
    bool readable = false;
    // The distinta summary line of each selected record, with its position.
    QList<ResultRow> rows;
    double sum = 0;
    // Selected distinte whose date or total cannot be read: left out of the
    // lines and of the sum.
    DamagedRecords damaged;
};

// Lists the distinte of the archive (created empty when missing) that pass
// the filter and lie in the interval. The filter is tested before the date,
// so a record with an unreadable date that names another buyer is simply
// not selected.
Result summarize(const Query& query);

// Whether a filter is active: its trimmed text is not blank.
bool hasFilter(const QString& filter);

// The buyer heading of the result screen: the trimmed filter, or "- - -".
QString buyerHeading(const QString& filter);

// "Dal   <start>   al   <end>".
QString intervalText(const QString& startDate, const QString& endDate);

// The total as the screen shows it: the sum with the noise of binary
// addition removed and always two decimals ("30,30", "0,00", "1234,56").
QString totalText(double sum);

// The printed summary: its title, then the lines followed by a separator,
// the interval and the total.
QString printTitle(const QString& buyerHeading);
QStringList printLines(const QStringList& lines, const QString& interval, const QString& total);

} // namespace incomesummary
