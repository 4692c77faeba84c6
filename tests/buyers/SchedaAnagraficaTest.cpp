#include "buyers/SchedaAnagrafica.h"

#include "common/RecordFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    int capacity;
    int offset;
};

const Expected kTable[] = {
    {"Nome", 250, 0},           {"Indirizzo", 250, 251},  {"Num", 10, 502},
    {"Cap01", 1, 513},          {"Cap05", 1, 521},        {"Localita", 120, 523},
    {"Prov01", 1, 644},         {"Prov02", 1, 646},       {"Tel", 30, 648},
    {"Email", 120, 679},        {"DataNasc", 10, 800},    {"Sesso", 1, 811},
    {"LuogoNasc", 120, 813},    {"CodFisc", 16, 934},     {"PartitaIva", 11, 951},
    {"Iban", 27, 963},          {"Pec", 120, 991},        {"Carta", 50, 1112},
    {"ScadeCarta", 10, 1163},   {"Cel", 50, 1174},        {"Cittadinanza", 50, 1225},
    {"Occupazione", 120, 1276}, {"Civile", 50, 1397},     {"TipoDoc", 50, 1448},
    {"EnteRil", 50, 1499},      {"DataRil", 10, 1550},    {"DataSca", 10, 1561},
    {"Prodotti", 250, 1572},    {"Questioni", 250, 1823}, {"Note", 250, 2074},
    {"File01", 250, 2325},      {"File03", 250, 2827},    {"Desc01", 250, 3078},
    {"Desc03", 250, 3580},
};

} // namespace

TEST(SchedaAnagrafica, LayoutMatchesTheStoredFile) {
    const RecordLayout& layout = SchedaAnagrafica::layout();
    EXPECT_EQ(layout.fieldCount(), 39);
    EXPECT_EQ(layout.fieldCount(), SchedaAnagrafica::FieldCount);
    EXPECT_EQ(layout.recordSize(), SchedaAnagrafica::kRecordSize);
    for (const Expected& e : kTable) {
        const int i = layout.indexOf(e.name);
        ASSERT_GE(i, 0) << e.name;
        EXPECT_EQ(layout.field(i).capacity, e.capacity) << e.name;
        EXPECT_EQ(layout.field(i).offset, e.offset) << e.name;
    }
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
