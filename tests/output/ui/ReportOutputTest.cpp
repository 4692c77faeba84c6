#include "output/ui/ReportOutput.h"

#include "output/ListReport.h"
#include "output/ui/ListPrinter.h"
#include "output/ui/ReportFonts.h"
#include "output/ui/ReportPainter.h"
#include "output/ui/ReportPreviewDialog.h"
#include "support/FakeServices.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QDate>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <gtest/gtest.h>

namespace {

const QString kToday = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("riga %1 [x]").arg(i, 4, 10, QLatin1Char('0'));
    return lines;
}

int pageCount(const QString& text) {
    return int(text.count(QLatin1Char('\f')));
}

TEST(ReportFonts, WindowsFontsResolveToFacesWithTheSameWidths) {
    // Courier New must stay fixed-pitch, or the list columns would not line up.
    EXPECT_TRUE(QFontInfo(reportFont({QStringLiteral("Courier New"), 8})).fixedPitch());
    EXPECT_FALSE(QFontInfo(reportFont({QStringLiteral("Arial"), 8})).fixedPitch());
}

TEST(ReportPainter, CutsAtTheRightEdgeAndKeepsWhatFits) {
    const ReportFont courier{QStringLiteral("Courier New"), 8};
    // A distinta summary line of 149 characters fits the list memo whole.
    const QString summary = QString(149, QLatin1Char('8'));
    EXPECT_EQ(ReportPainter::visiblePart(summary, courier, 273), summary);
    // About 161 characters of Courier New 8 pt fit in 273 mm; 200 do not.
    const QString longer = QString(200, QLatin1Char('x'));
    const int shown = int(ReportPainter::visiblePart(longer, courier, 273).size());
    EXPECT_GE(shown, 160);
    EXPECT_LE(shown, 162);
    EXPECT_EQ(ReportPainter::visiblePart(QString(), courier, 10), QString());
}

// The bounds, in millimetres, of the non-white pixels of `image` within
// `areaMm` (also in millimetres).
QRectF inkMm(const QImage& image, const QRectF& areaMm) {
    const double xPerMm = image.dotsPerMeterX() / 1000.0;
    const double yPerMm = image.dotsPerMeterY() / 1000.0;
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = int(areaMm.top() * yPerMm); y < int(areaMm.bottom() * yPerMm); ++y)
        for (int x = int(areaMm.left() * xPerMm); x < int(areaMm.right() * xPerMm); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return QRectF();
    return QRectF(QPointF(left / xPerMm, top / yPerMm),
                  QPointF((right + 1) / xPerMm, (bottom + 1) / yPerMm));
}

TEST(ReportPainter, KeepsMillimetresOnPrintersFinerAcrossThanDown) {
    // 240 dpi across, 120 dpi down.
    QImage image(qRound(150 / 25.4 * 240), qRound(80 / 25.4 * 120), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(240 / 0.0254));
    image.setDotsPerMeterY(qRound(120 / 0.0254));
    image.fill(Qt::white);
    PreparedPage page;
    page.objects.append(
        ReportObject::box(QStringLiteral("box"), QRectF(0, 0, 100, 40), reportcolor::None));
    // Ten Courier letters are 10 x 0.6 x 8 pt = 16.9 mm wide.
    page.objects.append(ReportObject::memo(QStringLiteral("txt"), QRectF(0, 50, 100, 5),
                                           QStringLiteral("MMMMMMMMMM"),
                                           {QStringLiteral("Courier New"), 8}));
    {
        QPainter painter(&image);
        ReportPainter(painter, QPointF(10, 10)).paintPage(page);
    }
    const QRectF box = inkMm(image, QRectF(5, 5, 140, 50));
    EXPECT_NEAR(box.left(), 10, 0.5);
    EXPECT_NEAR(box.width(), 100, 0.5);
    EXPECT_NEAR(box.top(), 10, 0.5);
    EXPECT_NEAR(box.height(), 40, 0.5);
    const QRectF text = inkMm(image, QRectF(5, 58, 140, 22));
    EXPECT_NEAR(text.width(), 16.9, 1.5);
    // Capital letters of 8 pt stand about 2 mm tall.
    EXPECT_NEAR(text.height(), 2, 0.8);
}

class ListPrinting : public ::testing::Test {
protected:
    void SetUp() override { REQUIRE_TOOL("pdftotext"); }
    // Prints through printList into a PDF and returns its text.
    QString print(const QString& title, const QStringList& lines, bool layout = false) {
        const QString pdf = dir.file(QStringLiteral("list.pdf"));
        PrintingServices s(dir.folder(), pdf);
        EXPECT_TRUE(printList(s.services, nullptr, title, lines));
        EXPECT_EQ(s.printers.calls, 1);
        EXPECT_TRUE(s.fake.messages.shown.isEmpty());
        return pdfText(pdf, layout).value_or(QString());
    }
    TestFolder dir;
};

TEST_F(ListPrinting, ThreeLinesOnOnePageBetweenTitleAndDateBar) {
    const QString text =
        print(QStringLiteral("Riepilogo distinte in archivio"),
              {QStringLiteral("prima"), QStringLiteral("seconda [DATE]"), QStringLiteral("terza")});
    EXPECT_EQ(pageCount(text), 1);
    const QStringList order = {QStringLiteral("Riepilogo distinte in archivio"),
                               QStringLiteral("prima"), QStringLiteral("seconda [DATE]"),
                               QStringLiteral("terza"),
                               QStringLiteral("Stampa eseguita in data ") + kToday};
    qsizetype at = 0;
    for (const QString& expected : order) {
        const qsizetype found = text.indexOf(expected, at);
        ASSERT_GE(found, 0) << expected.toStdString() << "\n" << text.toStdString();
        at = found + expected.size();
    }
}

