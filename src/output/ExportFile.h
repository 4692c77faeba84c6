#pragma once

#include "output/ExportDocument.h"
#include "output/ExportTable.h"

#include <QString>

namespace exportfile {

// Writes the export document of `table` as the file at `path`, replacing it
// whole: until the document is complete and on disk the previous file stays
// as it was, so a failed or cancelled export never leaves half a file.
ExportOutcome write(const QString& path, const ExportSheet& sheet, const ExportTable& table,
                    const ExportProgress& progress = {});

// The same for the Excel 2007 workbook (xlsxdoc): written under a temporary
// name beside `path`, checked to be a whole ZIP archive, then put in place
// by the same replacement as every other whole file.
ExportOutcome writeXlsx(const QString& path, const ExportSheet& sheet, const ExportTable& table,
                        const ExportProgress& progress = {});

} // namespace exportfile
