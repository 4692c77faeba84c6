#pragma once

#include "output/ExportDocument.h"
#include "output/ExportTable.h"

#include <QByteArrayView>
#include <QString>

// The two archives that can be exported as a spreadsheet: the yearly
// distinte archive and the buyers archive. Each source names its columns,
// its worksheet and its output file, and turns one stored record into one
// row of cells. Reading goes straight from the record bytes to the cells, so
// a large archive loads in about the time it takes to read the file.
struct ExportSource {
    ExportSheet sheet;
    // The file written in the program folder.
    QString outputFileName;
    int recordSize;
    // Appends the cells of one whole record as one row.
    void (*appendRow)(QByteArrayView record, ExportTable& table);
};

namespace archiveexport {

// Distinte: number, date, the five buyer lines, the ten stamp descriptions,
// payment, total and paid flag. Reseller data, quantities, unit values and
// line amounts are left out.
const ExportSource& distinte();

// Buyers: the card without sex, document issue date and attachments; street
// and house number in one cell, the CAP and province characters joined.
const ExportSource& buyers();

// Reads every record of the archive at `path` into rows of `table`, in file
// order. A missing archive is created empty, as every reader of the archives
// does. Failed when the file cannot be opened or read (the rows read so far
// stay); Cancelled when `progress` asks to stop.
ExportOutcome load(const QString& path, const ExportSource& source, ExportTable& table,
                   const ExportProgress& progress = {});

} // namespace archiveexport
