#include "common/Amounts.h"

#include <gtest/gtest.h>

using namespace amounts;

TEST(Amounts, ParseAcceptsDigitsWithAtMostOneComma) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12.0},
        {"12,5", 12.5},
        {"7,", 7.0},
        {",5", 0.5},
        {",", 0.0},
        {"  0,10 \t", 0.1},
        {"007", 7.0},
        {"1000,00", 1000.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1,2,3", std::nullopt},
        {",,", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},   // the point is not a separator here
        {"1.000", std::nullopt}, // nor a thousands separator
        {"1 000", std::nullopt},
        {"-5", std::nullopt},
        {"1e3", std::nullopt},
        {"\u0661", std::nullopt}, // a digit, but not an ASCII one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseAmount(QString::fromUtf8(c.text)), c.value);
    }
}

TEST(Amounts, ParseReadsTheNearestDouble) {
    // A long fraction must still give the correctly rounded binary value.
    EXPECT_EQ(parseAmount(u"0,1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(parseAmount(u"2,675"), 2.675);
}

TEST(Amounts, RoundToCentsWorksOnTheBinaryValue) {
    const struct {
        double in;
        double out;
    } cases[] = {
        {1.005, 1.00}, // stored just below 1,005
        {2.675, 2.67}, // stored just below 2,675
        {0.125, 0.13}, // exact, so the half goes up
        {0.0, 0.0},
        {2.999, 3.00},
        {3.456, 3.46},
        {0.1 + 0.2, 0.3},
        {1234567.895, 1234567.9}, // stored just above the half
        {-0.125, -0.12},          // half up is towards plus infinity
        {-0.135, -0.14},          // stored just above the half in size
        {9.9951, 10.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(roundToCents(c.in), c.out);
    }
}

TEST(Amounts, FormatNumberUsesFifteenDigitsPlainAndComma) {
    const struct {
        double in;
        const char* out;
    } cases[] = {
        {12, "12"},
        {12.5, "12,5"},
        {0.1 + 0.2, "0,3"},
        {3 * 0.1, "0,3"},
        {0, "0"},
        {0.05, "0,05"},
        {1000, "1000"},
        {1250.75, "1250,75"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1000000000000000"}, // never an exponent
        {1.5e-5, "0,000015"},
        {0.123456789012345678, "0,123456789012346"},
        // Exact ties at the sixteenth digit round half up, as every rounding
        // of the program does, not to the even digit.
        {123456789012344.5, "123456789012345"},
        {12345678901234.25, "12345678901234,3"},
        {999999999999999.5, "1000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(formatNumber(c.in), QString::fromUtf8(c.out));
    }
}

TEST(Amounts, NormalizeGivesTheAmountForm) {
    using K = AmountKind;
    const struct {
        const char* in;
        K kind;
        const char* out;
    } cases[] = {
        {"", K::UnitValue, ""},
        {"  ", K::UnitValue, ""},
        {"", K::Price, "0,00"},
        {" \t", K::Price, "0,00"},
        {"1000", K::UnitValue, "1000,00"},
        {"0,1", K::UnitValue, "0,10"},
        {"2,999", K::UnitValue, "3,00"},
        {"12", K::Price, "12,00"},
        {"12,5", K::Price, "12,50"},
        {"3,456", K::Price, "3,46"},
        {"0", K::Price, "0,00"},
        {"7,", K::UnitValue, "7,00"},
        {",5", K::Price, "0,50"},
        {",", K::Price, "0,00"},
        {"1,005", K::Price, "1,00"},
        {"0,125", K::Price, "0,13"},
        {" 0,30 ", K::Price, "0,30"},
        {"1,2,3", K::UnitValue, "0,00"},
        {"abc", K::UnitValue, "0,00"},
        {"abc", K::Price, "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.in) + (c.kind == K::Price ? " price" : " unit"));
        EXPECT_EQ(normalizeAmount(QString::fromUtf8(c.in), c.kind), QString::fromUtf8(c.out));
    }
}
