#include "ExportFixtures.h"
#include "buyers/BuyerExport.h"
#include "distinte/DistintaExport.h"
#include "output/ArchiveExports.h"
#include "output/ExportFile.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <gtest/gtest.h>

// The export files opened in LibreOffice Calc, as a reseller without Excel
// does, on an Italian desk: every cell must come back as the same text, not
// as a number or a date. Calc converts both files to CSV in one run, quoting
// exactly the cells it holds as text.

namespace {

// One CSV line: fields separated by commas, text fields in double quotes
// with doubled quotes inside. Each field keeps whether it was quoted.
struct CsvField {
    QString text;
    bool quoted = false;
};

QList<QList<CsvField>> parseCsv(const QString& csv) {
    QList<QList<CsvField>> rows;
    QList<CsvField> row;
    CsvField field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < csv.size() && csv[i + 1] == u'"') {
                field.text += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field.text += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            field.quoted = true;
        } else if (c == u',') {
            row.append(field);
            field = {};
        } else if (c == u'\n') {
            row.append(field);
            rows.append(row);
            row.clear();
            field = {};
        } else if (c != u'\r') {
            field.text += c;
        }
    }
    if (!row.isEmpty() || !field.text.isEmpty() || field.quoted) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

template <typename Record>
ExportTable exportArchive(const TestFolder& dir, const ExportSource& source,
                          const QList<Record>& records) {
    dir.writeBytes(QStringLiteral("archive"), exportfixtures::archiveBytes(records));
    ExportTable table(int(source.sheet.columns.size()));
    EXPECT_EQ(archiveexport::load(dir.file(QStringLiteral("archive")), source, table),
              ExportOutcome::Done);
    EXPECT_EQ(exportfile::write(dir.file(source.outputFileName), source.sheet, table),
              ExportOutcome::Done);
    return table;
}

void expectSameCells(const QString& csvPath, const ExportSource& source, const ExportTable& table) {
    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << csvPath.toStdString();
    const QList<QList<CsvField>> rows = parseCsv(QString::fromUtf8(file.readAll()));
    ASSERT_EQ(rows.size(), table.rowCount() + 1) << csvPath.toStdString();
    for (qsizetype r = 0; r < rows.size(); ++r)
        ASSERT_EQ(rows[r].size(), table.columnCount()) << "row " << r;
    for (int c = 0; c < table.columnCount(); ++c)
        EXPECT_EQ(rows[0][c].text, source.sheet.columns[c].header);
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const QString expected = table.cell(r, c);
            const CsvField& got = rows[r + 1][c];
            EXPECT_EQ(got.text, expected) << "row " << r + 1 << " column " << c;
            // Empty cells are empty; every other cell must be text.
            EXPECT_EQ(got.quoted, !expected.isEmpty())
                << "row " << r + 1 << " column " << c << ": " << got.text.toStdString();
        }
    }
}

} // namespace

TEST(LibreOfficeRoundTrip, EveryCellComesBackAsTyped) {
    REQUIRE_TOOL("soffice");
    const QString soffice = toolPath(QStringLiteral("soffice"));

    TestFolder dir;
    const ExportTable distinte =
        exportArchive(dir, distintaexport::source(), exportfixtures::distinte());
    const ExportTable buyers = exportArchive(dir, buyerexport::source(), exportfixtures::buyers());
    ASSERT_EQ(distinte.rowCount(), 3);
    ASSERT_EQ(buyers.rowCount(), 2);

    // A private profile, so that no user setting and no running office
    // instance takes part; the Italian locale reads 0,50 as a number when
    // the cell is not text.
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    env.insert(QStringLiteral("HOME"), dir.path());
    office.setProcessEnvironment(env);
    office.setWorkingDirectory(dir.path());
    const QString csvDir = dir.file(QStringLiteral("csv"));
    // Comma, double quotes, UTF-8, all text cells quoted, values as stored.
    const QString filter =
        QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,1040,true,false,false");
    office.start(soffice, {QStringLiteral("-env:UserInstallation=") +
                               QUrl::fromLocalFile(dir.file(QStringLiteral("profile"))).toString(),
                           QStringLiteral("--headless"), QStringLiteral("--norestore"),
                           QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"),
                           csvDir, dir.file(QStringLiteral("Archivio_Distinte.xls")),
                           dir.file(QStringLiteral("Anagrafica.xls"))});
    ASSERT_TRUE(office.waitForFinished(180000)) << "soffice did not finish";
    ASSERT_EQ(office.exitCode(), 0) << office.readAllStandardError().toStdString();

    expectSameCells(csvDir + QStringLiteral("/Archivio_Distinte.csv"), distintaexport::source(),
                    distinte);
    expectSameCells(csvDir + QStringLiteral("/Anagrafica.csv"), buyerexport::source(), buyers);
}
