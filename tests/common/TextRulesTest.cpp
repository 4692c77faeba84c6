#include "common/TextRules.h"

#include <gtest/gtest.h>

using namespace text;

TEST(TextRules, Windows1252RoundTripAndUnknownCharacters) {
    const QString accented = QStringLiteral("Società à è ì ò ù € “x” Œ");
    const QByteArray bytes = toWindows1252(accented);
    EXPECT_EQ(bytes.at(6), char(0xE0));       // à
    EXPECT_EQ(bytes.indexOf(char(0x80)), 18); // €
    EXPECT_EQ(fromWindows1252(bytes), accented);
    // A character outside the code page, and one beyond the basic plane, each
    // become one question mark.
    EXPECT_EQ(toWindows1252(QStringLiteral("a\u0410b\U0001F600c")), QByteArray("a?b?c"));
    // Undefined bytes still round trip.
    EXPECT_EQ(toWindows1252(fromWindows1252("\x81\x8D\x8F\x90\x9D")),
              QByteArray("\x81\x8D\x8F\x90\x9D"));
}

TEST(TextRules, TrimRemovesControlCodesAndBlanksOnly) {
    EXPECT_EQ(trimmed(QStringLiteral("\t\r\n \x01 ab c \x1F ")), QStringLiteral("ab c"));
    EXPECT_EQ(trimmed(QStringLiteral("  ")), QString());
    // A no-break space (code 160) is not trimmed.
    EXPECT_EQ(trimmed(QStringLiteral("\u00A0x")), QStringLiteral("\u00A0x"));
}

TEST(TextRules, CaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(asciiLower(QStringLiteral("ÀBC Città")), QStringLiteral("Àbc città"));
    EXPECT_EQ(asciiUpper(QStringLiteral("àbc Città")), QStringLiteral("àBC CITTà"));
    EXPECT_TRUE(containsAsciiCaseless(QStringLiteral("Mario ROSSI"), QStringLiteral("rossi")));
    EXPECT_FALSE(containsAsciiCaseless(QStringLiteral("CITTÀ"), QStringLiteral("città")));
    EXPECT_TRUE(containsAsciiCaseless(QStringLiteral("abc"), QString()));
}
