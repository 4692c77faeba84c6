#include "reports/IncomeSummary.h"

#include "ArchiveFixture.h"
#include "distinte/DistintaSummary.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace incomesummary;

namespace {

// The distinta numbers of the rows, read back from their summary lines.
QStringList numbers(const Result& r) {
    QStringList out;
    for (const ResultRow& row : r.rows)
        out.append(row.text.mid(3, distintasummary::kNumberWidth).trimmed());
    return out;
}

Query query(const QString& path, const QString& filter, const QString& start, const QString& end) {
    return {path, filter, start, end};
}

} // namespace

TEST(IncomeSummary, SelectsTheIntervalWithBothEndsAndTheFilterAsTyped) {
    TestFolder dir;
    const QString path = writeArchiveRows(dir, QStringLiteral("2024"),
                                          {{"1", "01/01/2024", "10,10", "TABACCHERIA CENTRALE SNC"},
                                           {"2", "15/01/2024", "20,20", "BAR CENTRALE"},
                                           {"3", "31/01/2024", "5,00"},
                                           {"4", "01/02/2024", "7,00"},
                                           // Stored in this year's file but dated in another year.
                                           {"5", "10/01/2023", "9,00"}});

    const struct {
        const char* filter;
        const char* start;
        const char* end;
        QStringList numbers;
        const char* total;
    } cases[] = {
        {"", "01/01/2024", "31/01/2024", {"1", "2", "3"}, "35,30"},
        {"   ", "01/01/2024", "31/12/2024", {"1", "2", "3", "4"}, "42,30"},
        {"", "01/01/2024", "01/01/2024", {"1"}, "10,10"},
        {"centrale", "01/01/2024", "31/12/2024", {"1", "2"}, "30,30"},
        // The trailing blank is part of the filter: BAR CENTRALE ends there.
        {"centrale ", "01/01/2024", "31/12/2024", {"1"}, "10,10"},
        {"nessuno", "01/01/2024", "31/12/2024", {}, "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.filter) + " " + c.start + "-" + c.end);
        const Result r = summarize(query(path, QString::fromUtf8(c.filter),
                                         QString::fromUtf8(c.start), QString::fromUtf8(c.end)));
        ASSERT_TRUE(r.readable);
        EXPECT_EQ(numbers(r), c.numbers);
        EXPECT_EQ(totalText(r.sum), QString::fromUtf8(c.total));
        EXPECT_TRUE(r.damaged.isEmpty());
    }
}

TEST(IncomeSummary, LinesKeepTheirRecordPositions) {
    TestFolder dir;
    const QString path = writeArchiveRows(
        dir, QStringLiteral("2024"),
        {{"1", "01/03/2024", "1,00"}, {"2", "01/01/2024", "1,00"}, {"3", "02/03/2024", "1,00"}});
    const Result r =
        summarize(query(path, {}, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")));
    ASSERT_EQ(r.rows.size(), 2);
    EXPECT_EQ(r.rows[0].position, 1);
    EXPECT_EQ(r.rows[1].position, 3);
    EXPECT_EQ(r.rows[1].text,
              distintasummary::line(distinta(QStringLiteral("3"), QStringLiteral("02/03/2024"),
                                             QStringLiteral("1,00"))));
}

TEST(IncomeSummary, ADamagedDistintaIsLeftOutAndNamed) {
    TestFolder dir;
    const QString path =
        writeArchiveRows(dir, QStringLiteral("2024"),
                         {{"1", "05/03/2024", "10,10"},
                          {"2", "06/03/2024", "1O,00"},
                          {"3", "3/2024", "4,00"},
                          // An unreadable date of another buyer is not looked at under a filter.
                          {"4", "xx", "4,00", "BIANCHI"},
                          {"5", "07/03/2024", "20,20"}});

    const Result all =
        summarize(query(path, {}, QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")));
    EXPECT_EQ(numbers(all), (QStringList{"1", "5"}));
    EXPECT_EQ(totalText(all.sum), QStringLiteral("30,30"));
    EXPECT_EQ(all.damaged.names(), (QStringList{"2", "3", "4"}));

    const Result rossi = summarize(query(
        path, QStringLiteral("rossi"), QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024")));
    EXPECT_EQ(rossi.damaged.names(), (QStringList{"2", "3"}));
    EXPECT_EQ(rossi.damaged.warning(),
              QStringLiteral("Attenzione: 2 distinte sono danneggiate (data o totale non "
                             "leggibili) e non sono state conteggiate.\n\r\n\rDistinte n. 2, 3."));
}

TEST(IncomeSummary, TheWarningNamesTheFirstTenOnly) {
    DamagedRecords one;
    one.add(QString(), 7);
    EXPECT_EQ(one.warning(),
              QStringLiteral("Attenzione: una distinta è danneggiata (data o totale non "
                             "leggibili) e non è stata conteggiata.\n\r\n\rDistinta n. senza "
                             "numero (posizione 7 in archivio)."));
    DamagedRecords many;
    for (int n = 1; n <= 12; ++n)
        many.add(QString::number(n), n);
    EXPECT_EQ(many.count(), 12);
    EXPECT_TRUE(many.warning().endsWith(QStringLiteral("n. 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ….")));
    EXPECT_TRUE(DamagedRecords().warning().isEmpty());
}

TEST(IncomeSummary, AMissingArchiveIsCreatedEmptyAndAnUnreadableOneIsSaid) {
    TestFolder dir;
    const Result empty =
        summarize(query(dir.file(QStringLiteral("2030.ric")), {}, QStringLiteral("01/01/2030"),
                        QStringLiteral("31/12/2030")));
    EXPECT_TRUE(empty.readable);
    EXPECT_TRUE(empty.rows.isEmpty());
    EXPECT_EQ(totalText(empty.sum), QStringLiteral("0,00"));
    EXPECT_TRUE(dir.exists(QStringLiteral("2030.ric")));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2031.ric")));
    EXPECT_FALSE(summarize(query(dir.file(QStringLiteral("2031.ric")), {},
                                 QStringLiteral("01/01/2031"), QStringLiteral("31/12/2031")))
                     .readable);
}

TEST(IncomeSummary, TotalTextAlwaysHasTwoDecimals) {
    const struct {
        double sum;
        const char* text;
    } cases[] = {
        {10.10 + 20.20, "30,30"}, // 30.299999999999997 in binary
        {12.5, "12,50"},          {5, "5,00"},         {0, "0,00"},
        {1234.56, "1234,56"},     {0.1 + 0.2, "0,30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(totalText(c.sum), QString::fromUtf8(c.text));
    }
}

TEST(IncomeSummary, PrintedFormEndsWithIntervalAndTotal) {
    EXPECT_EQ(printTitle(buyerHeading(QStringLiteral("   "))),
              QStringLiteral("Riepilogo incassi - Acquirente: - - -"));
    EXPECT_EQ(buyerHeading(QStringLiteral(" rossi ")), QStringLiteral("rossi"));
    const QString interval =
        intervalText(QStringLiteral("01/01/2024"), QStringLiteral("31/01/2024"));
    EXPECT_EQ(interval, QStringLiteral("Dal   01/01/2024   al   31/01/2024"));
    EXPECT_EQ(
        printLines({QStringLiteral("riga")}, interval, QStringLiteral("5,00")),
        (QStringList{QStringLiteral("riga"), QStringLiteral("- - - - - - - - - - - - - - - -"),
                     QStringLiteral("INTERVALLO SELEZIONATO:    Dal   01/01/2024   al   "
                                    "31/01/2024"),
                     QStringLiteral("TOTALE IMPORTI INCASSATI:  € 5,00")}));
}
