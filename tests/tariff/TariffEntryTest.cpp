#include "tariff/TariffEntry.h"

#include <gtest/gtest.h>

using namespace tariff;

TEST(TariffEntry, NameIsPaddedToFiftyAndPriceStartsAtColumn65) {
    const QString entry = makeEntry(u"  Francobollo posta prioritaria ", u" 2,80 ");
    const QString expected = QStringLiteral("Francobollo posta prioritaria") + QString(21, u' ') +
                             QStringLiteral("    Prezzo: \u20AC 2,80");
    EXPECT_EQ(entry, expected);
    EXPECT_EQ(entry.indexOf(u"2,80"), 64);
    EXPECT_EQ(entryName(entry), QStringLiteral("Francobollo posta prioritaria"));
    EXPECT_EQ(entryPrice(entry), QStringLiteral("2,80"));
}

TEST(TariffEntry, FiftyCharacterNameIsFollowedDirectlyByTheLabel) {
    const QString name(50, u'x');
    const QString entry = makeEntry(name, u"16,00");
    EXPECT_EQ(entry, name + QStringLiteral("    Prezzo: \u20AC 16,00"));
    EXPECT_EQ(entryName(entry), name);
    EXPECT_EQ(entryPrice(entry), QStringLiteral("16,00"));
}

TEST(TariffEntry, LongerNameIsCutSoPricesStayAligned) {
    const QString entry = makeEntry(QString(60, u'a'), u"1,00");
    EXPECT_EQ(entryName(entry), QString(50, u'a'));
    EXPECT_EQ(entry.indexOf(u"1,00"), 64);
}

TEST(TariffEntry, ShortOrHandWrittenLinesSplitByPosition) {
    struct Case {
        QString line;
        QString name;
        QString price;
    };
    const Case cases[] = {
        {QString(), QString(), QString()},
        {QStringLiteral("Marca da bollo"), QStringLiteral("Marca da bollo"), QString()},
        // 63 characters: no price yet; 64: only the blank before the price.
        {QString(63, u'n'), QString(50, u'n'), QString()},
        {QString(50, u'n') + QString(14, u' '), QString(50, u'n'), QString()},
        // The price is read from character 64, so a label missing its last
        // blank still gives the whole price.
        {QString(50, u'n') + QStringLiteral("    Prezzo: \u20AC1,20"), QString(50, u'n'),
         QStringLiteral("1,20")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(entryName(c.line), c.name);
        EXPECT_EQ(entryPrice(c.line), c.price);
    }
}

TEST(TariffEntry, ScreensReadThePriceFromTheirOwnSpan) {
    // A hand-edited line with text after the price: the import screen reads
    // characters 64 - 77, the modify dialog 64 - 93.
    const QString line = QString(50, u'n') + QStringLiteral("    Prezzo: \u20AC 1,20") +
                         QString(9, u' ') + QStringLiteral("nota a mano che continua");
    EXPECT_EQ(entryPrice(line, kImportPriceSpan), QStringLiteral("1,20"));
    EXPECT_EQ(entryPrice(line, kEditPriceSpan), QStringLiteral("1,20         nota a mano che"));
    EXPECT_EQ(entryPrice(line), QStringLiteral("1,20         nota a mano che continua"));
}
