#include "output/ExportDocument.h"

#include "ExportFixtures.h"
#include "buyers/BuyerExport.h"
#include "distinte/DistintaExport.h"
#include "output/ArchiveExports.h"
#include "output/ExportFile.h"
#include "support/FailDevice.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Archivio Distinte</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
    "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet>"
    "</x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";
const QByteArray kEnd = "</table></body></html>";

QByteArray header(const char* text, int width) {
    return QByteArray("<td style=\"text-align: left; font-weight: bold;\" width=") +
           QByteArray::number(width) + '>' + text + "</td>";
}

QByteArray cells(const QList<QByteArray>& texts) {
    QByteArray row = "<tr>";
    for (const QByteArray& t : texts)
        row += "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + t + "</td>";
    return row + "</tr>";
}

QByteArray document(const ExportSource& source, const ExportTable& table) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_EQ(exportdoc::write(buffer, source.sheet, table), ExportOutcome::Done);
    return buffer.data();
}

// The rows an archive of `records` gives.
template <typename Record>
ExportTable loaded(const ExportSource& source, const QList<Record>& records) {
    TestFolder dir;
    dir.writeBytes("a", exportfixtures::archiveBytes(records));
    ExportTable table(int(source.sheet.columns.size()));
    EXPECT_EQ(archiveexport::load(dir.file("a"), source, table), ExportOutcome::Done);
    return table;
}

QByteArray cp1252(const char16_t* text) {
    return QString::fromUtf16(text).toLatin1();
}

} // namespace

TEST(ExportDocument, DistinteDocumentByteForByte) {
    const ExportSource& source = distintaexport::source();
    const QByteArray doc = document(source, loaded(source, exportfixtures::distinte()));

    QByteArray headers = "<tr>" + header("Distinta n.", 180) + header("Data emissione", 180);
    for (int i = 1; i <= 5; ++i)
        headers += header("Dati acquirente (rigo " + QByteArray::number(i) + ')', 300);
    for (int i = 1; i <= 10; ++i)
        headers += header("Descrizione valori (rigo " + QByteArray::number(i) + ')', 300);
    headers += header(cp1252(u"Modalità di pagamento"), 300) + header("Totale distinta", 200) +
               header("Saldato", 100) + "</tr>";
    // One row per fixture distinta; the buyer and description lines not
    // given are blank cells.
    const struct {
        QByteArray number;
        QByteArray date;
        QList<QByteArray> buyer;
        QList<QByteArray> descriptions;
        QByteArray payment;
        QByteArray total;
        QByteArray paid;
    } rows[] = {
        {"1",
         "05/01/2023",
         {"Rossi &amp; Figli", "Via &lt;Roma&gt; 1", "00100 Roma", "", "P.IVA 01234567890"},
         {"Marca da bollo da 0,50"},
         "Contanti",
         "0,50",
         "S\xEC"},
        {"007",
         "31/12/2023",
         {"Mario &#32;Bianchi &#32;&#32;jr"},
         {"1/2", "1e5", "=1+1", "TRUE", "-3", "12:30", "3%", "1.234", "\x80 5,00", "2023-01-05"},
         cp1252(u"Bonifico \"urgente\", Società Più"),
         "1250,00",
         "No"},
        {"4111111111111111", "", {}, {}, "", "", "No"},
    };
    QByteArray body;
    for (const auto& r : rows) {
        QList<QByteArray> row = {r.number, r.date};
        for (int i = 0; i < 5; ++i)
            row.append(r.buyer.value(i));
        for (int i = 0; i < 10; ++i)
            row.append(r.descriptions.value(i));
        row << r.payment << r.total << r.paid;
        body += cells(row);
    }
    EXPECT_EQ(doc, kHead + headers + body + kEnd);
    EXPECT_FALSE(doc.contains('\r'));
    EXPECT_FALSE(doc.contains('\n'));
}

