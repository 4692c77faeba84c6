#pragma once

#include "common/ProgramFolder.h"
#include "common/ResultRows.h"
#include "distinte/Ricevuta.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The lists of distinte that the search and the unpaid list show, and the
// opening of a listed distinta. Each function reads the yearly archive once,
// in file order, and closes it; a missing archive is created empty, as every
// reader of the archive does. Rows carry the summary line and the record's
// position. No widget, no message: the screens show their own.
namespace distintasearch {

// The six search criteria, exactly as typed (blanks included).
struct Criteria {
    QString numRic = {};
    QString data = {};
    QString acqRigo01 = {};
    QString acqRigo02 = {};
    QString acqRigo03 = {};
    QString totale = {};
};

// The criteria in use: those with something other than blanks.
int filledCount(const Criteria& criteria);

// The rows found, and whether the whole archive was read. When reading
// failed part way, `rows` holds what was found before the failure.
struct Listing {
    QList<ResultRow> rows;
    bool ok = false;
};

// Every distinta whose fields contain each criterion in use, as typed, with
// only A-Z folded to lower case; a criterion of blanks only is not in use.
// With no criterion in use every distinta is listed.
Listing search(const QString& archivePath, const Criteria& criteria);

// The years that have an archive in the data folder: every file named with
// four digits and ".ric", the years in ascending order. Nothing is created.
QStringList archiveYears(const ProgramFolder& folder);

// The search run over every yearly archive of the data folder: the years in
// ascending order, each archive in file order. Each row is the year, two
// blanks, then the summary line, and keeps its year and record position. An
// archive that cannot be read (whole or in part) is named by a row of its
// own after the distinte of all the archives, with position 0, so that the
// list never hides a year.
struct YearsListing {
    QList<ResultRow> rows;
    // The years whose archive could not be read, ascending.
    QStringList unreadable;
    // The rows that are distinte (the notes of unreadable years left out).
    qsizetype found() const { return rows.size() - unreadable.size(); }
};
YearsListing searchEveryYear(const ProgramFolder& folder, const Criteria& criteria);

// The text of the row that names an unreadable archive.
QString unreadableRowText(const QString& year);

// Every distinta not yet paid: its paid flag, trimmed, is exactly "No".
// "Sì", an empty or a damaged flag keeps a distinta out of this list.
Listing unpaid(const QString& archivePath);

struct Opened {
    Ricevuta distinta;
    qint64 position = 0;
};
// The distinta behind a listed row: the record at the row's position when
// its summary line still matches the row (one read). When that record has
// changed since the list was built, the last record in the archive whose
// line matches, so nothing opens that the user did not see. Nothing when no
// record matches or the archive cannot be read.
std::optional<Opened> open(const QString& archivePath, const ResultRow& row);
// The same for a row of the every-year search: the archive of the row's year
// in `folder`, the row compared without its year. Nothing for a row that
// names no year or no record.
std::optional<Opened> openOfYear(const ProgramFolder& folder, const ResultRow& row);

} // namespace distintasearch
