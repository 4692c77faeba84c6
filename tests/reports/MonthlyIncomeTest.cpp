#include "reports/MonthlyIncome.h"

#include "ArchiveFixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace monthlyincome;

TEST(MonthlyIncome, SumsEachMonthOfTheYearRoundedToTheEuro) {
    TestFolder dir;
    const QString path =
        writeArchiveRows(dir, QStringLiteral("2024"),
                         {{"1", "03/03/2024", "10,30"},
                          {"2", "28/03/2024", "5,25"},
                          {"3", "10/05/2024", "0,49"},
                          {"4", "10/06/2024", "12,50"},
                          // Another year, and a month that is no month: counted nowhere.
                          {"5", "10/06/2023", "99,00"},
                          {"6", "10/13/2024", "99,00"},
                          // The day is not checked.
                          {"7", "31/02/2024", "2,00"}});
    const Sums sums = read(path, QStringLiteral(" 2024"));
    ASSERT_TRUE(sums.readable);
    const std::array<double, kMonths> expected{0, 2, 16, 0, 0, 13, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(sums.euros, expected);
    EXPECT_TRUE(sums.damaged.isEmpty());
}

TEST(MonthlyIncome, AnEmptyYearGivesTwelveZerosAndAnUnreadableArchiveIsSaid) {
    TestFolder dir;
    const Sums empty = read(dir.file(QStringLiteral("2030.ric")), QStringLiteral("2030"));
    EXPECT_TRUE(empty.readable);
    EXPECT_EQ(empty.euros, (std::array<double, kMonths>{}));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2031.ric")));
    EXPECT_FALSE(read(dir.file(QStringLiteral("2031.ric")), QStringLiteral("2031")).readable);
}

TEST(MonthlyIncome, ADamagedTotalIsLeftOutOfItsMonth) {
    TestFolder dir;
    const QString path = writeArchiveRows(
        dir, QStringLiteral("2024"),
        {{"1", "03/03/2024", "10,00"}, {"2", "04/03/2024", "abc"}, {"3", "05/04/2024", "3,00"}});
    const Sums sums = read(path, QStringLiteral("2024"));
    EXPECT_EQ(sums.euros[2], 10);
    EXPECT_EQ(sums.euros[3], 3);
    EXPECT_EQ(sums.damaged.names(), QStringList{QStringLiteral("2")});
}

TEST(MonthlyIncome, MonthOfLooksOnlyAtThePlacesOfTheDate) {
    const struct {
        const char* date;
        int month;
    } cases[] = {
        {"05/01/2024", 0},  {" 31/12/2024 ", 11}, {"05/00/2024", -1},
        {"5/3/2024", -1},   {"05/03/2023", -1},   {"", -1},
        {"xx/07/2024", 6},  {"05/03/2024x", 2},   {"05/03/202", -1},
        {"05/1 /2024", -1}, {"05/03/ 2024", -1},  {"05/\u0663\u0663/2024", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(monthOf(QString::fromUtf8(c.date), u"2024"), c.month);
    }
}

TEST(MonthlyIncome, RoundingAndCopiesAnswers) {
    EXPECT_EQ(roundToEuro(12.5), 13);
    EXPECT_EQ(roundToEuro(12.49), 12);
    EXPECT_EQ(roundToEuro(0.49), 0);
    EXPECT_EQ(roundToEuro(10.30 + 5.25), 16);

    const struct {
        const char* answer;
        int copies;
    } cases[] = {
        {"", 1},  {"   ", 1}, {"2a", 1},  {" 3", 1},          {"3 ", 1},
        {"3", 3}, {"0", 1},   {"12", 12}, {"99999999999", 1}, {"2147483647", 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(copiesFromAnswer(QString::fromUtf8(c.answer)), c.copies);
    }
    EXPECT_EQ(headingFor(QStringLiteral(" 2024")),
              QStringLiteral("Rappresentazione grafica degli incassi percepiti nell'anno 2024."));
}
