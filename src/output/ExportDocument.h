#pragma once

#include "output/ExportTable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QIODevice;

// The spreadsheet export document: an HTML table with the Office workbook
// annotations, in Windows-1252, written as one run of text with no line
// break anywhere. Spreadsheet programs open it as a one-sheet workbook.
// This file only writes the document; what the columns hold and where the
// file goes belong to the export sources and the screens.

// One column of an export: its header and width in the file, and its header
// and width in the on-screen grid. A column of amounts (the distinta's
// total) is written as numbers where the workbook format has them.
struct ExportColumn {
    QString header;
    int exportWidth;
    QString gridHeader;
    int gridWidth;
    bool amount = false;
};

// What one archive's export is called and which columns it has.
struct ExportSheet {
    QString worksheetName;
    QList<ExportColumn> columns;
};

// How a long piece of work ended.
enum class ExportOutcome { Done, Failed, Cancelled };

// Told how many of `total` rows are done; returns false to stop the work.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

namespace exportdoc {

// Writes the whole document for `table`, whose columns are those of
// `sheet`, to an open device. Failed when the device refuses bytes;
// Cancelled when `progress` asks to stop (part of the document may then be
// on the device already).
ExportOutcome write(QIODevice& device, const ExportSheet& sheet, const ExportTable& table,
                    const ExportProgress& progress = {});

// Appends one cell's bytes as HTML text: &, < and > as character
// references; a control code inside the text as a blank, since the document
// has no line break; and each blank that follows another blank as "&#32;",
// so that spreadsheet programs, which fold runs of blanks in HTML, keep them.
void appendCellText(QByteArray& out, QByteArrayView cell);

} // namespace exportdoc
