#include "ExportDocument.h"

#include "common/TextRules.h"

#include <QIODevice>

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

} // namespace

void appendCellText(QByteArray& out, QByteArrayView cell) {
    bool afterBlank = false;
    for (const char c : cell) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 32) {
            if (afterBlank)
                out.append("&#32;");
            else
                out.append(' ');
            afterBlank = true;
            continue;
        }
        afterBlank = false;
        switch (c) {
        case '&':
            out.append("&amp;");
            break;
        case '<':
            out.append("&lt;");
            break;
        case '>':
            out.append("&gt;");
            break;
        default:
            out.append(c);
        }
    }
}

ExportOutcome write(QIODevice& device, const ExportSheet& sheet, const ExportTable& table,
                    const ExportProgress& progress) {
    QByteArray out;
    out.reserve(kFlushBytes + 64 * 1024);
    const auto flush = [&device, &out] {
        const bool ok = out.isEmpty() || device.write(out) == out.size();
        out.clear();
        return ok;
    };

    out.append(kHead);
    out.append("<x:Name>");
    appendCellText(out, text::toWindows1252(sheet.worksheetName));
    out.append("</x:Name>");
    out.append(kWorksheetOptions);

    out.append("<tr>");
    for (const ExportColumn& column : sheet.columns) {
        out.append(kHeaderCellStart);
        out.append(QByteArray::number(column.exportWidth));
        out.append('>');
        appendCellText(out, text::toWindows1252(column.header));
        out.append(kCellEnd);
    }
    out.append("</tr>");

    const qint64 rows = table.rowCount();
    const int columns = table.columnCount();
    for (qint64 row = 0; row < rows; ++row) {
        if (row % kRowsPerReport == 0 && progress && !progress(row, rows))
            return ExportOutcome::Cancelled;
        out.append("<tr>");
        for (int column = 0; column < columns; ++column) {
            out.append(kDataCellStart);
            appendCellText(out, table.cellBytes(row, column));
            out.append(kCellEnd);
        }
        out.append("</tr>");
        if (out.size() >= kFlushBytes && !flush())
            return ExportOutcome::Failed;
    }
    out.append(kEnd);
    if (!flush())
        return ExportOutcome::Failed;
    if (progress && !progress(rows, rows))
        return ExportOutcome::Cancelled;
    return ExportOutcome::Done;
}

} // namespace exportdoc
