#include "distinte/Numerazione.h"

#include <gtest/gtest.h>

using namespace numerazione;

TEST(Numerazione, ProposedNumberIsStartPlusStoredCount) {
    EXPECT_EQ(proposedNumber(u"50", 12), QStringLiteral("62"));
    EXPECT_EQ(proposedNumber(u"1", 0), QStringLiteral("1"));
    EXPECT_EQ(proposedNumber(u" 100 ", 3), QStringLiteral("103"));
    EXPECT_EQ(proposedNumber(startOrDefault(u""), 5), QStringLiteral("6"));
}

TEST(Numerazione, StartThatIsNotAWholeNumberProposesNothing) {
    for (const char16_t* start : {u"abc", u"1,5", u"", u"99999999999999999999"})
        EXPECT_FALSE(proposedNumber(start, 1).has_value())
            << QString::fromUtf16(start).toStdString();
}

TEST(Numerazione, BlankStoredStartIsOne) {
    EXPECT_EQ(startOrDefault(u""), QStringLiteral("1"));
    EXPECT_EQ(startOrDefault(u"  "), QStringLiteral("1"));
    EXPECT_EQ(startOrDefault(u" 40 "), QStringLiteral("40"));
}

TEST(Numerazione, LeavingTheStartFieldNormalisesIt) {
    const struct {
        const char16_t* typed;
        const char* expected;
    } cases[] = {
        {u"007", "7"},   {u"", "1"},    {u"   ", "1"}, {u"0", "0"},
        {u"500", "500"}, {u"2,6", "3"}, {u"x1", "1"},  {u"99999", "99999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalizedStartInput(c.typed), QString::fromLatin1(c.expected))
            << QString::fromUtf16(c.typed).toStdString();
}
