#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"

#include <QTableView>
#include <gtest/gtest.h>

namespace {

// Esporta on the screen showing: the export screen opens, Esporta writes the
// file (Sì), the file is not opened (No). Returns the rows the grid showed.
int exportFromTheScreen(Journey& j, const char* exportScreen) {
    int rows = -1;
    j.onDialog(QString::fromLatin1(exportScreen), [&j, &rows](QDialog* screen) {
        if (auto* grid = j.find<QTableView>(QStringLiteral("grdRecords"), screen))
            rows = grid->model()->rowCount();
        j.messages().answers = {true, false};
        j.click(QStringLiteral("cmdEsporta"), screen);
        j.click(QStringLiteral("cmdEsci"), screen);
    });
    j.click(QStringLiteral("cmdEsporta"));
    EXPECT_EQ(j.takeMessages(), steps::exportMessages());
    return rows;
}

void expectCells(const QByteArray& file, const QStringList& cells) {
    for (const QString& cell : cells)
        EXPECT_TRUE(file.contains(">" + cell.toLatin1() + "</td>")) << cell.toStdString();
}

} // namespace

// Both archives exported from their own screens hold every record. The
// buyers archive used to export a header row only, and call it a success.
TEST(Journeys, BothArchivesExportEveryRecordFromTheirOwnScreens) {
    Journey j;
    steps::logIn(j);
    steps::stockTheShop(j);
    steps::openArea(j, "btnAcquirenti");
    steps::Buyer lucia;
    lucia.nome = QStringLiteral("Lucia Bianchi");
    lucia.localita = QStringLiteral("Torino");
    lucia.sesso = QStringLiteral("F");
    steps::saveNewBuyer(j, lucia);
    EXPECT_EQ(exportFromTheScreen(j, "TfrmExpAnagrafica"), 2);
    const QByteArray buyers = j.dataFolder().readBytes(QStringLiteral("Anagrafica.xls"));
    EXPECT_EQ(buyers.count("<tr>"), 3);
    const steps::Buyer mario = steps::mario();
    expectCells(buyers, {mario.nome, QStringLiteral("Via Roma 12"), mario.cap, mario.localita,
                         mario.prov, mario.codFisc, mario.partitaIva, mario.iban, mario.carta,
                         lucia.nome, lucia.localita});
    steps::backToMainMenu(j);

    steps::openDistinte(j, QStringLiteral("2024"));
    steps::fillAndSaveDistinta(j);
    EXPECT_EQ(exportFromTheScreen(j, "TfrmExpRicevute"), 1);
    const QByteArray distinte = j.dataFolder().readBytes(QStringLiteral("Archivio_Distinte.xls"));
    EXPECT_EQ(distinte.count("<tr>"), 2);
    expectCells(distinte,
                {QStringLiteral("1"), QStringLiteral("05/03/2024"), QStringLiteral("Mario Rossi"),
                 QStringLiteral("Via Roma 12"), QStringLiteral("80121 Napoli NA"),
                 QStringLiteral("Marca da bollo"), QStringLiteral("Francobollo"),
                 QStringLiteral("37,00"), QStringLiteral("No")});
    steps::backToMainMenu(j);
}
