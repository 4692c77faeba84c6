#include "buyers/SchedaAnagrafica.h"

#include "common/RecordFile.h"
#include "support/StoredLayouts.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

TEST(SchedaAnagrafica, LayoutMatchesTheStoredFile) {
    const RecordLayout& layout = SchedaAnagrafica::layout();
    EXPECT_EQ(layout.fieldCount(), 39);
    EXPECT_EQ(layout.fieldCount(), SchedaAnagrafica::FieldCount);
    EXPECT_EQ(layout.recordSize(), SchedaAnagrafica::kRecordSize);
    storedlayout::expectMatches(layout, storedlayout::scheda());
    EXPECT_EQ(layout.indexOf("Questioni"), SchedaAnagrafica::Questioni);
    EXPECT_EQ(layout.indexOf("Desc01"), SchedaAnagrafica::Desc01);
}

TEST(SchedaAnagrafica, RoundTripTrimsAndCuts) {
    SchedaAnagrafica card;
    card.nome = QStringLiteral("  ") + QString(251, QLatin1Char('N'));
    card.cap = {QStringLiteral(" 8 "), QStringLiteral("0"), QStringLiteral("1"),
                QStringLiteral("2"), QStringLiteral("3")};
    card.prov = {QStringLiteral("N"), QStringLiteral("A")};
    card.sesso = QStringLiteral("F");
    card.localita = QStringLiteral("Forlì ");
    card.file = {QStringLiteral("a.pdf"), QString(), QStringLiteral("c.jpg")};
    card.desc = {QStringLiteral("Carta d'identità"), QStringLiteral("x"), QString()};
    const QByteArray bytes = card.encode();
    ASSERT_EQ(bytes.size(), 3831);
    EXPECT_EQ(bytes.mid(513, 2), QByteArray("\x01"
                                            "8"));
    EXPECT_EQ(bytes.mid(811, 2), QByteArray("\x01"
                                            "F"));
    EXPECT_EQ(bytes.mid(2325, 6), QByteArray("\x05"
                                             "a.pdf"));
    EXPECT_EQ(bytes.mid(3329, 2), QByteArray("\x01"
                                             "x"));
    const SchedaAnagrafica back = SchedaAnagrafica::decode(bytes);
    EXPECT_EQ(back.nome, QString(250, QLatin1Char('N')));
    EXPECT_EQ(back.cap[0], QStringLiteral("8"));
    EXPECT_EQ(back.localita, QStringLiteral("Forlì"));
    EXPECT_EQ(back.desc[0], QStringLiteral("Carta d'identità"));
    EXPECT_EQ(back.file[2], QStringLiteral("c.jpg"));
}

TEST(SchedaAnagrafica, RewriteLeavesNeighboursByteForByte) {
    TestFolder dir;
    RecordFile archive(dir.file(kBuyersArchiveFileName), SchedaAnagrafica::kRecordSize);
    ASSERT_TRUE(archive.open());
    SchedaAnagrafica card;
    for (const char* name : {"Uno", "Due", "Tre"}) {
        card.nome = QString::fromLatin1(name);
        archive.append(card.encode());
    }
    EXPECT_EQ(archive.count(), 3);
    archive.close();
    const QByteArray before = dir.readBytes(kBuyersArchiveFileName);
    EXPECT_EQ(before.size(), 11493);
    EXPECT_EQ(before.mid(7662, 4), QByteArray("\x03Tre"));
    ASSERT_TRUE(archive.open());
    card.nome = QStringLiteral("Secondo");
    EXPECT_TRUE(archive.write(2, card.encode()));
    archive.close();
    const QByteArray after = dir.readBytes(kBuyersArchiveFileName);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(3831), before.left(3831));
    EXPECT_EQ(after.mid(7662), before.mid(7662));
    EXPECT_EQ(SchedaAnagrafica::decode(after.mid(3831, 3831)).nome, QStringLiteral("Secondo"));
}
