#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"
#include "support/RequireTool.h"

#include <gtest/gtest.h>

// A distinta as the reseller issues one: buyer and stamps imported, the date
// from the calendar, saved, printed, then marked paid and saved again.
TEST(Journeys, NewDistintaSavedPrintedAndPaid) {
    REQUIRE_TOOL("pdftotext");
    Journey j;
    steps::issueDistinta(j);

    const QString number = j.text(QStringLiteral("txtNumRic"));
    EXPECT_EQ(number, QStringLiteral("1"));
    EXPECT_EQ(j.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
    EXPECT_EQ(j.text(QStringLiteral("txtAcqRigo01")), QStringLiteral("Mario Rossi"));
    EXPECT_EQ(j.text(QStringLiteral("txtAcqRigo02")), QStringLiteral("Via Roma 12"));
    EXPECT_EQ(j.text(QStringLiteral("txtAcqRigo03")), QStringLiteral("80121 Napoli NA"));
    EXPECT_EQ(j.text(QStringLiteral("txtData")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(j.text(QStringLiteral("txtDescrizione01")), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(j.text(QStringLiteral("txtImporto01")), QStringLiteral("32,00"));
    EXPECT_EQ(j.text(QStringLiteral("txtDescrizione02")), QStringLiteral("Francobollo"));
    EXPECT_EQ(j.text(QStringLiteral("txtImporto02")), QStringLiteral("5,00"));
    EXPECT_EQ(j.text(QStringLiteral("txtTotale")), QStringLiteral("37,00"));

    j.onDialog(QStringLiteral("TfrmStampaRic"),
               [&j](QDialog* dialog) { j.click(QStringLiteral("btnStampa"), dialog); });
    j.click(QStringLiteral("cmdStampa"));
    const QString page = j.printed();
    for (const char* expected : {"Mario Rossi", "Via Roma 12", "80121 Napoli NA", "05/03/2024",
                                 "Marca da bollo", "Francobollo", "32,00", "5,00", "37,00"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << page.toStdString();

    j.click(QStringLiteral("chkSaldato"));
    j.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(j.takeMessages(), QStringList{QStringLiteral("Le modifiche apportate alla scheda "
                                                           "corrente sono state salvate in "
                                                           "archivio.")});
    // One record in the year's archive, paid.
    const QByteArray archive = j.dataFolder().readBytes(QStringLiteral("2024.ric"));
    EXPECT_EQ(archive.size(), 3053);
    EXPECT_TRUE(archive.contains("Mario Rossi"));
    EXPECT_TRUE(archive.contains("\x02S\xEC")) << "Saldato stored as Sì";
    steps::backToMainMenu(j);
}
