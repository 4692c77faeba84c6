#include "chart/ChartGeometry.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace chartgeometry;

namespace {
bool overlapping(const QList<QRectF>& boxes) {
    for (qsizetype i = 0; i < boxes.size(); ++i)
        for (qsizetype k = i + 1; k < boxes.size(); ++k)
            if (boxes[i].intersects(boxes[k]))
                return true;
    return false;
}
} // namespace

TEST(ChartGeometry, BarHeightsAreProportionalAndZeroMonthsFlat) {
    const QRectF area(0, 0, 960, 400);
    const struct {
        QList<double> values;
    } cases[] = {
        {{0, 2, 16, 0, 0, 13, 0, 0, 0, 0, 0, 0}},
        {{1200, 800, 4000, 50, 1, 0, 7000, 7000, 3100, 10, 999, 123456}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const Bars bars = layOutBars(c.values, area);
        ASSERT_EQ(bars.fronts.size(), c.values.size());
        EXPECT_TRUE(area.contains(bars.plot.translated(bars.depth)));
        const double perEuro = bars.plot.height() / bars.axis.top;
        for (int i = 0; i < c.values.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(bars.fronts[i].height(), c.values[i] * perEuro, 1e-9);
            EXPECT_DOUBLE_EQ(bars.fronts[i].bottom(), bars.plot.bottom());
            EXPECT_LE(bars.fronts[i].height(), bars.plot.height());
        }
        EXPECT_FALSE(overlapping(bars.fronts));
    }
}

TEST(ChartGeometry, AxisEndsOnARoundFigureAtOrAboveTheLargest) {
    const struct {
        double largest;
        double top;
        double step;
    } cases[] = {
        {0, 1, 1}, {16, 20, 5}, {100, 100, 20}, {123456, 125000, 25000}, {7, 8, 2}, {3, 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.largest);
        const Axis axis = axisFor(c.largest);
        EXPECT_GE(axis.top, c.largest);
        EXPECT_DOUBLE_EQ(axis.step * axis.steps, axis.top);
        EXPECT_DOUBLE_EQ(axis.top, c.top);
        EXPECT_DOUBLE_EQ(axis.step, c.step);
    }
}

TEST(ChartGeometry, BarMarksStayOverTheirOwnBar) {
    const QList<double> values{5000, 5001, 4999, 5000, 0, 0, 123456, 123456, 1, 1, 1, 1};
    const Bars bars = layOutBars(values, QRectF(0, 0, 700, 300));
    // Marks wider than their slot are held inside it.
    QList<QSizeF> sizes(values.size(), QSizeF(90, 14));
    const QList<QRectF> marks = barMarks(bars, sizes);
    EXPECT_FALSE(overlapping(marks));
    for (int i = 0; i < marks.size(); ++i)
        EXPECT_LE(marks[i].bottom(), bars.fronts[i].top());
}

TEST(ChartGeometry, PieAnglesMakeAFullTurnAndSkipZeros) {
    const struct {
        QList<double> values;
        int slices;
    } cases[] = {
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 12},
        {{0, 2, 16, 0, 0, 13, 0, 0, 0, 0, 0, 0}, 3},
        {{100000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 3}, 4},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        const QList<Slice> slices = pieSlices(c.values);
        ASSERT_EQ(slices.size(), c.slices);
        if (slices.isEmpty())
            continue;
        double turn = 0;
        double total = std::accumulate(c.values.begin(), c.values.end(), 0.0);
        double start = 90;
        for (const Slice& s : slices) {
            EXPECT_DOUBLE_EQ(s.start, start); // each starts where the last ended
            EXPECT_LT(s.span, 0);             // clockwise
            EXPECT_NEAR(-s.span, 360 * c.values[s.index] / total, 1e-9);
            turn += s.span;
            start = s.start + s.span;
        }
        EXPECT_NEAR(turn, -360, 1e-9);
    }
}

TEST(ChartGeometry, SmallPieSlicesKeepTheirLabelsApart) {
    // One large month and many tiny ones crowd their labels on one side.
    const QList<double> values{90000, 3, 2, 1, 1, 1, 4, 2, 1, 3, 5, 1};
    const QRectF area(0, 0, 900, 380);
    const Pie pie = layOutPie(values, area, QList<QSizeF>(values.size(), QSizeF(150, 16)));
    ASSERT_EQ(pie.labels.size(), 12);
    EXPECT_FALSE(overlapping(pie.labels));
    for (const QRectF& label : pie.labels) {
        EXPECT_TRUE(area.contains(label));
        EXPECT_FALSE(label.intersects(pie.top)); // beside the pie, not on it
    }
}

TEST(ChartGeometry, LegendRowsFitTheWidth) {
    const QList<QSizeF> items(12, QSizeF(100, 16));
    const QList<QRectF> boxes = layOutLegend(QSizeF(60, 16), items, 700, 10);
    ASSERT_EQ(boxes.size(), 13);
    EXPECT_FALSE(overlapping(boxes));
    EXPECT_EQ(boxes[0].top(), 0); // the title opens the first row
    for (const QRectF& b : boxes) {
        EXPECT_GE(b.left(), 0);
        EXPECT_LE(b.right(), 700);
    }
}

TEST(ChartGeometry, MarkTextGroupsThousands) {
    EXPECT_EQ(markText(0), QStringLiteral("0"));
    EXPECT_EQ(markText(999), QStringLiteral("999"));
    EXPECT_EQ(markText(1234), QStringLiteral("1.234"));
    EXPECT_EQ(markText(1234567), QStringLiteral("1.234.567"));
}
