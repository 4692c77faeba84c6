#include "distinte/DistintaSummary.h"

#include "support/DistintaBuilder.h"

#include <gtest/gtest.h>

namespace {

QString blanks(int n) {
    return QString(n, u' ');
}

Ricevuta worked() {
    return DistintaBuilder(QStringLiteral("7"))
        .date(QStringLiteral("05/01/2023"))
        .buyer({QStringLiteral("Mario Rossi")})
        .line(0, QStringLiteral("2"), QStringLiteral("Francobollo B"), QStringLiteral("1,20"))
        .total(QStringLiteral("2,40"));
}

} // namespace

TEST(DistintaSummary, WorkedExampleIsExactToTheCharacter) {
    const QString expected =
        QStringLiteral("N. 7") + blanks(11) + QStringLiteral("  Data: 05/01/2023  Mario Rossi") +
        blanks(19) + QStringLiteral("  Quant. 2") + blanks(4) + QStringLiteral("  Francobollo B") +
        blanks(17) + QStringLiteral("  Valore: \u20AC 1,20") + blanks(6) +
        QStringLiteral("  Totale: \u20AC 2,40");
    ASSERT_EQ(expected.size(), 149);
    EXPECT_EQ(distintasummary::line(worked()), expected);
    EXPECT_EQ(distintasummary::lineOfRecord(worked().encode()), expected);
}

TEST(DistintaSummary, FieldsAreCutToTheirWidthAndOnlyTheTotalRunsOn) {
    Ricevuta d = worked();
    d.acqRigo[0] = QStringLiteral("Tabaccheria Centrale di Rossi M"); // 31 characters
    d.descrizione[0] = QString(40, u'x');
    d.numRic = QStringLiteral("1234567890123");
    d.totale = QStringLiteral("  123456789,00 ");
    const QString line = distintasummary::line(d);
    EXPECT_EQ(line.mid(35, 30), QStringLiteral("Tabaccheria Centrale di Rossi "));
    EXPECT_EQ(line.mid(65, 9), QStringLiteral("  Quant. "));
    EXPECT_EQ(line.mid(81, 30), QString(30, u'x'));
    EXPECT_EQ(line.mid(3, 12), QStringLiteral("123456789012"));
    EXPECT_EQ(line.mid(distintasummary::kTotalColumn - 1), QStringLiteral("123456789,00"));
    EXPECT_EQ(distintasummary::lineOfRecord(d.encode()), line);
}

// The scans build the line from the stored bytes; it must be the line of
// the record as the reader decodes it, whatever the bytes hold.
TEST(DistintaSummary, LineFromStoredBytesEqualsLineOfTheDecodedRecord) {
    Ricevuta accented = worked();
    accented.acqRigo[0] = QStringLiteral("Società Àlfa € «Ÿ»");
    accented.descrizione[0] = QStringLiteral("\tMarca\x01 ");

    QByteArray overlong = worked().encode();
    overlong[Ricevuta::layout().field(Ricevuta::Quant01).offset] = char(7); // capacity 5
    QByteArray controls = worked().encode();
    const int buyer = Ricevuta::layout().field(Ricevuta::AcqRigo01).offset;
    controls[buyer] = char(6);
    controls.replace(buyer + 1, 6, QByteArray("\x81 ab\x1f ", 6));
    QByteArray empty(Ricevuta::kRecordSize, '\0');

    for (const QByteArray& bytes : {accented.encode(), overlong, controls, empty}) {
        EXPECT_EQ(distintasummary::lineOfRecord(bytes),
                  distintasummary::line(Ricevuta::decode(bytes)));
    }
    EXPECT_EQ(distintasummary::lineOfRecord(empty).size(), distintasummary::kTotalColumn - 1);
}
