#pragma once

#include "output/ExportDocument.h"
#include "output/ExportTable.h"

#include <QString>
#include <optional>

// The export as an Excel 2007 workbook (.xlsx), written with libxlsxwriter:
// one worksheet named as the export's sheet, a bold header row that stays in
// view (frozen) with an autofilter over the whole table, and the columns as
// wide as the export widths. Every cell holds its stored text as a text
// cell, so amounts, dates, leading zeros and texts that look like formulas
// come back exactly as typed. The one exception is a column marked as an
// amount: a cell holding an amount in the program's normal form is written
// as a number with two decimals, so that a sheet can sum it; anything else
// in it stays text.
//
// The workbook is written in constant-memory mode: only the row being
// written is held, whatever the size of the table. This file writes the
// document to a file name; replacing the export file whole belongs to
// exportfile (ExportFile.h).
namespace xlsxdoc {

// Writes the workbook for `table`, whose columns are those of `sheet`, to the
// file at `path`. The scratch files the library needs go into `scratchFolder`
// and are gone when the call returns. Failed when any part cannot be
// written; Cancelled when `progress` asks to stop (the file is then
// incomplete and must be thrown away).
ExportOutcome write(const QString& path, const QString& scratchFolder, const ExportSheet& sheet,
                    const ExportTable& table, const ExportProgress& progress = {});

// The value of a stored amount when it is in the program's normal form
// (digits, a comma, exactly two decimals, such as 0,50 or 1250,00) and short
// enough for a spreadsheet number to show it exactly; nothing otherwise.
std::optional<double> amountValue(QByteArrayView windows1252);

} // namespace xlsxdoc