TEST(ExportDocument, EmptyArchiveGivesTheHeaderRowOnly) {
    for (const ExportSource* source : {&distintaexport::source(), &buyerexport::source()}) {
        const QByteArray doc = document(*source, ExportTable(int(source->sheet.columns.size())));
        EXPECT_EQ(doc.count("<tr>"), 1);
        EXPECT_TRUE(doc.endsWith("</td></tr>" + kEnd));
    }
    const QByteArray buyers = document(
        buyerexport::source(), ExportTable(int(buyerexport::source().sheet.columns.size())));
    EXPECT_TRUE(buyers.contains("<x:Name>Archivio Anagrafico</x:Name>"));
}

TEST(ExportDocument, BuyerRowsJoinAndLeaveOutFields) {
    const ExportSource& source = buyerexport::source();
    const ExportTable table = loaded(source, exportfixtures::buyers());
    ASSERT_EQ(table.rowCount(), 2);
    ASSERT_EQ(table.columnCount(), 25);
    const QStringList rossi = {"Rossi & Figli",
                               "12",
                               "00100",
                               "Forlì",
                               "FC",
                               "0612345678",
                               "rossi@example.it",
                               "05/01/1970",
                               "Cesena",
                               "RSSMRA70A05C573X",
                               "01234567890",
                               "IT60X0542811101000000123456",
                               "",
                               "4111111111111111",
                               "12/2027",
                               "+39 333 1234567",
                               "Italiana",
                               "",
                               "Sì, coniugato",
                               "C.I. 0012345",
                               "Comune di Forlì",
                               "01/01/2030",
                               "Marche < 1,00 & francobolli > 2,00",
                               "0,50",
                               "=SOMMA(A1:A2)"};
    for (int c = 0; c < 25; ++c)
        EXPECT_EQ(table.cell(0, c), rossi[c]) << "column " << c;
    // Street without number, a CAP typed in part.
    EXPECT_EQ(table.cell(1, 1), "Via Roma");
    EXPECT_EQ(table.cell(1, 2), "47");

    // The file header differs from the grid's in one column.
    EXPECT_EQ(source.sheet.columns[20].header, "Ente rilascio");
    EXPECT_EQ(source.sheet.columns[20].gridHeader, "Ente di rilascio");
    const QByteArray doc = document(source, table);
    EXPECT_TRUE(doc.contains(header("Ente rilascio", 300)));
    EXPECT_TRUE(doc.contains(header("Nome, cognome o Ragione sociale", 350) +
                             header("Indirizzo", 350) + header("CAP", 180)));
    EXPECT_TRUE(doc.contains(">Rossi &amp; Figli<"));
    EXPECT_TRUE(doc.contains(">Marche &lt; 1,00 &amp; francobolli &gt; 2,00<"));
}

TEST(ExportDocument, CellTexts) {
    const struct {
        QByteArray stored;
        QByteArray written;
    } cases[] = {
        {"Rossi & Figli", "Rossi &amp; Figli"},
        {"<a>&amp;", "&lt;a&gt;&amp;amp;"},
        {"Mario  Rossi", "Mario &#32;Rossi"},
        // A damaged record may hold line breaks or tabs inside a field.
        {"riga\r\nriga\tfine", "riga &#32;riga fine"},
        {"S\xEC", "S\xEC"},
        {"", ""},
    };
    for (const auto& c : cases) {
        QByteArray out;
        exportdoc::appendCellText(out, c.stored);
        EXPECT_EQ(out, c.written) << c.stored.toStdString();
    }
}

TEST(ExportDocument, ArchiveReading) {
    TestFolder dir;
    const ExportSource& source = distintaexport::source();
    // A missing archive is created empty and gives no rows.
    ExportTable empty(20);
    EXPECT_EQ(archiveexport::load(dir.file("2023.ric"), source, empty), ExportOutcome::Done);
    EXPECT_TRUE(dir.exists("2023.ric"));
    EXPECT_EQ(empty.rowCount(), 0);

    // A length byte beyond the capacity reads the field and nothing of the
    // next one; a partial last record is not a row.
    QByteArray bytes = exportfixtures::archiveBytes(exportfixtures::distinte());
    bytes[0] = char(200);
    bytes.append(QByteArray(100, 'x'));
    dir.writeBytes("2023.ric", bytes);
    ExportTable table(20);
    EXPECT_EQ(archiveexport::load(dir.file("2023.ric"), source, table), ExportOutcome::Done);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(0, 0).size(), 1);
    EXPECT_EQ(table.cell(0, 1), "05/01/2023");

    // Cancelling stops the reading.
    ExportTable cancelled(20);
    EXPECT_EQ(archiveexport::load(dir.file("2023.ric"), source, cancelled,
                                  [](qint64, qint64) { return false; }),
              ExportOutcome::Cancelled);
}

