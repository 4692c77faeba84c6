#include "buyers/BuyerCardPage.h"

#include "BuyerCards.h"
#include "output/PreparedReport.h"

#include <gtest/gtest.h>

namespace {

TEST(BuyerCardPage, RowsJoinAddressCapAndProvince) {
    SchedaAnagrafica card = buyerCard(QStringLiteral(" Mario Rossi "), QStringLiteral("Roma"));
    card.indirizzo = QStringLiteral("Via Roma");
    card.cap = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("8"),
                QStringLiteral("4")};
    card.prov = {QStringLiteral("R"), QStringLiteral("M")};
    card.file[0] = QStringLiteral("non stampato.pdf");
    const QStringList rows = buyercardpage::rowValues(card);
    ASSERT_EQ(rows.size(), buyercardpage::kRows);
    EXPECT_EQ(rows[0], QStringLiteral("Mario Rossi"));
    EXPECT_EQ(rows[6], QStringLiteral("Via Roma "));
    EXPECT_EQ(rows[7], QStringLiteral("00184"));
    EXPECT_EQ(rows[8], QStringLiteral("Roma RM"));
    EXPECT_FALSE(rows.join(QString()).contains(QStringLiteral("non stampato")));

    const Report page =
        buyercardpage::filled(card, QStringLiteral("03/03/2024"), QStringLiteral("09:05:07"));
    EXPECT_EQ(page.findObject(u"txtCalce")->text(),
              QStringLiteral("Stampa eseguita in data 03/03/2024 alle ore 09:05:07"));
    EXPECT_EQ(page.findObject(u"txtCap")->text(), QStringLiteral("00184"));
    // Rows 5 mm apart from 7 mm down, the last ending above the footer bar.
    const ReportObject* last = page.findObject(u"txtNote");
    EXPECT_DOUBLE_EQ(last->rect.top(), 7 + 5 * 25);
    EXPECT_LT(last->rect.bottom(), page.findObject(u"txtCalce")->rect.top());
    EXPECT_EQ(prepareReport(page).pages.size(), 1);
}

} // namespace
