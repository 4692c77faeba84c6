#pragma once

#include "backup/Progress.h"
#include "common/ProgramFolder.h"

#include <QList>
#include <QString>

// The archive check: reads every yearly archive and the buyers archive of the
// data folder, changes nothing, and lists what it finds wrong: a partial last
// record, a length byte over its field's capacity, a date that is not valid
// or not of the file's year, a total that is not an amount or differs from
// the sum of its line amounts, a distinta number used twice in one year, a
// distinta without number, date, buyer line 1 or first description, and a
// buyer card without a name. It does not mend anything and does not open
// records for the user; the result screen does that from a finding.
namespace archivecheck {

struct Finding {
    enum Archive { Distinte, Acquirenti } archive = Distinte;
    QString file;            // the file's name in the data folder
    qint64 position = 0;     // the record's 1-based position; 0 for the whole file
    bool wholeRecord = true; // false for a partial record, which cannot be opened
    QString who;             // "n. 12" for a distinta, the name for a card
    QString what;

    bool operator==(const Finding&) const = default;
};

struct Report {
    int archives = 0;
    qint64 distinte = 0;
    qint64 cards = 0;
    QList<Finding> findings;
    bool cancelled = false;
};

// Checks every archive of `folder`. Progress counts records.
Report check(const ProgramFolder& folder, const Progress& progress = {});

// The line the result list shows for a finding.
QString lineOf(const Finding& finding);
// What the user is told when nothing was found.
QString cleanMessage(const Report& report);
// The count under the list of findings.
QString summaryLine(const Report& report);

} // namespace archivecheck
