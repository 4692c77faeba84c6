#include "distinte/Ricevuta.h"

#include "common/RecordFile.h"
#include "support/DistintaBuilder.h"
#include "support/StoredLayouts.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using storedlayout::distintaOffset;

TEST(Ricevuta, LayoutMatchesTheStoredFiles) {
    const RecordLayout& layout = Ricevuta::layout();
    EXPECT_EQ(layout.fieldCount(), 56);
    EXPECT_EQ(layout.recordSize(), Ricevuta::kRecordSize);
    storedlayout::expectMatches(layout, storedlayout::distinta());
    EXPECT_EQ(layout.indexOf("Quant01"), Ricevuta::Quant01);
    EXPECT_EQ(layout.indexOf("Descrizione01"), Ricevuta::Descrizione01);
    EXPECT_EQ(layout.indexOf("Importo01"), Ricevuta::Importo01);
    EXPECT_EQ(layout.indexOf("Saldato"), Ricevuta::Saldato);
}

TEST(Ricevuta, WholeRecordBytesAtTheTableOffsets) {
    const QByteArray bytes = everyFieldDistinta().encode();
    ASSERT_EQ(bytes.size(), 3053);
    const auto fieldAt = [&](int offset, const QByteArray& text) {
        return bytes.mid(offset, text.size() + 1) == char(text.size()) + text;
    };
    EXPECT_TRUE(fieldAt(distintaOffset("NumRic"), "12"));
    EXPECT_TRUE(fieldAt(distintaOffset("Data"), "05/03/2024"));
    EXPECT_TRUE(fieldAt(distintaOffset("NomeRiv"), "Tabacchi Rossi"));
    EXPECT_TRUE(fieldAt(distintaOffset("Pagamento"), "Contanti"));
    EXPECT_TRUE(fieldAt(distintaOffset("RivRigo01"), "Riv 1"));
    EXPECT_TRUE(fieldAt(distintaOffset("AcqRigo01"), "Edilizia Citt\xE0"));
    EXPECT_TRUE(fieldAt(distintaOffset("AcqRigo05"), "Acq 5"));
    EXPECT_TRUE(fieldAt(distintaOffset("Quant01"), "1"));
    EXPECT_TRUE(fieldAt(distintaOffset("Quant10"), "10"));
    EXPECT_TRUE(fieldAt(distintaOffset("Descrizione01"), "Francobollo 1"));
    EXPECT_TRUE(fieldAt(distintaOffset("Descrizione10"), "Francobollo 10"));
    EXPECT_TRUE(fieldAt(distintaOffset("Unitario01"), "0,50"));
    EXPECT_TRUE(fieldAt(distintaOffset("Unitario10"), "9,50"));
    EXPECT_TRUE(fieldAt(distintaOffset("Importo01"), "0,00"));
    EXPECT_TRUE(fieldAt(distintaOffset("Importo10"), "27,00"));
    EXPECT_TRUE(fieldAt(distintaOffset("Totale"), "135,00"));
    EXPECT_EQ(bytes.mid(distintaOffset("Saldato")), QByteArray("\x02\x4E\x6F"));
    Ricevuta paid = everyFieldDistinta();
    paid.saldato = kSaldatoSi;
    EXPECT_EQ(paid.encode().mid(distintaOffset("Saldato")), QByteArray("\x02\x53\xEC"));
}

TEST(Ricevuta, RoundTripKeepsTrimmedTextsAndCutsLongOnes) {
    Ricevuta r = everyFieldDistinta();
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
    QByteArray bytes = everyFieldDistinta().encode();
    const int quant = distintaOffset("Quant01");
    bytes[quant] = 7;
    bytes.replace(quant + 1, 5, "12345");
    const Ricevuta r = Ricevuta::decode(bytes);
    EXPECT_EQ(r.quant[0], QStringLiteral("12345"));
    EXPECT_EQ(r.quant[1], QStringLiteral("2"));
    EXPECT_EQ(r.descrizione[0], QStringLiteral("Francobollo 1"));
}

TEST(Ricevuta, ArchiveCountsWholeRecordsAndAppendsAfterThem) {
    TestFolder dir;
    const QByteArray one = everyFieldDistinta().encode();
    dir.writeBytes(yearArchiveFileName(QStringLiteral(" 2024 ")),
                   one + one + one + QByteArray(100, 'x'));
    RecordFile archive(dir.file(QStringLiteral("2024.ric")), Ricevuta::kRecordSize);
    ASSERT_TRUE(archive.open());
    EXPECT_EQ(archive.count(), 3);
    Ricevuta fourth = everyFieldDistinta();
    fourth.numRic = QStringLiteral("4");
    EXPECT_EQ(archive.append(fourth.encode()), 4);
    archive.close();
    const QByteArray bytes = dir.readBytes(QStringLiteral("2024.ric"));
    EXPECT_EQ(bytes.size(), 4 * 3053);
    EXPECT_EQ(bytes.mid(9159, 2), QByteArray("\x01"
                                             "4"));
}
