#include "ExportFixtures.h"
#include "ExportedCells.h"
#include "SpreadsheetReaders.h"
#include "buyers/BuyerExport.h"
#include "distinte/DistintaExport.h"
#include "output/ArchiveExports.h"
#include "output/ExportFile.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

// The export files opened in LibreOffice Calc, as a reseller without Excel
// does, on an Italian desk: every cell must come back as the same text, not
// as a number or a date. Calc converts both files to CSV in one run, quoting
// exactly the cells it holds as text.

namespace {

template <typename Record>
Export exportArchive(const TestFolder& dir, const ExportSource& source,
                     const QList<Record>& records) {
    dir.writeBytes(QStringLiteral("archive"), exportfixtures::archiveBytes(records));
    Export e{source, ExportTable(int(source.sheet.columns.size())),
             dir.file(source.outputFileName)};
    EXPECT_EQ(archiveexport::load(dir.file(QStringLiteral("archive")), source, e.table),
              ExportOutcome::Done);
    EXPECT_EQ(exportfile::write(e.path, source.sheet, e.table), ExportOutcome::Done);
    return e;
}

} // namespace

TEST(LibreOfficeRoundTrip, EveryCellComesBackAsTyped) {
    REQUIRE_TOOL("soffice");

    TestFolder dir;
    const Export distinte =
        exportArchive(dir, distintaexport::source(), exportfixtures::distinte());
    const Export buyers = exportArchive(dir, buyerexport::source(), exportfixtures::buyers());
    ASSERT_EQ(distinte.table.rowCount(), 3);
    ASSERT_EQ(buyers.table.rowCount(), 2);

    const QString csvDir = dir.file(QStringLiteral("csv"));
    QString error;
    ASSERT_TRUE(readers::libreOfficeToCsv(toolPath(QStringLiteral("soffice")), dir.path(),
                                          {distinte.path, buyers.path}, csvDir, &error))
        << error.toStdString();
    for (const Export* e : {&distinte, &buyers}) {
        SCOPED_TRACE(e->path.toStdString());
        const auto rows = readers::readCsv(
            csvDir + u'/' + QFileInfo(e->path).completeBaseName() + QStringLiteral(".csv"), &error);
        ASSERT_TRUE(rows) << error.toStdString();
        // Every cell that is not empty must be text.
        expectSameCells(*rows, *e, true);
    }
}
