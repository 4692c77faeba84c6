#include "common/Dates.h"

#include <gtest/gtest.h>

using namespace dates;

TEST(Dates, ValidityTable) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"29/02/2024", true},   {"29/02/2023", false},   {"31/04/2024", false},
        {"00/01/2024", false},  {"1/13/2024", false},    {"5/3/2024", true},
        {"05/03/2024", true},   {" 05/03/2024\t", true}, {"31/12/1999", true},
        {"29/02/1900", false},  {"29/02/2000", true},    {"01/00/2024", false},
        {"5/3/24", false},      {"5/3", false},          {"", false},
        {"005/03/2024", false}, {"05/03/02024", false},  {"05-03-2024", false},
        {"05/03/2024x", false}, {"5 /3/2024", false},    {"01/01/0000", false},
        {"3/5/2024/", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isValidDate(QString::fromUtf8(c.text)), c.valid);
    }
}

TEST(Dates, TextsArePadded) {
    EXPECT_EQ(dateText(QDate(2024, 3, 5)), u"05/03/2024");
    EXPECT_EQ(dateText(QDate(2024, 12, 31)), u"31/12/2024");
    EXPECT_EQ(yearText(QDate(2024, 3, 5)), u"2024");
    EXPECT_EQ(dateText(QDate()), u"");
    // What the program writes, it accepts.
    EXPECT_TRUE(isValidDate(todayText()));
    EXPECT_EQ(currentYear().size(), 4);
}
