#include "ExportDocument.h"

#include "common/TextRules.h"

#include <QIODevice>
#include <cstring>

namespace exportdoc {
namespace {

// Bytes gathered before they go to the device: few large writes.
constexpr qsizetype kFlushBytes = 1 << 20;
// Rows written between two progress reports.
constexpr qint64 kRowsPerReport = 1024;

constexpr char kHead[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>";
constexpr char kWorksheetOptions[] =
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]--></head><body><table x:str>";
constexpr char kHeaderCellStart[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
// The table's x:str tells Excel that every cell is text; LibreOffice does
// not read it and would turn 0,50 into a number and drop the leading zeros
// of a CAP or a telephone number, so each cell also carries the text number
// format in the form LibreOffice reads (Excel ignores it).
constexpr char kDataCellStart[] = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
constexpr char kCellEnd[] = "</td>";
constexpr char kEnd[] = "</table></body></html>";

// Longest form of one stored byte in a cell ("&#32;").
constexpr qsizetype kMaxEscapedBytes = 5;

struct ByteClasses {
    // True for the bytes a cell cannot carry as they are.
    bool special[256] = {};
    constexpr ByteClasses() {
        for (int c = 0; c <= 32; ++c)
            special[c] = true;
        special[int('&')] = special[int('<')] = special[int('>')] = true;
    }
};
constexpr ByteClasses kBytes;

// Writes the cell text at `dest`, which has room for kMaxEscapedBytes per
// byte of `cell`, and returns the end of what was written. Runs of ordinary
// bytes are copied in one go: most cells have nothing to escape.
char* escapeInto(char* dest, QByteArrayView cell) {
    const char* from = cell.data();
    const char* const end = from + cell.size();
    bool afterBlank = false;
    while (from < end) {
        const char* run = from;
        while (run < end && !kBytes.special[static_cast<unsigned char>(*run)])
            ++run;
        if (run != from) {
            std::memcpy(dest, from, std::size_t(run - from));
            dest += run - from;
            afterBlank = false;
            from = run;
            continue;
        }
        const auto put = [&dest](const char* text, std::size_t n) {
            std::memcpy(dest, text, n);
            dest += n;
        };
        switch (*from) {
        case '&':
            put("&amp;", 5);
            afterBlank = false;
            break;
        case '<':
            put("&lt;", 4);
            afterBlank = false;
            break;
        case '>':
            put("&gt;", 4);
            afterBlank = false;
            break;
        default: // a blank or a control code
            if (afterBlank)
                put("&#32;", 5);
            else
                *dest++ = ' ';
            afterBlank = true;
        }
        ++from;
    }
    return dest;
}

// Gathers the document in a large buffer and hands it to the device in few
// large writes. The first refused write is kept as the outcome. Callers make
// room before they put bytes, once per row, so each put is a plain copy.
class Output {
public:
    explicit Output(QIODevice& device)
        : m_device(device), m_buffer(kFlushBytes, Qt::Uninitialized) {
        m_end = m_buffer.data();
    }

    // Makes room for `bytes` more bytes, writing out what is gathered first
    // when the buffer is full.
    void room(qsizetype bytes) {
        if ((m_end - m_buffer.data()) + bytes <= m_buffer.size())
            return;
        flush();
        if (bytes > m_buffer.size()) {
            m_buffer.resize(bytes);
            m_end = m_buffer.data();
        }
    }
    template <std::size_t N> void put(const char (&literal)[N]) {
        std::memcpy(m_end, literal, N - 1);
        m_end += N - 1;
    }
    void put(QByteArrayView bytes) {
        std::memcpy(m_end, bytes.data(), std::size_t(bytes.size()));
        m_end += bytes.size();
    }
    // A cell's bytes as escaped text.
    void text(QByteArrayView cell) { m_end = escapeInto(m_end, cell); }

    bool ok() const { return m_ok; }
    bool flush() {
        const qsizetype used = m_end - m_buffer.data();
        if (used > 0 && m_ok)
            m_ok = m_device.write(m_buffer.constData(), used) == used;
        m_end = m_buffer.data();
        return m_ok;
    }

private:
    QIODevice& m_device;
    QByteArray m_buffer;
    char* m_end;
    bool m_ok = true;
};

} // namespace

void appendCellText(QByteArray& out, QByteArrayView cell) {
    const qsizetype before = out.size();
    out.resize(before + cell.size() * kMaxEscapedBytes);
    char* end = escapeInto(out.data() + before, cell);
    out.resize(end - out.constData());
}

ExportOutcome write(QIODevice& device, const ExportSheet& sheet, const ExportTable& table,
                    const ExportProgress& progress) {
    Output out(device);
    const QByteArray name = text::toWindows1252(sheet.worksheetName);
    out.room(qsizetype(sizeof kHead + sizeof kWorksheetOptions) + 32 +
             name.size() * kMaxEscapedBytes);
    out.put(kHead);
    out.put("<x:Name>");
    out.text(name);
    out.put("</x:Name>");
    out.put(kWorksheetOptions);

    out.room(16);
    out.put("<tr>");
    for (const ExportColumn& column : sheet.columns) {
        const QByteArray header = text::toWindows1252(column.header);
        out.room(qsizetype(sizeof kHeaderCellStart + sizeof kCellEnd) + 16 +
                 header.size() * kMaxEscapedBytes);
        out.put(kHeaderCellStart);
        out.put(QByteArray::number(column.exportWidth));
        out.put(">");
        out.text(header);
        out.put(kCellEnd);
    }
    out.room(16);
    out.put("</tr>");

    const qint64 rows = table.rowCount();
    const int columns = table.columnCount();
    constexpr qsizetype kCellTags = sizeof kDataCellStart + sizeof kCellEnd;
    for (qint64 row = 0; row < rows; ++row) {
        if (row % kRowsPerReport == 0) {
            if (progress && !progress(row, rows))
                return ExportOutcome::Cancelled;
            if (!out.ok())
                return ExportOutcome::Failed;
        }
        out.room(16 + columns * kCellTags + table.rowBytes(row).size() * kMaxEscapedBytes);
        out.put("<tr>");
        for (int column = 0; column < columns; ++column) {
            out.put(kDataCellStart);
            out.text(table.cellBytes(row, column));
            out.put(kCellEnd);
        }
        out.put("</tr>");
    }
    out.room(sizeof kEnd);
    out.put(kEnd);
    if (!out.flush())
        return ExportOutcome::Failed;
    if (progress && !progress(rows, rows))
        return ExportOutcome::Cancelled;
    return ExportOutcome::Done;
}

} // namespace exportdoc
