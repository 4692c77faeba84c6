#pragma once

#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The spreadsheet programs the export tests open the exported files with,
// each run as a separate process on files in a test folder: LibreOffice
// Calc and Gnumeric convert to CSV, openpyxl (Python) reads the workbook
// itself. Each runner returns the program's own output, or the reason it
// failed in `error`. Finding the programs is the tests' business
// (support/RequireTool.h).
namespace readers {

// One CSV field, and whether it was quoted (LibreOffice quotes exactly the
// cells it holds as text when asked to).
struct CsvField {
    QString text;
    bool quoted = false;

    bool operator==(const CsvField&) const = default;
};
using CsvRows = QList<QList<CsvField>>;

// Comma-separated, fields in double quotes with doubled quotes inside.
CsvRows parseCsv(const QString& csv);
// The CSV file at `path` (UTF-8), or nothing with `error` set.
std::optional<CsvRows> readCsv(const QString& path, QString* error);

// Converts `files` to CSV with LibreOffice (`soffice`) in a private profile
// under `workDir`, into `outDir` (one .csv per file, same base name): comma,
// double quotes, UTF-8, every text cell quoted, numbers as their cells show
// them. False with `error` when the conversion fails.
bool libreOfficeToCsv(const QString& soffice, const QString& workDir, const QStringList& files,
                      const QString& outDir, QString* error);

// Converts `file` to the CSV file `out` with Gnumeric's ssconvert.
bool gnumericToCsv(const QString& ssconvert, const QString& file, const QString& out,
                   QString* error);

// Debian's Python, which carries the openpyxl module (a python3 found
// first on PATH may be another one without it).
QString systemPython();
// Whether `python` can import openpyxl.
bool hasOpenpyxl(const QString& python);
// The workbook as the test script reads it with openpyxl (see
// tests/output/clients/xlsx_dump.py), or nothing with `error` set.
std::optional<QJsonDocument> openpyxlDump(const QString& python, const QString& file,
                                          QString* error);
// Copies `file` to `out` adding, below the last row of column `column` (a
// letter), a formula that sums the column.
bool openpyxlAddSum(const QString& python, const QString& file, const QString& out,
                    const QString& column, QString* error);

} // namespace readers
