#include "chart/ui/ChartView.h"
#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"
#include "support/RequireTool.h"

#include <gtest/gtest.h>

// The income of the month of a distinta, as a summary and as the chart of
// its year, on screen and printed.
TEST(Journeys, IncomeSummaryAndChartShowTheDistintaTotal) {
    REQUIRE_TOOL("pdftotext");
    Journey j;
    steps::issueDistinta(j);
    steps::backToMainMenu(j);

    steps::openArea(j, "btnDistinte");
    j.click(QStringLiteral("imgRiepIncassi"));
    ASSERT_EQ(j.screen()->objectName(), QStringLiteral("TfrmMenuRiepLavoro"));
    steps::chooseInterval(j, {QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("Marzo"),
                              QStringLiteral("31"), QStringLiteral("Marzo")});
    j.onDialog(QStringLiteral("TfrmRiepLavoro"), [&j](QDialog* summary) {
        EXPECT_EQ(j.text(QStringLiteral("lblTotCosti"), summary), QStringLiteral("37,00"));
        const QStringList rows = j.rows(summary);
        ASSERT_EQ(rows.size(), 1);
        EXPECT_TRUE(rows[0].contains(QStringLiteral("Mario Rossi"))) << rows[0].toStdString();
        EXPECT_TRUE(rows[0].contains(QStringLiteral("37,00"))) << rows[0].toStdString();
        j.click(QStringLiteral("btnEsci"), summary);
    });
    j.click(QStringLiteral("btnVisualizza"));
    steps::backToMainMenu(j, "btnEsci");

    steps::openArea(j, "btnDistinte");
    j.click(QStringLiteral("imgStatistiche"));
    ASSERT_EQ(j.screen()->objectName(), QStringLiteral("TfrmStatistiche"));
    j.type(QStringLiteral("txtAnno"), QStringLiteral("2024"));
    j.click(QStringLiteral("btnApri"));
    // The March bar, rounded to the euro, and no other month.
    if (auto* chart = j.find<ChartView>(QStringLiteral("ChartStats"))) {
        const QList<ChartPoint> points = chart->content().points;
        ASSERT_EQ(points.size(), 12);
        for (int month = 0; month < 12; ++month)
            EXPECT_EQ(points[month].value, month == 2 ? 37.0 : 0.0)
                << points[month].label.toStdString();
    }
    j.messages().answers = {true};
    j.answerInputBoxes({QStringLiteral("1")});
    j.click(QStringLiteral("btnStampa"));
    const QString printed = j.printed();
    EXPECT_TRUE(printed.contains(QStringLiteral("37"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Marzo"))) << printed.toStdString();
    steps::backToMainMenu(j, "btnEsci");
}
