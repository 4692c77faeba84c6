#include "checks/CodiceFiscale.h"

#include "PrintQString.h"

#include <QString>
#include <gtest/gtest.h>

using checks::checkCodiceFiscale;
using checks::CodiceFiscaleResult;

TEST(CodiceFiscale, PublishedAndAlteredCodes) {
    const struct {
        const char* code;
        CodiceFiscaleResult result;
    } cases[] = {
        {"RSSMRA85T10A562S", CodiceFiscaleResult::Valid},
        {"MRTMTT91D08F205J", CodiceFiscaleResult::Valid},
        {"rssmra85t10a562s", CodiceFiscaleResult::Valid}, // typed in lower case
        // Omocodia: digits of the code replaced by letters (2 -> N, 6 -> S).
        {"RSSMRA85T10A56NH", CodiceFiscaleResult::Valid},
        {"RSSMRA85T10A5SNT", CodiceFiscaleResult::Valid},
        // One character changed to another of a different value.
        {"RSSMRA85T10A562T", CodiceFiscaleResult::Wrong},
        {"RSSMRA85T11A562S", CodiceFiscaleResult::Wrong},
        {"RSSMRB85T10A562S", CodiceFiscaleResult::Wrong},
        {"RSSMRA85T10A56NS", CodiceFiscaleResult::Wrong},
        // The check character is always a letter.
        {"RSSMRA85T10A5620", CodiceFiscaleResult::Wrong},
        // Characters the tables do not know.
        {"RSSMRA85T10 562S", CodiceFiscaleResult::Wrong},
        {"RSSMRA85T10-562S", CodiceFiscaleResult::Wrong},
        {"RSSMRÀ85T10A562S", CodiceFiscaleResult::Wrong},
        {"RSSMRA85T10A562[", CodiceFiscaleResult::Wrong},
        {"RSSMRA85T10A562", CodiceFiscaleResult::WrongLength},
        {"RSSMRA85T10A562SS", CodiceFiscaleResult::WrongLength},
        {"", CodiceFiscaleResult::WrongLength},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkCodiceFiscale(QString::fromUtf8(c.code)), c.result) << c.code;
}

TEST(CodiceFiscale, PunctuationBetweenDigitsAndLettersCountsZero) {
    // ':' to '@' lie inside the tables' range and are worth 0 in both, so
    // they weigh like '1' in an odd place and '0' in an even one.
    EXPECT_EQ(checks::codiceFiscaleCheckCharacter(u"RSSMRA85T10A562"), QChar(u'S'));
    EXPECT_EQ(checks::codiceFiscaleCheckCharacter(u"RSSMRA85T10A5?2"), QChar(u'M')); // as A502
    EXPECT_EQ(checks::codiceFiscaleCheckCharacter(u"RSSMRA85T10A?62"), QChar(u'F')); // as A162
    EXPECT_EQ(checks::codiceFiscaleCheckCharacter(u"RSSMRA85T10A56"), std::nullopt);
}
