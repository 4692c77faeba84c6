#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"

#include <gtest/gtest.h>

// A saved distinta found again through the search and through the unpaid
// list, and gone from the unpaid list once it is paid.
TEST(Journeys, DistintaFoundBySearchAndUnpaidListUntilPaid) {
    Journey j;
    steps::issueDistinta(j);
    j.click(QStringLiteral("cmdNuovo"));
    ASSERT_EQ(j.text(QStringLiteral("lblPosizione")), QString());

    j.onDialog(QStringLiteral("TfrmTrovaRic"), [&j](QDialog* search) {
        j.type(QStringLiteral("txtAcqRigo01"), QStringLiteral("rossi"), search);
        j.click(QStringLiteral("btnCerca"), search);
        EXPECT_EQ(j.rows(search).size(), 1);
        EXPECT_EQ(j.text(QStringLiteral("lblTrovate"), search),
                  QStringLiteral("Il presente riepilogo contiene 1 schede."));
        j.doubleClickRow(QStringLiteral("Mario Rossi"), search);
    });
    j.click(QStringLiteral("cmdTrova"));
    EXPECT_EQ(j.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
    EXPECT_EQ(j.text(QStringLiteral("txtAcqRigo01")), QStringLiteral("Mario Rossi"));
    EXPECT_EQ(j.text(QStringLiteral("txtTotale")), QStringLiteral("37,00"));

    j.click(QStringLiteral("cmdNuovo"));
    j.onDialog(QStringLiteral("TfrmNonPagati"), [&j](QDialog* unpaid) {
        EXPECT_EQ(j.rows(unpaid).size(), 1);
        j.doubleClickRow(QStringLiteral("Mario Rossi"), unpaid);
    });
    j.click(QStringLiteral("cmdDaSaldare"));
    EXPECT_EQ(j.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
    j.click(QStringLiteral("chkSaldato"));
    j.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(j.takeMessages(), QStringList{QStringLiteral("Le modifiche apportate alla scheda "
                                                           "corrente sono state salvate in "
                                                           "archivio.")});

    j.onDialog(QStringLiteral("TfrmNonPagati"), [&j](QDialog* unpaid) {
        EXPECT_EQ(j.rows(unpaid), QStringList());
        j.click(QStringLiteral("btnChiudi"), unpaid);
    });
    j.click(QStringLiteral("cmdDaSaldare"));
    steps::backToMainMenu(j);
}
