#include "distinte/DistintaForm.h"

#include <gtest/gtest.h>

using namespace distintaform;

TEST(DistintaForm, PaidBoxFollowsOnlyTheTwoKnownFlags) {
    const struct {
        const char16_t* stored;
        bool before;
        bool after;
    } cases[] = {
        {u"Sì", false, true},  {u"No", true, false}, {u"", true, true},  {u"", false, false},
        {u"Si", false, false}, {u"SI", true, true},  {u"?", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paidBoxAfterLoad(c.stored, c.before), c.after)
            << QString::fromUtf16(c.stored).toStdString() << " " << c.before;
    EXPECT_EQ(paidFlag(true), kSaldatoSi);
    EXPECT_EQ(paidFlag(false), kSaldatoNo);
}

TEST(DistintaForm, ClearingKeepsOnlyTheResellerData) {
    Ricevuta d;
    d.numRic = QStringLiteral("4");
    d.nomeRiv = QStringLiteral("Tabacchi Rossi");
    d.rivRigo[2] = QStringLiteral("Via Roma 1");
    d.acqRigo[0] = QStringLiteral("Mario Bianchi");
    d.importo[9] = QStringLiteral("3,00");
    d.saldato = kSaldatoSi;

    Ricevuta expected;
    expected.nomeRiv = d.nomeRiv;
    expected.rivRigo = d.rivRigo;
    expected.totale = QStringLiteral("---");
    expected.saldato = kSaldatoNo;
    EXPECT_EQ(cleared(d), expected);
}
