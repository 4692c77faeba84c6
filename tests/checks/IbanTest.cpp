#include "checks/Iban.h"

#include "PrintQString.h"

#include <QString>
#include <gtest/gtest.h>

using checks::IbanResult;

TEST(Iban, PublishedIbansAndAlterations) {
    const struct {
        const char* iban;
        IbanResult result;
    } cases[] = {
        {"IT60X0542811101000000123456", IbanResult::Valid},
        {"it60x0542811101000000123456", IbanResult::Valid},
        // Of other countries, 27 characters long: the country is not looked at.
        {"FR1420041010050500013M02606", IbanResult::Valid},
        {"MC5811222000010123456789030", IbanResult::Valid},
        {"SM86U0322509800000000270100", IbanResult::Valid},
        // Two adjacent digits swapped, one letter changed.
        {"IT60X0542811101000000123465", IbanResult::Wrong},
        {"IT60X0542811110000000123456", IbanResult::Wrong},
        {"IT60Y0542811101000000123456", IbanResult::Wrong},
        {"IT60X0542811101-00000123456", IbanResult::Wrong},
        {"IT60X05428111010000001234à6", IbanResult::Wrong},
        {"IT60X054281110100000012345", IbanResult::WrongLength},
        {"IT60X05428111010000001234567", IbanResult::WrongLength},
        {" IT60X0542811101000000123456\t", IbanResult::Valid}, // trimmed first
        {"", IbanResult::WrongLength},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checks::checkIban(QString::fromUtf8(c.iban)), c.result) << c.iban;
}

TEST(Iban, RemainderOfAnyLengthWithBlanksAndLabel) {
    const struct {
        const char* iban;
        bool valid;
    } cases[] = {
        {"IT60 X054 2811 1010 0000 0123 456", true},
        {"GB29 NWBK 6016 1331 9268 19", true},
        {"DE89370400440532013000", true},
        {"IBAN IT60 X054 2811 1010 0000 0123 456", true},
        {"iban de89370400440532013000", true},
        {"DE89370400440532013001", false},
        {"DE89+370400440532013000", false},
        {"", false},
        {"IBAN", false},
        {"A", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checks::ibanIsValid(QString::fromUtf8(c.iban)), c.valid) << c.iban;
}

TEST(Iban, PieceByPieceRemainderMatchesTheWholeNumber) {
    // Expected values are the remainders of the whole rearranged numbers,
    // computed apart with arbitrary-precision integers.
    const struct {
        const char* text;
        int remainder;
    } cases[] = {
        {"IT60X0542811101000000123456", 1},
        {"IT61X0542811101000000123456", 2},
        {"IT00X0542811101000000123456", 38},
        {"0000000000097", 0},
        {"99999999999999999999", 72},
        {"12345678901234567890123456789012345", 72},
        {"ZZZZZZZZZZZZ", 34},
        {"0001", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checks::ibanRemainder(QString::fromLatin1(c.text)), c.remainder) << c.text;
}
