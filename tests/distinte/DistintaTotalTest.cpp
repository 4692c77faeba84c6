#include "distinte/DistintaTotal.h"

#include <gtest/gtest.h>

using namespace distintatotal;

namespace {

void setLine(Lines& l, int i, const char* q, const char* u, const char* a) {
    l.quant[i] = QString::fromUtf8(q);
    l.unitario[i] = QString::fromUtf8(u);
    l.importo[i] = QString::fromUtf8(a);
}

} // namespace

TEST(DistintaTotal, TotalOfTypicalLines) {
    Lines l;
    setLine(l, 0, "", "2,50", "");         // no quantity means one
    setLine(l, 1, "3", "0,10", "");        // 0,30000000000000004 in binary
    setLine(l, 2, "0", "5,00", "");        // zero product, amount emptied while typing
    setLine(l, 3, "2", "", "");            // no unit value
    setLine(l, 4, "10", "16,00", "99,00"); // a stale amount is replaced
    l.totale = QStringLiteral("old");
    ASSERT_TRUE(compute(l));
    EXPECT_EQ(l.importo[0], u"2,50");
    EXPECT_EQ(l.quant[0], u"1");
    EXPECT_EQ(l.importo[1], u"0,30");
    EXPECT_EQ(l.quant[1], u"3");
    EXPECT_EQ(l.importo[2], u"0,00");
    EXPECT_EQ(l.quant[2], u"0");
    EXPECT_EQ(l.importo[3], u"0,00");
    EXPECT_EQ(l.quant[3], u"2"); // no unit value: the quantity is not touched
    EXPECT_EQ(l.importo[4], u"160,00");
    for (int i = 5; i < Lines::kLines; ++i) {
        EXPECT_EQ(l.importo[i], u"0,00");
        EXPECT_EQ(l.quant[i], u"");
    }
    EXPECT_EQ(l.totale, u"162,80");
}

TEST(DistintaTotal, TotalWithEveryLineEmpty) {
    Lines l;
    ASSERT_TRUE(compute(l));
    for (int i = 0; i < Lines::kLines; ++i) {
        EXPECT_EQ(l.importo[i], u"0,00");
        EXPECT_EQ(l.quant[i], u"");
        EXPECT_EQ(l.unitario[i], u"");
    }
    EXPECT_EQ(l.totale, u"0,00");
}

TEST(DistintaTotal, ZeroProductKeepsTheOldAmountText) {
    // Quantity 0 leaves whatever amount the line showed, and it still counts.
    Lines l;
    setLine(l, 0, "0", "5,00", "4,00");
    ASSERT_TRUE(compute(l));
    EXPECT_EQ(l.importo[0], u"4,00");
    EXPECT_EQ(l.totale, u"4,00");
}

TEST(DistintaTotal, LinesAreRoundedOnTheirOwnAndTheTotalOnce) {
    Lines l;
    setLine(l, 0, "1", "0,005", "");
    setLine(l, 1, "1", "0,005", "");
    ASSERT_TRUE(compute(l));
    EXPECT_EQ(l.importo[0], u"0,01");
    EXPECT_EQ(l.importo[1], u"0,01");
    EXPECT_EQ(l.totale, u"0,01");
}

TEST(DistintaTotal, DamagedLineAmountStopsTheComputation) {
    Lines l;
    setLine(l, 0, "", "1,255", "");     // rewritten in the product step
    setLine(l, 1, "0", "3,00", "x,yz"); // damaged, and kept because the product is zero
    l.totale = QStringLiteral("9,99");
    Problem where;
    EXPECT_FALSE(compute(l, &where));
    EXPECT_EQ(where.line, 1);
    EXPECT_EQ(where.column, Problem::Importo);
    EXPECT_EQ(l.totale, u"0,00");
    EXPECT_EQ(l.importo[0], u"1,255"); // the product, not yet rounded
    EXPECT_EQ(l.quant[0], u"");        // quantities are not filled in
    EXPECT_EQ(l.importo[1], u"x,yz");
    EXPECT_EQ(l.importo[2], u"");
}

TEST(DistintaTotal, BadQuantityOrUnitValueFailsBeforeAnyChange) {
    const struct {
        const char* quant;
        const char* unitario;
        Problem::Column column;
    } cases[] = {
        {"2,,", "1,00", Problem::Quant},
        {"2", "1.00", Problem::Unitario},
    };
    for (const auto& [q, u, column] : cases) {
        SCOPED_TRACE(std::string(q) + " " + u);
        Lines l;
        setLine(l, 0, "2", "1,00", "5,00");
        setLine(l, 9, q, u, "7,00");
        Problem where;
        EXPECT_FALSE(compute(l, &where));
        EXPECT_EQ(where.line, 9);
        EXPECT_EQ(where.column, column);
        EXPECT_EQ(l.totale, u"0,00");
        EXPECT_EQ(l.importo[0], u"5,00");
        EXPECT_EQ(l.importo[9], u"7,00");
    }
}
