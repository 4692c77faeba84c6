#include "XlsxDocument.h"

#include "common/LateLibrary.h"
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

// The functions of libxlsxwriter the export calls, loaded at the first
// export; `loaded` is false where the library cannot be loaded.
struct Lxw {
    decltype(::workbook_new_opt)* workbook_new_opt = nullptr;
    decltype(::lxw_workbook_free)* lxw_workbook_free = nullptr;
    decltype(::workbook_close)* workbook_close = nullptr;
    decltype(::workbook_add_worksheet)* workbook_add_worksheet = nullptr;
    decltype(::workbook_add_format)* workbook_add_format = nullptr;
    decltype(::format_set_bold)* format_set_bold = nullptr;
    decltype(::format_set_num_format)* format_set_num_format = nullptr;
    decltype(::worksheet_set_column_pixels)* worksheet_set_column_pixels = nullptr;
    decltype(::worksheet_freeze_panes)* worksheet_freeze_panes = nullptr;
    decltype(::worksheet_autofilter)* worksheet_autofilter = nullptr;
    decltype(::worksheet_write_string)* worksheet_write_string = nullptr;
    decltype(::worksheet_write_number)* worksheet_write_number = nullptr;
    bool loaded = false;
};

const Lxw& loadedLxw() {
    static const Lxw functions = [] {
        Lxw f;
        LateLibrary library(QStringLiteral("xlsxwriter"), 4);
        f.loaded = library.load() && library.resolve("workbook_new_opt", f.workbook_new_opt) &&
                   library.resolve("lxw_workbook_free", f.lxw_workbook_free) &&
                   library.resolve("workbook_close", f.workbook_close) &&
                   library.resolve("workbook_add_worksheet", f.workbook_add_worksheet) &&
                   library.resolve("workbook_add_format", f.workbook_add_format) &&
                   library.resolve("format_set_bold", f.format_set_bold) &&
                   library.resolve("format_set_num_format", f.format_set_num_format) &&
                   library.resolve("worksheet_set_column_pixels", f.worksheet_set_column_pixels) &&
                   library.resolve("worksheet_freeze_panes", f.worksheet_freeze_panes) &&
                   library.resolve("worksheet_autofilter", f.worksheet_autofilter) &&
                   library.resolve("worksheet_write_string", f.worksheet_write_string) &&
                   library.resolve("worksheet_write_number", f.worksheet_write_number);
        return f;
    }();
    return functions;
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
        m_book = loadedLxw().workbook_new_opt(m_path.c_str(), &options);
    }
    ~Workbook() {
        if (m_book)
            loadedLxw().lxw_workbook_free(m_book);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return m_book; }
    bool close() {
        lxw_workbook* book = m_book;
        m_book = nullptr;
        // workbook_close frees the workbook whatever it returns.
        return loadedLxw().workbook_close(book) == LXW_NO_ERROR;
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
    const Lxw& lxw = loadedLxw();
    if (!lxw.loaded)
        return ExportOutcome::Failed;
    Workbook book(path, scratchFolder);
    if (!book.get())
        return ExportOutcome::Failed;
    lxw_worksheet* ws = lxw.workbook_add_worksheet(book.get(), utf8(sheet.worksheetName).c_str());
    lxw_format* header = lxw.workbook_add_format(book.get());
    lxw_format* textCell = lxw.workbook_add_format(book.get());
    lxw_format* amountCell = lxw.workbook_add_format(book.get());
    if (!ws || !header || !textCell || !amountCell)
        return ExportOutcome::Failed;
    lxw.format_set_bold(header);
    // Text format too, so that a cell the user retypes stays text.
    lxw.format_set_num_format(textCell, "@");
    // Shown with a comma in an Italian spreadsheet: the format code's point
    // is the decimal separator of the reader's locale.
    lxw.format_set_num_format(amountCell, "0.00");

    const int columns = table.columnCount();
    const qint64 rows = table.rowCount();
    std::vector<bool> amountColumn(std::size_t(columns), false);
    for (int c = 0; c < columns && c < sheet.columns.size(); ++c) {
        amountColumn[std::size_t(c)] = sheet.columns[c].amount;
        if (lxw.worksheet_set_column_pixels(ws, lxw_col_t(c), lxw_col_t(c),
                                            uint32_t(sheet.columns[c].exportWidth),
                                            nullptr) != LXW_NO_ERROR)
            return ExportOutcome::Failed;
    }
    lxw.worksheet_freeze_panes(ws, 1, 0);
    if (lxw.worksheet_autofilter(ws, 0, 0, lxw_row_t(rows), lxw_col_t(columns - 1)) != LXW_NO_ERROR)
        return ExportOutcome::Failed;

    for (int c = 0; c < columns; ++c) {
        const std::string text = c < sheet.columns.size() ? utf8(sheet.columns[c].header) : "";
        if (lxw.worksheet_write_string(ws, 0, lxw_col_t(c), text.c_str(), header) != LXW_NO_ERROR)
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
                error = lxw.worksheet_write_number(ws, sheetRow, lxw_col_t(c), *amount, amountCell);
            else
                error = lxw.worksheet_write_string(ws, sheetRow, lxw_col_t(c), toUtf8(cell, buffer),
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
