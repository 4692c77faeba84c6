#include "ExportFixtures.h"
#include "ExportedCells.h"
#include "SpreadsheetReaders.h"
#include "buyers/BuyerExport.h"
#include "distinte/DistintaExport.h"
#include "output/ArchiveExports.h"
#include "output/ExportFile.h"
#include "output/XlsxDocument.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

// The .xlsx exports opened by three spreadsheet readers that share no code:
// LibreOffice Calc, Gnumeric and Python's openpyxl. Each must give back
// every cell as stored, in the same rows and columns as the table; the
// distinta's total as a number that a formula can sum.

namespace {

// The export fixtures and the cases only the workbook has: a total that is
// not an amount, a lone "Sì", a 250-character note.
QList<Ricevuta> distinte() {
    QList<Ricevuta> d = exportfixtures::distinte();
    d.append(DistintaBuilder(QStringLiteral("8"))
                 .buyer({QStringLiteral("Sì")})
                 .total(QStringLiteral("circa 5")));
    d.append(DistintaBuilder(QStringLiteral("9")).total(QStringLiteral("12,5")));
    return d;
}

QList<SchedaAnagrafica> buyers() {
    QList<SchedaAnagrafica> b = exportfixtures::buyers();
    SchedaAnagrafica noted;
    noted.nome = QStringLiteral("Nota lunga");
    noted.note = QString(250, u'x');
    for (int i = 0; i < 25; ++i)
        noted.note[i * 10] = QChar(u'0' + i % 10);
    b.append(noted);
    return b;
}

template <typename Record>
Export exportXlsx(const TestFolder& dir, const ExportSource& source, const QList<Record>& records,
                  const QString& archiveName) {
    dir.writeBytes(archiveName, exportfixtures::archiveBytes(records));
    Export e{source, ExportTable(int(source.sheet.columns.size())), dir.file(source.xlsxFileName),
             true};
    EXPECT_EQ(archiveexport::load(dir.file(archiveName), source, e.table), ExportOutcome::Done);
    EXPECT_EQ(exportfile::writeXlsx(e.path, source.sheet, e.table), ExportOutcome::Done);
    return e;
}

struct XlsxClients : ::testing::Test {
    TestFolder dir;
    Export distinteXlsx = exportXlsx(dir, distintaexport::source(), distinte(), "2023.ric");
    Export buyersXlsx = exportXlsx(dir, buyerexport::source(), buyers(), "Anagrafica.pro");
};

QString columnLetter(int column) {
    return QString(QChar(u'A' + column));
}

int totalColumn() {
    const QList<ExportColumn>& columns = distintaexport::source().sheet.columns;
    for (int c = 0; c < columns.size(); ++c)
        if (columns[c].amount)
            return c;
    return -1;
}

} // namespace

TEST_F(XlsxClients, LibreOfficeReadsEveryCellAndSumsTheTotals) {
    REQUIRE_TOOL("soffice");
    REQUIRE_AVAILABLE(readers::hasOpenpyxl(readers::systemPython()),
                      "python3-openpyxl (/usr/bin/python3 with openpyxl)");
    // The accountant's formula under the totals, added by another program.
    const QString summed = dir.file(QStringLiteral("Sommati.xlsx"));
    QString error;
    ASSERT_TRUE(readers::openpyxlAddSum(readers::systemPython(), distinteXlsx.path, summed,
                                        columnLetter(totalColumn()), &error))
        << error.toStdString();

    const QString out = dir.file(QStringLiteral("csv"));
    ASSERT_TRUE(readers::libreOfficeToCsv(toolPath(QStringLiteral("soffice")), dir.path(),
                                          {distinteXlsx.path, buyersXlsx.path, summed}, out,
                                          &error))
        << error.toStdString();
    for (const Export* e : {&distinteXlsx, &buyersXlsx}) {
        SCOPED_TRACE(e->path.toStdString());
        const QString base = QFileInfo(e->path).completeBaseName();
        const auto rows = readers::readCsv(out + u'/' + base + QStringLiteral(".csv"), &error);
        ASSERT_TRUE(rows) << error.toStdString();
        expectSameCells(*rows, *e, true);
    }

    const auto rows = readers::readCsv(out + QStringLiteral("/Sommati.csv"), &error);
    ASSERT_TRUE(rows) << error.toStdString();
    ASSERT_EQ(rows->size(), distinteXlsx.table.rowCount() + 2);
    // 0,50 + 1250,00; the empty total, "circa 5" and "12,5" count nothing.
    const QString sum = rows->last()[totalColumn()].text;
    EXPECT_EQ(QString(sum).replace(u',', u'.').toDouble(), 1250.5) << sum.toStdString();
}

