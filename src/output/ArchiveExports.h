#pragma once

#include "output/ExportDocument.h"
#include "output/ExportTable.h"

#include <QByteArrayView>
#include <QString>

// What an archive that can be exported as a spreadsheet hands to the export:
// its columns, its worksheet and its output file, and how one stored record
// becomes one row of cells. Each archive's own folder states them (the yearly
// distinte in distinte/DistintaExport.h, the buyers in buyers/BuyerExport.h);
// the export knows no record type. Reading goes straight from the record bytes to the cells, so
// a large archive loads in about the time it takes to read the file.
struct ExportSource {
    ExportSheet sheet;
    // The files written in the program folder: the HTML workbook (.xls) and
    // the Excel 2007 workbook (.xlsx).
    QString outputFileName;
    QString xlsxFileName;
    int recordSize;
    // Appends the cells of one whole record as one row.
    void (*appendRow)(QByteArrayView record, ExportTable& table);
};

namespace archiveexport {

// A column with its header, its width in the written file and in the screen's
// grid, and the grid's own header when it differs.
ExportColumn column(const QString& header, int exportWidth, int gridWidth,
                    const QString& gridHeader = QString());

// Reads every record of the archive at `path` into rows of `table`, in file
// order. A missing archive is created empty, as every reader of the archives
// does. Failed when the file cannot be opened or read (the rows read so far
// stay); Cancelled when `progress` asks to stop.
ExportOutcome load(const QString& path, const ExportSource& source, ExportTable& table,
                   const ExportProgress& progress = {});

} // namespace archiveexport
