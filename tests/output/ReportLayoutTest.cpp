#include "output/ListReport.h"
#include "output/PreparedReport.h"

#include <gtest/gtest.h>

namespace {

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("riga %1").arg(i, 4, 10, QLatin1Char('0'));
    return lines;
}

// Every list line printed, in page order.
QStringList printedLines(const PreparedReport& report) {
    QStringList lines;
    for (const PreparedPage& page : report.pages)
        for (const ReportObject* memo : page.named(u"txtRiepilogo"))
            lines += memo->lines;
    return lines;
}

int countOnPages(const PreparedReport& report, QStringView name, QList<int>* pages = nullptr) {
    int n = 0;
    for (int p = 0; p < report.pages.size(); ++p) {
        const int here = int(report.pages[p].named(name).size());
        n += here;
        if (here && pages)
            pages->append(p);
    }
    return n;
}

TEST(Report, FindsObjectsAndBandsWhateverTheLetterCase) {
    Report report = listreport::design();
    ASSERT_NE(report.findObject(u"TXTTITOLO"), nullptr);
    EXPECT_EQ(report.findObject(u"txttitolo")->text(), QStringLiteral("Riepilogo"));
    EXPECT_NE(report.findBand(u"masterdata"), nullptr);
    EXPECT_EQ(report.findObject(u"nessuno"), nullptr);
    EXPECT_FALSE(report.setMemoText(u"nessuno", QStringLiteral("x")));
}

TEST(PrepareReport, BandTooTallForWhatIsLeftStartsANewPage) {
    Report report;
    report.page.margins = QMarginsF(0, 0, 0, 0);
    report.page.paper = QSizeF(100, 100);
    for (const char* name : {"a", "b", "c"}) {
        Band band{QString::fromLatin1(name), 40, false, {}};
        band.objects.append(
            ReportObject::box(QString::fromLatin1(name), QRectF(0, 5, 10, 10), reportcolor::White));
        report.bands.append(band);
    }
    const PreparedReport prepared = prepareReport(report);
    ASSERT_EQ(prepared.pages.size(), 2);
    EXPECT_EQ(prepared.pages[0].named(u"b").first()->rect.top(), 45);
    EXPECT_EQ(prepared.pages[1].named(u"c").first()->rect.top(), 5);
}

TEST(ListReport, ThreeLinesFitOnePageWithTheDateBarRightUnderThem) {
    const QStringList lines = {QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")};
    const PreparedReport report =
        listreport::prepared(QStringLiteral("Titolo"), lines, QDate(2023, 4, 3));

    EXPECT_EQ(report.page.orientation, PageSetup::Orientation::Landscape);
    EXPECT_EQ(report.page.printableSize(), QSizeF(277, 190));
    ASSERT_EQ(report.pages.size(), 1);
    const PreparedPage& page = report.pages[0];

    const ReportObject* title = page.named(u"txtTitolo").value(0);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), QStringLiteral("Titolo"));
    EXPECT_EQ(title->rect, QRectF(2, 1, 273, 5));
    EXPECT_EQ(title->font, (ReportFont{QStringLiteral("Verdana"), 9, true}));
    EXPECT_EQ(title->fillColor, reportcolor::SlateGray);
    EXPECT_EQ(title->textColor, reportcolor::White);

    const ReportObject* list = page.named(u"txtRiepilogo").value(0);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->lines, lines);
    EXPECT_EQ(list->font, (ReportFont{QStringLiteral("Courier New"), 8}));
    const double pitch = 12.822 * 25.4 / 96;
    EXPECT_DOUBLE_EQ(list->rect.top(), 8);
    EXPECT_DOUBLE_EQ(list->rect.height(), 3 * pitch);
    EXPECT_DOUBLE_EQ(list->lineHeight, pitch);

    const ReportObject* footer = page.named(u"txtPagina").value(0);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->text(), QStringLiteral("Stampa eseguita in data 03/04/2023"));
    // Footer band right after the data band (memo + 10 units), its bar 2 mm down.
    EXPECT_NEAR(footer->rect.top(), 8 + 3 * pitch + 10 * 25.4 / 96 + 2, 1e-9);
    EXPECT_EQ(footer->rect.left(), 3);
    EXPECT_EQ(footer->rect.width(), 272);
}

TEST(ListReport, LongListContinuesOnLaterPagesWithTitleOnceAndDateBarAfterTheLastLine) {
    const QStringList lines = numberedLines(200);
    const PreparedReport report =
        listreport::prepared(QStringLiteral("Riepilogo dati anagrafici"), lines, QDate(2023, 4, 3));
    ASSERT_GE(report.pages.size(), 4);
    EXPECT_EQ(printedLines(report), lines);

    QList<int> titlePages, footerPages;
    EXPECT_EQ(countOnPages(report, u"txtTitolo", &titlePages), 1);
    EXPECT_EQ(titlePages, QList<int>{0});
    EXPECT_EQ(countOnPages(report, u"txtPagina", &footerPages), 1);
    EXPECT_EQ(footerPages, QList<int>{int(report.pages.size()) - 1});

    const double bottom = report.page.printableSize().height();
    for (const PreparedPage& page : report.pages) {
        for (const ReportObject& o : page.objects) {
            EXPECT_LE(o.rect.bottom(), bottom + 1e-6) << o.name.toStdString();
        }
        // Later pages start at their top: no title, no header.
        if (&page != &report.pages.first()) {
            EXPECT_DOUBLE_EQ(page.named(u"txtRiepilogo").first()->rect.top(), 0);
        }
    }
    // The date bar comes under the last line.
    const PreparedPage& last = report.pages.last();
    EXPECT_GT(last.named(u"txtPagina").first()->rect.top(),
              last.named(u"txtRiepilogo").first()->rect.bottom());
}

TEST(ListReport, DateBarThatNoLongerFitsGoesToANewPage) {
    // 53 lines fill the first page up to the last few millimetres.
    const PreparedReport report =
        listreport::prepared(QStringLiteral("T"), numberedLines(53), QDate(2023, 4, 3));
    ASSERT_EQ(report.pages.size(), 2);
    EXPECT_EQ(report.pages[0].named(u"txtRiepilogo").first()->lines.size(), 53);
    ASSERT_EQ(report.pages[1].objects.size(), 1);
    EXPECT_EQ(report.pages[1].objects[0].name, QStringLiteral("txtPagina"));
}

TEST(ListReport, EmptyListPrintsTitleAndDateBarOnly) {
    const PreparedReport report = listreport::prepared(
        QStringLiteral("Riepilogo questioni in sospeso"), {}, QDate(2024, 12, 31));
    ASSERT_EQ(report.pages.size(), 1);
    EXPECT_EQ(report.pages[0].named(u"txtTitolo").size(), 1);
    EXPECT_EQ(report.pages[0].named(u"txtPagina").first()->text(),
              QStringLiteral("Stampa eseguita in data 31/12/2024"));
    EXPECT_TRUE(printedLines(report).isEmpty());
}

TEST(ListReport, TitleAndLinesKeepExpressionLikeTextAsTyped) {
    const QString title = QStringLiteral("Riepilogo incassi - Acquirente: [Rossi] <b>&amp;");
    const QStringList lines = {QStringLiteral("[DATE] [PAGE#] {x} %s"), QStringLiteral("  ")};
    const PreparedReport report = listreport::prepared(title, lines, QDate(2023, 1, 2));
    EXPECT_EQ(report.pages[0].named(u"txtTitolo").first()->text(), title);
    EXPECT_EQ(printedLines(report), lines);
}

} // namespace
