#include "XlsxDocument.h"

#include "common/TextRules.h"

#include <QFile>
#include <string>
#include <vector>
#include <xlsxwriter.h>

namespace xlsxdoc {
namespace {

// Rows written between two progress reports.
constexpr qint64 kRowsPerReport = 1024;
// Integer digits an amount may have and still show exactly as a spreadsheet
// number (15 significant digits with the two decimals).
constexpr qsizetype kMaxAmountDigits = 13;

// The UTF-8 form of every Windows-1252 byte, which libxlsxwriter takes:
// cells go from the stored bytes to UTF-8 without a QString in between.
struct Utf8Table {
    char bytes[256][4] = {};
    unsigned char size[256] = {};
    Utf8Table() {
        for (int b = 0; b < 256; ++b) {
            const char16_t c = text::fromWindows1252(static_cast<unsigned char>(b));
            char* out = bytes[b];
            if (c < 0x80) {
                out[0] = char(c);
                size[b] = 1;
            } else if (c < 0x800) {
                out[0] = char(0xC0 | (c >> 6));
                out[1] = char(0x80 | (c & 0x3F));
                size[b] = 2;
            } else {
                out[0] = char(0xE0 | (c >> 12));
                out[1] = char(0x80 | ((c >> 6) & 0x3F));
                out[2] = char(0x80 | (c & 0x3F));
                size[b] = 3;
            }
        }
    }
};

const Utf8Table& utf8Table() {
    static const Utf8Table table;
    return table;
}

// `cell` as a NUL-terminated UTF-8 string in `out`. A NUL byte inside a
// stored text (a damaged record) would end the string early; it becomes a
// blank, as the .xls export writes it.
const char* toUtf8(QByteArrayView cell, std::string& out) {
    const Utf8Table& table = utf8Table();
    out.clear();
    for (const char ch : cell) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == 0)
            out.push_back(' ');
        else
            out.append(table.bytes[b], table.size[b]);
    }
    return out.c_str();
}

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Owns the workbook until it is closed; a workbook given up (failure or
// cancel) is freed without writing anything more.
class Workbook {
public:
    Workbook(const QString& path, const QString& scratchFolder)
        : m_path(QFile::encodeName(path).toStdString()),
          m_scratch(QFile::encodeName(scratchFolder).toStdString()) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_scratch.data();
        options.use_zip64 = LXW_FALSE;
        m_book = workbook_new_opt(m_path.c_str(), &options);
    }
    ~Workbook() {
        if (m_book)
            lxw_workbook_free(m_book);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return m_book; }
    bool close() {
        lxw_workbook* book = m_book;
        m_book = nullptr;
        // workbook_close frees the workbook whatever it returns.
        return workbook_close(book) == LXW_NO_ERROR;
    }

private:
    std::string m_path;
    std::string m_scratch;
    lxw_workbook* m_book = nullptr;
};

} // namespace

std::optional<double> amountValue(QByteArrayView bytes) {
    const qsizetype comma = bytes.size() - 3;
    if (comma < 1 || comma > kMaxAmountDigits || bytes[comma] != ',')
        return std::nullopt;
    qint64 cents = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i == comma)
            continue;
        const char c = bytes[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        cents = cents * 10 + (c - '0');
    }
    // The normal form has no leading zero (0,50 and 7,00, never 007,00): a
    // number could not show one, so such a text stays text.
    if (comma > 1 && bytes[0] == '0')
        return std::nullopt;
    return double(cents) / 100.0;
}

ExportOutcome write(const QString& path, const QString& scratchFolder, const ExportSheet& sheet,
                    const ExportTable& table, const ExportProgress& progress) {
    Workbook book(path, scratchFolder);
    if (!book.get())
        return ExportOutcome::Failed;
    lxw_worksheet* ws = workbook_add_worksheet(book.get(), utf8(sheet.worksheetName).c_str());
    lxw_format* header = workbook_add_format(book.get());
    lxw_format* textCell = workbook_add_format(book.get());
    lxw_format* amountCell = workbook_add_format(book.get());
    if (!ws || !header || !textCell || !amountCell)
        return ExportOutcome::Failed;
    format_set_bold(header);
    // Text format too, so that a cell the user retypes stays text.
    format_set_num_format(textCell, "@");
    // Shown with a comma in an Italian spreadsheet: the format code's point
    // is the decimal separator of the reader's locale.
    format_set_num_format(amountCell, "0.00");

    const int columns = table.columnCount();
    const qint64 rows = table.rowCount();
    std::vector<bool> amountColumn(std::size_t(columns), false);
    for (int c = 0; c < columns && c < sheet.columns.size(); ++c) {
        amountColumn[std::size_t(c)] = sheet.columns[c].amount;
        if (worksheet_set_column_pixels(ws, lxw_col_t(c), lxw_col_t(c),
                                        uint32_t(sheet.columns[c].exportWidth),
                                        nullptr) != LXW_NO_ERROR)
            return ExportOutcome::Failed;
    }
    worksheet_freeze_panes(ws, 1, 0);
    if (worksheet_autofilter(ws, 0, 0, lxw_row_t(rows), lxw_col_t(columns - 1)) != LXW_NO_ERROR)
        return ExportOutcome::Failed;

    for (int c = 0; c < columns; ++c) {
        const std::string text = c < sheet.columns.size() ? utf8(sheet.columns[c].header) : "";
        if (worksheet_write_string(ws, 0, lxw_col_t(c), text.c_str(), header) != LXW_NO_ERROR)
            return ExportOutcome::Failed;
    }

    std::string buffer;
    for (qint64 row = 0; row < rows; ++row) {
        if (row % kRowsPerReport == 0 && progress && !progress(row, rows))
            return ExportOutcome::Cancelled;
        const auto sheetRow = lxw_row_t(row + 1);
        for (int c = 0; c < columns; ++c) {
            const QByteArrayView cell = table.cellBytes(row, c);
            // An empty cell is left out: the sheet shows it empty.
            if (cell.isEmpty())
                continue;
            lxw_error error = LXW_NO_ERROR;
            const std::optional<double> amount =
                amountColumn[std::size_t(c)] ? amountValue(cell) : std::nullopt;
            if (amount)
                error = worksheet_write_number(ws, sheetRow, lxw_col_t(c), *amount, amountCell);
            else
                error = worksheet_write_string(ws, sheetRow, lxw_col_t(c), toUtf8(cell, buffer),
                                               textCell);
            if (error != LXW_NO_ERROR)
                return ExportOutcome::Failed;
        }
    }
    if (!book.close())
        return ExportOutcome::Failed;
    if (progress && !progress(rows, rows))
        return ExportOutcome::Cancelled;
    return ExportOutcome::Done;
}

} // namespace xlsxdoc
