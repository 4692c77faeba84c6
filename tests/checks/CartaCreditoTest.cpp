#include "checks/CartaCredito.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

using checks::CartaResult;
using Outcome = CartaResult::Outcome;

TEST(CartaCredito, PublishedTestNumbersOfEachType) {
    const struct {
        const char* number;
        Outcome outcome;
        const char* type;
    } cases[] = {
        {"4111111111111111", Outcome::Valid, "Visa"},
        {"4012888888881881", Outcome::Valid, "Visa"},
        {"4222222222222", Outcome::Valid, "Visa"}, // 13 digits: no length is examined
        {"5555555555554444", Outcome::Valid, "MasterCard"},
        {"5105105105105100", Outcome::Valid, "MasterCard"},
        {"2221000000000009", Outcome::Valid, "MasterCard"}, // 2-series, both ends
        {"2223003122003222", Outcome::Valid, "MasterCard"},
        {"2720990000000007", Outcome::Valid, "MasterCard"},
        {"378282246310005", Outcome::Valid, "American Express"},
        {"371449635398431", Outcome::Valid, "American Express"},
        {"3400000000000000", Outcome::Valid, "American Express"},
        {"30569309025904", Outcome::Valid, "Diner's Club / Carte Blanche"},
        {"36227206271667", Outcome::Valid, "Diner's Club / Carte Blanche"},
        {"38520000023237", Outcome::Valid, "Diner's Club / Carte Blanche"},
        {"3530111333300000", Outcome::Valid, "JCB"},
        {"3566002020360505", Outcome::Valid, "JCB"},
        {"3100000000000003", Outcome::Valid, "JCB"},
        {"3300000000000001", Outcome::Valid, "JCB"},
        {"6011111111111117", Outcome::Valid, "Discover"},
        {"6011000990139424", Outcome::Valid, "Discover"},
        // Separators are skipped and kept in the number the messages repeat.
        {"4111 1111 1111 1111", Outcome::Valid, "Visa"},
        {"5555-5555-5555-4444", Outcome::Valid, "MasterCard"},
        {"3782 822463 10005", Outcome::Valid, "American Express"},
        // Luhn-valid, beginning with 3, no known type.
        {"3200000000000002", Outcome::UnknownType, ""},
        {"3900000000000005", Outcome::UnknownType, ""},
        {"3 78282246310005", Outcome::UnknownType, ""}, // the type is read from the characters
        // Luhn-valid, beginning with a digit no type has.
        {"2220000000000000", Outcome::Wrong, ""},
        {"2721000000000004", Outcome::Wrong, ""},
        {"2000000000000006", Outcome::Wrong, ""},
        {"9000000000000001", Outcome::Wrong, ""},
        {"0", Outcome::Wrong, ""},
        // Last digit changed.
        {"4111111111111112", Outcome::Wrong, ""},
        {"378282246310006", Outcome::Wrong, ""},
        {"ABCD", Outcome::Wrong, ""},
        {"", Outcome::Blank, ""},
        {" \t ", Outcome::Blank, ""},
    };
    for (const auto& c : cases) {
        const CartaResult r = checks::checkCarta(QString::fromLatin1(c.number));
        EXPECT_EQ(r.outcome, c.outcome) << c.number;
        EXPECT_EQ(r.type, QString::fromLatin1(c.type)) << c.number;
        EXPECT_EQ(r.number, QString::fromLatin1(c.number).trimmed()) << c.number;
    }
}

TEST(CartaCredito, OnlyTheFirstTwentyCharactersCount) {
    // Sixteen digits and four separators fill the twenty characters; what
    // follows is not read, so a wrong tail cannot spoil a valid number and a
    // digit pushed past the end is lost.
    EXPECT_EQ(checks::cardCode(u"4111-1111-1111-1111-9999"), 2);
    EXPECT_EQ(checks::cardCode(u"4111 1111 1111 1111 0"), 2);
    EXPECT_EQ(checks::cardCode(u"4111---1111-1111-1111"), 0);
    EXPECT_EQ(checks::cardCode(u"6011111111111117"), 4);
    EXPECT_EQ(checks::cardCode(u"0000000000000000"), -2);
    EXPECT_EQ(checks::cardCode(u"9000000000000001"), 7);
    EXPECT_EQ(checks::cardCode(u"--"), 0);
}