TEST_F(ListPrinting, TwoHundredLinesRunOverPagesWithTitleAndDateBarOnce) {
    const QStringList lines = numberedLines(200);
    const QString text = print(QStringLiteral("Riepilogo dati anagrafici"), lines);
    EXPECT_GE(pageCount(text), 4);
    EXPECT_EQ(text.count(QStringLiteral("Riepilogo dati anagrafici")), 1);
    EXPECT_EQ(text.count(QStringLiteral("Stampa eseguita in data")), 1);
    EXPECT_LT(text.indexOf(QStringLiteral("Riepilogo dati anagrafici")),
              text.indexOf(QStringLiteral("riga 0001")));
    EXPECT_GT(text.indexOf(QStringLiteral("Stampa eseguita in data")),
              text.indexOf(QStringLiteral("riga 0200 [x]")));
    // The date bar is on the last page.
    EXPECT_EQ(text.left(text.indexOf(QStringLiteral("Stampa eseguita"))).count(QLatin1Char('\f')),
              pageCount(text) - 1);
    for (const QString& line : lines)
        EXPECT_TRUE(text.contains(line)) << line.toStdString();
}

TEST_F(ListPrinting, EmptyListGivesTitleAndDateBarOnly) {
    const QString text = print(QStringLiteral("Riepilogo questioni in sospeso"), {});
    EXPECT_EQ(pageCount(text), 1);
    EXPECT_EQ(text.simplified(), QStringLiteral("Riepilogo questioni in sospeso Stampa eseguita "
                                                "in data ") +
                                     kToday);
}

TEST_F(ListPrinting, SummaryLineOf149CharactersStaysOnOnePrintedLine) {
    const QString line = QStringLiteral("%1 | 03/04/2023 | ").arg(15, 5) +
                         QString(123, QLatin1Char('A')) + QStringLiteral("|FINE");
    ASSERT_EQ(line.size(), 149);
    const QString text = print(QStringLiteral("Titolo"), {line}, true);
    // pdftotext does not keep runs of blanks; compare the words of each line.
    QStringList printed;
    for (const QString& l : text.split(QLatin1Char('\n')))
        printed << l.simplified();
    EXPECT_TRUE(printed.contains(line.simplified())) << text.toStdString();
}

TEST(ListPrinter, CancelledPrinterDialogPrintsNothingAndSaysNothing) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    EXPECT_FALSE(printList(fake.services, nullptr, QStringLiteral("T"), {QStringLiteral("x")}));
    EXPECT_EQ(fake.printers.chosen.size(), 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(ListPrinter, PrinterFailureIsReportedWithTheWarning) {
    TestFolder dir;
    PrintingServices s(dir.folder(), dir.file(QStringLiteral("no/such/folder/list.pdf")));
    EXPECT_FALSE(printList(s.services, nullptr, QStringLiteral("T"), {QStringLiteral("x")}));
    ASSERT_EQ(s.fake.messages.shown.size(), 1);
    EXPECT_EQ(s.fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_EQ(s.fake.messages.shown[0].text,
              QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\rSi consiglia "
                             "di verificare che la stampante sia configurata correttamente."));
}

class PreviewDialog : public ::testing::Test {
protected:
    PreparedReport report =
        listreport::prepared(QStringLiteral("Anteprima"), numberedLines(3), QDate(2023, 4, 3));
    TestFolder dir;
};

TEST_F(PreviewDialog, OffersOnlyPrintZoomFullScreenAndCloseAt100Percent) {
    FakeServices fake(dir.folder());
    ReportPreviewDialog preview(fake.services, report, nullptr);
    QStringList names;
    for (QAction* a : preview.findChildren<QAction*>())
        if (!a->objectName().isEmpty() && a->objectName().startsWith(QStringLiteral("act")))
            names << a->objectName();
    names.sort();
    EXPECT_EQ(names, (QStringList{"actChiudi", "actSchermoIntero", "actStampa", "actZoom100",
                                  "actZoomMeno", "actZoomPiu"}));
    EXPECT_DOUBLE_EQ(preview.previewWidget()->zoomFactor(), 1.0);
    preview.findChild<QAction*>(QStringLiteral("actZoomPiu"))->trigger();
    EXPECT_GT(preview.previewWidget()->zoomFactor(), 1.0);
    preview.findChild<QAction*>(QStringLiteral("actZoom100"))->trigger();
    EXPECT_DOUBLE_EQ(preview.previewWidget()->zoomFactor(), 1.0);
}

TEST_F(PreviewDialog, PrintsThroughThePrinterDialog) {
    REQUIRE_TOOL("pdftotext");
    const QString pdf = dir.file(QStringLiteral("printed.pdf"));
    PrintingServices s(dir.folder(), pdf);
    ReportPreviewDialog preview(s.services, report, nullptr);
    preview.findChild<QAction*>(QStringLiteral("actStampa"))->trigger();
    EXPECT_EQ(s.printers.calls, 1);
    EXPECT_TRUE(pdfText(pdf).value_or(QString()).contains(QStringLiteral("Anteprima")));
}

} // namespace
