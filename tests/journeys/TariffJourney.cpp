#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"

#include <gtest/gtest.h>

// The tariff list kept by hand (an entry added, one changed, one deleted),
// saved on leaving, found again on the next visit, and one entry imported
// into a distinta line.
TEST(Journeys, TariffEntriesAddedChangedDeletedAndImported) {
    Journey j;
    steps::logIn(j);
    steps::openArea(j, "btnBollati");
    steps::addTariffEntry(j, QStringLiteral("Marca da bollo"), QStringLiteral("16"));
    steps::addTariffEntry(j, QStringLiteral("Francobollo"), QStringLiteral("1,25"));
    steps::addTariffEntry(j, QStringLiteral("Cartolina"), QStringLiteral("0,5"));

    j.clickRow(QStringLiteral("Francobollo"));
    j.onDialog(QStringLiteral("TfrmModifica_Voce"), [&j](QDialog* entry) {
        EXPECT_EQ(j.text(QStringLiteral("txtNomeVoce"), entry), QStringLiteral("Francobollo"));
        j.type(QStringLiteral("txtPrezzo"), QStringLiteral("1,30"), entry);
        j.click(QStringLiteral("btnApplica"), entry);
    });
    j.click(QStringLiteral("cmdModifica"));
    j.clickRow(QStringLiteral("Cartolina"));
    j.click(QStringLiteral("cmdElimina"));
    EXPECT_EQ(j.takeMessages(), QStringList());
    steps::backToMainMenu(j, "cmdApplica");

    const QByteArray file = j.dataFolder().readBytes(QStringLiteral("Valori_Bollati.lst"));
    EXPECT_TRUE(file.contains("Marca da bollo")) << file.toStdString();
    EXPECT_TRUE(file.contains("16,00")) << file.toStdString();
    EXPECT_TRUE(file.contains("1,30")) << file.toStdString();
    EXPECT_FALSE(file.contains("1,25")) << file.toStdString();
    EXPECT_FALSE(file.contains("Cartolina")) << file.toStdString();

    steps::openArea(j, "btnBollati");
    const QStringList entries = j.rows();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0].startsWith(QStringLiteral("Marca da bollo")));
    EXPECT_TRUE(entries[1].startsWith(QStringLiteral("Francobollo")));
    steps::backToMainMenu(j, "cmdApplica");

    steps::openDistinte(j, QStringLiteral("2024"));
    j.click(QStringLiteral("cmdNuovo"));
    j.onDialog(QStringLiteral("TfrmTrovaServizi"), [&j](QDialog* tariff) {
        EXPECT_EQ(j.rows(tariff).size(), 2);
        j.clickRow(QStringLiteral("Francobollo"), tariff);
        j.click(QStringLiteral("btnImporta"), tariff);
    });
    j.click(QStringLiteral("impBollato03"));
    EXPECT_EQ(j.text(QStringLiteral("txtDescrizione03")), QStringLiteral("Francobollo"));
    EXPECT_EQ(j.text(QStringLiteral("txtUnitario03")), QStringLiteral("1,30"));
    // Leaving a distinta never saved asks first; No leaves it unsaved.
    j.messages().threeWayAnswers = {MessageBoxes::Answer::No};
    j.click(QStringLiteral("cmdEsci"));
    EXPECT_EQ(j.screen()->objectName(), QStringLiteral("frmAvvio"));
}
