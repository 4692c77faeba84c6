#include "ExportFixtures.h"
#include "buyers/BuyerExport.h"
#include "distinte/DistintaExport.h"
#include "output/ArchiveExports.h"
#include "output/ExportFile.h"
#include "output/XlsxDocument.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// The .xlsx export as files: what is written as a number, and that the
// previous file survives every export that does not finish. What the
// workbook holds is checked by real spreadsheet programs (XlsxClientsTest).

namespace {

ExportTable distinteTable(const TestFolder& dir) {
    dir.writeBytes(QStringLiteral("2023.ric"),
                   exportfixtures::archiveBytes(exportfixtures::distinte()));
    const ExportSource& source = distintaexport::source();
    ExportTable table(int(source.sheet.columns.size()));
    EXPECT_EQ(archiveexport::load(dir.file(QStringLiteral("2023.ric")), source, table),
              ExportOutcome::Done);
    return table;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList filesIn(const QString& path) {
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(XlsxExport, OnlyAnAmountInItsNormalFormIsANumber) {
    const struct {
        const char* stored;
        std::optional<double> value;
    } cases[] = {
        {"0,50", 0.5},
        {"1250,00", 1250.0},
        {"16,00", 16.0},
        {"9999999999999,99", 9999999999999.99},
        {"12,5", std::nullopt},
        {"12", std::nullopt},
        {"007,00", std::nullopt},
        {"-3,00", std::nullopt},
        {"1.250,00", std::nullopt},
        {"0.50", std::nullopt},
        {"---", std::nullopt},
        {"", std::nullopt},
        {",50", std::nullopt},
        {"12,50 ", std::nullopt},
        {"10000000000000,00", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(xlsxdoc::amountValue(QByteArrayView(c.stored)), c.value);
    }
    // The total is the only column of amounts.
    const QList<ExportColumn>& columns = distintaexport::source().sheet.columns;
    for (const ExportColumn& column : columns)
        EXPECT_EQ(column.amount, column.header == QStringLiteral("Totale distinta"));
    for (const ExportColumn& column : buyerexport::source().sheet.columns)
        EXPECT_FALSE(column.amount);
    EXPECT_EQ(distintaexport::source().xlsxFileName, QStringLiteral("Archivio_Distinte.xlsx"));
    EXPECT_EQ(buyerexport::source().xlsxFileName, QStringLiteral("Anagrafica.xlsx"));
}

TEST(XlsxExport, WritesAZipWorkbookAndNothingElse) {
    TestFolder dir;
    const ExportTable table = distinteTable(dir);
    const QString path = dir.file(QStringLiteral("Archivio_Distinte.xlsx"));
    ASSERT_EQ(exportfile::writeXlsx(path, distintaexport::source().sheet, table),
              ExportOutcome::Done);
    EXPECT_TRUE(dir.readBytes(QStringLiteral("Archivio_Distinte.xlsx")).startsWith("PK\x03\x04"));
    // No temporary or scratch file is left beside it.
    EXPECT_EQ(filesIn(dir.path()),
              QStringList({QStringLiteral("2023.ric"), QStringLiteral("Archivio_Distinte.xlsx")}));
}

TEST(XlsxExport, CancelledExportKeepsThePreviousFile) {
    TestFolder dir;
    const ExportTable table = distinteTable(dir);
    dir.writeBytes(QStringLiteral("Archivio_Distinte.xlsx"), "previous export");
    const auto stop = [](qint64, qint64) { return false; };
    EXPECT_EQ(exportfile::writeXlsx(dir.file(QStringLiteral("Archivio_Distinte.xlsx")),
                                    distintaexport::source().sheet, table, stop),
              ExportOutcome::Cancelled);
    EXPECT_EQ(dir.readBytes(QStringLiteral("Archivio_Distinte.xlsx")), "previous export");
    EXPECT_EQ(filesIn(dir.path()),
              QStringList({QStringLiteral("2023.ric"), QStringLiteral("Archivio_Distinte.xlsx")}));
}

// The workbook of a few hundred rows does not fit in what is left of the
// disk: the export fails, and the previous file is there byte for byte.
TEST(XlsxExportFullDisk, KeepsThePreviousFile) {
    FullDisk disk(4096);
    REQUIRE_FULL_DISK(disk);
    const ExportSource& source = distintaexport::source();
    ExportTable table(int(source.sheet.columns.size()));
    for (int row = 0; row < 2000; ++row) {
        for (int c = 0; c < table.columnCount(); ++c)
            table.addCell(QStringLiteral("Riga %1 colonna %2 con un testo vario %3")
                              .arg(row)
                              .arg(c)
                              .arg(row * 7919 % 104729));
    }
    const QString path = disk.file(QStringLiteral("Archivio_Distinte.xlsx"));
    {
        QFile previous(path);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("previous export");
    }
    const QByteArray before = readAll(path);
    for (const qint64 leave : {qint64(0), qint64(16 * 1024), qint64(96 * 1024)}) {
        SCOPED_TRACE(leave);
        disk.fill(leave);
        EXPECT_EQ(exportfile::writeXlsx(path, source.sheet, table), ExportOutcome::Failed);
        disk.release();
        EXPECT_EQ(readAll(path), before);
        EXPECT_EQ(filesIn(disk.path()), QStringList{QStringLiteral("Archivio_Distinte.xlsx")});
    }
    // With room again the export goes through.
    EXPECT_EQ(exportfile::writeXlsx(path, source.sheet, table), ExportOutcome::Done);
    EXPECT_NE(readAll(path), before);
}