TEST(ExportDocument, FailedOrCancelledWriteKeepsThePreviousFile) {
    const ExportSource& source = distintaexport::source();
    const ExportTable table = loaded(source, exportfixtures::distinte());

    FailDevice full(1000);
    full.open(QIODevice::WriteOnly);
    EXPECT_EQ(exportdoc::write(full, source.sheet, table), ExportOutcome::Failed);

    TestFolder dir;
    const QString path = dir.file("Archivio_Distinte.xls");
    dir.writeBytes("Archivio_Distinte.xls", "previous export");
    EXPECT_EQ(exportfile::write(path, source.sheet, table, [](qint64, qint64) { return false; }),
              ExportOutcome::Cancelled);
    EXPECT_EQ(dir.readBytes("Archivio_Distinte.xls"), "previous export");
    {
        // The spreadsheet program holds the file: it cannot be replaced.
        ReadOnlyScope readOnly({path});
        EXPECT_EQ(exportfile::write(path, source.sheet, table), ExportOutcome::Failed);
    }
    EXPECT_EQ(dir.readBytes("Archivio_Distinte.xls"), "previous export");

    EXPECT_EQ(exportfile::write(path, source.sheet, table), ExportOutcome::Done);
    EXPECT_EQ(dir.readBytes("Archivio_Distinte.xls"), document(source, table));
}

// A write-protected stick or backup copy can be exported from.
TEST(ExportDocument, ReadOnlyArchiveIsExported) {
    TestFolder dir;
    const QByteArray bytes = exportfixtures::archiveBytes(exportfixtures::distinte());
    dir.writeBytes("2023.ric", bytes);
    ReadOnlyScope readOnly({dir.file("2023.ric")});
    ExportTable table(20);
    EXPECT_EQ(archiveexport::load(dir.file("2023.ric"), distintaexport::source(), table),
              ExportOutcome::Done);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(dir.readBytes("2023.ric"), bytes);
}

TEST(ExportDocument, FullDiskKeepsThePreviousExport) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const ExportSource& source = distintaexport::source();
    const ExportTable table = loaded(source, exportfixtures::distinte());
    const QString path = disk.file("Archivio_Distinte.xls");
    {
        QFile previous(path);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("previous export");
    }
    disk.fill();
    EXPECT_EQ(exportfile::write(path, source.sheet, table), ExportOutcome::Failed);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), "previous export");
}

// Cells whose escaped form is five times their stored size, over more rows
// than one write gathers: nothing is lost or cut between two writes.
TEST(ExportDocument, LongestEscapesAcrossManyWrites) {
    const ExportSheet sheet{QStringLiteral("Prova"), {{"A", 10, "A", 10}, {"B", 10, "B", 10}}};
    ExportTable table(2);
    const QByteArray ampersands(250, '&');
    const QByteArray blanks = 'x' + QByteArray(248, ' ') + 'y';
    for (int row = 0; row < 1200; ++row) {
        table.addCell(QByteArrayView(ampersands));
        table.addCell(QByteArrayView(blanks));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_EQ(exportdoc::write(buffer, sheet, table), ExportOutcome::Done);

    QByteArray first, second;
    exportdoc::appendCellText(first, ampersands);
    exportdoc::appendCellText(second, blanks);
    EXPECT_EQ(second.size(), 2 + 1 + 247 * 5);
    const QByteArray row = cells({first, second});
    ASSERT_GT(buffer.data().size(), 2 << 20);
    EXPECT_EQ(buffer.data().count(row), 1200);
    EXPECT_TRUE(buffer.data().endsWith(row + kEnd));
}
