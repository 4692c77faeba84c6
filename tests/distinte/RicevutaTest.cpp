#include "distinte/Ricevuta.h"

#include "common/RecordFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    int capacity;
    int offset;
};

// The stored layout, as files already on disk have it.
const Expected kTable[] = {
    {"NumRic", 30, 0},
    {"Data", 10, 31},
    {"NomeRiv", 120, 42},
    {"Pagamento", 120, 163},
    {"RivRigo01", 120, 284},
    {"RivRigo05", 120, 768},
    {"AcqRigo01", 120, 889},
    {"AcqRigo05", 120, 1373},
    {"Quant01", 5, 1494},
    {"Quant10", 5, 1548},
    {"Descrizione01", 120, 1554},
    {"Descrizione10", 120, 2643},
    {"Unitario01", 10, 2764},
    {"Unitario10", 10, 2863},
    {"Importo01", 15, 2874},
    {"Importo10", 15, 3018},
    {"Totale", 15, 3034},
    {"Saldato", 2, 3050},
};

Ricevuta sample() {
    Ricevuta r;
    r.numRic = QStringLiteral("12");
    r.data = QStringLiteral("05/03/2024");
    r.nomeRiv = QStringLiteral("Tabacchi Rossi");
    r.pagamento = QStringLiteral("Contanti");
    for (int i = 0; i < Ricevuta::kPartyLines; ++i) {
        r.rivRigo[i] = QStringLiteral("Riv %1").arg(i + 1);
        r.acqRigo[i] = QStringLiteral("Acq %1").arg(i + 1);
    }
    r.acqRigo[0] = QStringLiteral("Edilizia Città");
    for (int i = 0; i < Ricevuta::kLines; ++i) {
        r.quant[i] = QString::number(i + 1);
        r.descrizione[i] = QStringLiteral("Francobollo %1").arg(i + 1);
        r.unitario[i] = QStringLiteral("%1,50").arg(i);
        r.importo[i] = QStringLiteral("%1,00").arg(i * 3);
    }
    r.totale = QStringLiteral("135,00");
    r.saldato = kSaldatoNo;
    return r;
}

} // namespace

TEST(Ricevuta, LayoutMatchesTheStoredFiles) {
    const RecordLayout& layout = Ricevuta::layout();
    EXPECT_EQ(layout.fieldCount(), 56);
    EXPECT_EQ(layout.recordSize(), Ricevuta::kRecordSize);
    for (const Expected& e : kTable) {
        const int i = layout.indexOf(e.name);
        ASSERT_GE(i, 0) << e.name;
        EXPECT_EQ(layout.field(i).capacity, e.capacity) << e.name;
        EXPECT_EQ(layout.field(i).offset, e.offset) << e.name;
    }
    EXPECT_EQ(layout.indexOf("Quant01"), Ricevuta::Quant01);
    EXPECT_EQ(layout.indexOf("Descrizione01"), Ricevuta::Descrizione01);
    EXPECT_EQ(layout.indexOf("Importo01"), Ricevuta::Importo01);
    EXPECT_EQ(layout.indexOf("Saldato"), Ricevuta::Saldato);
}

TEST(Ricevuta, WholeRecordBytesAtTheTableOffsets) {
    const QByteArray bytes = sample().encode();
    ASSERT_EQ(bytes.size(), 3053);
    const auto fieldAt = [&](int offset, const QByteArray& text) {
        return bytes.mid(offset, text.size() + 1) == char(text.size()) + text;
    };
    EXPECT_TRUE(fieldAt(0, "12"));
    EXPECT_TRUE(fieldAt(31, "05/03/2024"));
    EXPECT_TRUE(fieldAt(42, "Tabacchi Rossi"));
    EXPECT_TRUE(fieldAt(163, "Contanti"));
    EXPECT_TRUE(fieldAt(284, "Riv 1"));
    EXPECT_TRUE(fieldAt(889, "Edilizia Citt\xE0"));
    EXPECT_TRUE(fieldAt(1373, "Acq 5"));
    EXPECT_TRUE(fieldAt(1494, "1"));
    EXPECT_TRUE(fieldAt(1548, "10"));
    EXPECT_TRUE(fieldAt(1554, "Francobollo 1"));
    EXPECT_TRUE(fieldAt(2643, "Francobollo 10"));
    EXPECT_TRUE(fieldAt(2764, "0,50"));
    EXPECT_TRUE(fieldAt(2863, "9,50"));
    EXPECT_TRUE(fieldAt(2874, "0,00"));
    EXPECT_TRUE(fieldAt(3018, "27,00"));
    EXPECT_TRUE(fieldAt(3034, "135,00"));
    EXPECT_EQ(bytes.mid(3050), QByteArray("\x02\x4E\x6F"));
    Ricevuta paid = sample();
    paid.saldato = kSaldatoSi;
    EXPECT_EQ(paid.encode().mid(3050), QByteArray("\x02\x53\xEC"));
}

TEST(Ricevuta, RoundTripKeepsTrimmedTextsAndCutsLongOnes) {
    Ricevuta r = sample();
    r.numRic = QString(31, QLatin1Char('9'));
    r.descrizione[3] = QStringLiteral("  Marca da bollo \u0410 ");
    const Ricevuta back = Ricevuta::decode(r.encode());
    EXPECT_EQ(back.numRic, QString(30, QLatin1Char('9')));
    EXPECT_EQ(back.descrizione[3], QStringLiteral("Marca da bollo ?"));
    EXPECT_EQ(back.acqRigo[0], QStringLiteral("Edilizia Città"));
    Ricevuta expected = r;
    expected.numRic = back.numRic;
    expected.descrizione[3] = back.descrizione[3];
    EXPECT_EQ(back, expected);
}

TEST(Ricevuta, OversizedLengthByteStaysInsideItsField) {
    QByteArray bytes = sample().encode();
    bytes[1494] = 7;
    bytes.replace(1495, 5, "12345");
    const Ricevuta r = Ricevuta::decode(bytes);
    EXPECT_EQ(r.quant[0], QStringLiteral("12345"));
    EXPECT_EQ(r.quant[1], QStringLiteral("2"));
    EXPECT_EQ(r.descrizione[0], QStringLiteral("Francobollo 1"));
}

TEST(Ricevuta, ArchiveCountsWholeRecordsAndAppendsAfterThem) {
    TestFolder dir;
    const QByteArray one = sample().encode();
    dir.writeBytes(yearArchiveFileName(QStringLiteral(" 2024 ")),
                   one + one + one + QByteArray(100, 'x'));
    RecordFile archive(dir.file(QStringLiteral("2024.ric")), Ricevuta::kRecordSize);
    ASSERT_TRUE(archive.open());
    EXPECT_EQ(archive.count(), 3);
    Ricevuta fourth = sample();
    fourth.numRic = QStringLiteral("4");
    EXPECT_EQ(archive.append(fourth.encode()), 4);
    archive.close();
    const QByteArray bytes = dir.readBytes(QStringLiteral("2024.ric"));
    EXPECT_EQ(bytes.size(), 4 * 3053);
    EXPECT_EQ(bytes.mid(9159, 2), QByteArray("\x01"
                                             "4"));
}