TEST_F(XlsxClients, GnumericReadsEveryCell) {
    REQUIRE_TOOL("ssconvert");
    for (const Export* e : {&distinteXlsx, &buyersXlsx}) {
        SCOPED_TRACE(e->path.toStdString());
        const QString csv = e->path + QStringLiteral(".csv");
        QString error;
        ASSERT_TRUE(
            readers::gnumericToCsv(toolPath(QStringLiteral("ssconvert")), e->path, csv, &error))
            << error.toStdString();
        const auto rows = readers::readCsv(csv, &error);
        ASSERT_TRUE(rows) << error.toStdString();
        expectSameCells(*rows, *e, false);
    }
}

TEST_F(XlsxClients, OpenpyxlFindsTextCellsUnderAFrozenHeader) {
    REQUIRE_AVAILABLE(readers::hasOpenpyxl(readers::systemPython()),
                      "python3-openpyxl (/usr/bin/python3 with openpyxl)");
    const struct {
        const Export* e;
        const char* sheet;
    } cases[] = {{&distinteXlsx, "Archivio Distinte"}, {&buyersXlsx, "Archivio Anagrafico"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sheet);
        const Export& e = *c.e;
        QString error;
        const auto dump = readers::openpyxlDump(readers::systemPython(), e.path, &error);
        ASSERT_TRUE(dump) << error.toStdString();
        const QJsonObject book = dump->object();
        EXPECT_EQ(book[u"sheets"].toArray(), QJsonArray({QString::fromLatin1(c.sheet)}));
        EXPECT_EQ(book[u"freeze"].toString(), QStringLiteral("A2"));
        const QString lastColumn = columnLetter(e.table.columnCount() - 1);
        EXPECT_EQ(book[u"filter"].toString(),
                  QStringLiteral("A1:%1%2").arg(lastColumn).arg(e.table.rowCount() + 1));
        EXPECT_EQ(book[u"max_row"].toInt(), e.table.rowCount() + 1);
        EXPECT_EQ(book[u"max_column"].toInt(), e.table.columnCount());
        const QJsonObject widths = book[u"widths"].toObject();
        for (int col = 0; col < e.table.columnCount(); ++col) {
            // Excel's width unit is about 7 pixels of the default font.
            const double pixels = widths[columnLetter(col)].toDouble() * 7;
            EXPECT_NEAR(pixels, e.source.sheet.columns[col].exportWidth, 2) << col;
        }

        const QJsonArray rows = book[u"rows"].toArray();
        ASSERT_EQ(rows.size(), e.table.rowCount() + 1);
        const QJsonArray header = rows[0].toArray();
        ASSERT_EQ(header.size(), e.table.columnCount());
        for (int col = 0; col < e.table.columnCount(); ++col) {
            EXPECT_EQ(header[col].toObject()[u"value"].toString(),
                      e.source.sheet.columns[col].header);
            EXPECT_TRUE(book[u"header_bold"].toArray()[col].toBool()) << col;
        }
        for (qsizetype r = 0; r < e.table.rowCount(); ++r) {
            const QJsonArray row = rows[r + 1].toArray();
            ASSERT_EQ(row.size(), e.table.columnCount());
            for (int col = 0; col < e.table.columnCount(); ++col) {
                SCOPED_TRACE(testing::Message() << "row " << r + 1 << " column " << col);
                const QJsonObject cell = row[col].toObject();
                const QString expected = e.table.cell(r, col);
                if (const std::optional<double> n = e.number(r, col)) {
                    EXPECT_EQ(cell[u"type"].toString(), QStringLiteral("n"));
                    EXPECT_EQ(cell[u"value"].toDouble(), *n);
                    EXPECT_EQ(cell[u"format"].toString(), QStringLiteral("0.00"));
                } else if (expected.isEmpty()) {
                    EXPECT_TRUE(cell[u"value"].isNull());
                } else {
                    EXPECT_EQ(cell[u"type"].toString(), QStringLiteral("s"));
                    EXPECT_EQ(cell[u"value"].toString(), expected);
                }
            }
        }
    }
}
