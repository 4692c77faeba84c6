#include "distinte/ui/DistintaPrinting.h"

#include "EditorFixture.h"
#include "distinte/ui/LogoPicture.h"
#include "distinte/ui/TfrmAnteprimaRic.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "output/ui/ReportPainter.h"
#include "output/ui/ReportPicture.h"
#include "output/ui/ReportPreviewDialog.h"
#include "support/FakeServices.h"
#include "support/PdfCapture.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kLongDescription =
    QStringLiteral("Francobollo posta ordinaria nazionale con una descrizione troppo lunga per la "
                   "sua colonna FINE-NASCOSTA");

Ricevuta filledDistinta() {
    Ricevuta r;
    r.numRic = QStringLiteral("15");
    r.data = QStringLiteral("03/04/2023");
    r.nomeRiv = QStringLiteral("Tabaccheria Rossi");
    r.pagamento = QStringLiteral("Contanti");
    r.rivRigo = {QStringLiteral("TABACCHERIA ROSSI"), QStringLiteral("di Mario Rossi"),
                 QStringLiteral("Via Roma 12"), QStringLiteral("00100 Roma"),
                 QStringLiteral("P.IVA 01234567890")};
    r.acqRigo = {QStringLiteral("Studio [Bianchi] S.r.l."), QStringLiteral("Via Milano 3"),
                 QStringLiteral("20100 Milano"), QString(), QString()};
    r.quant[0] = QStringLiteral("2");
    r.descrizione[0] = QStringLiteral("Marca da bollo da 16,00 euro");
    r.unitario[0] = QStringLiteral("16,00");
    r.importo[0] = QStringLiteral("32,00");
    r.quant[1] = QStringLiteral("10");
    r.descrizione[1] = kLongDescription;
    r.unitario[1] = QStringLiteral("1,25");
    r.importo[1] = QStringLiteral("12,50");
    r.totale = QStringLiteral("44,50");
    return r;
}

int clickStampa(QDialog* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    return dialog->result();
}

// The page drawn at 60 dpi, the paper's corner at (0, 0).
QImage render(const PreparedReport& report) {
    constexpr double dpm = 60 / 0.0254;
    QImage image(qRound(210 * dpm / 1000), qRound(297 * dpm / 1000), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpm));
    image.setDotsPerMeterY(qRound(dpm));
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportPainter(painter, QPointF(10, 10)).paintPage(report.pages.at(0));
    return image;
}

// Pixels in the logo area that are not white.
int inkInLogoArea(const QImage& page) {
    const double pxPerMm = page.dotsPerMeterX() / 1000.0;
    int ink = 0;
    // Inside the area's outline-free interior: paper 11..91 x 11..49 mm.
    for (int y = int(12 * pxPerMm); y < int(48 * pxPerMm); ++y)
        for (int x = int(12 * pxPerMm); x < int(90 * pxPerMm); ++x)
            ink += page.pixel(x, y) != qRgb(255, 255, 255);
    return ink;
}

TEST(LogoPicture, StandInsForMissingOrUnreadableFiles) {
    TestFolder dir;
    const QImage fallback = logo::defaultPicture();
    EXPECT_EQ(fallback.size(), QSize(297, 184));
    EXPECT_EQ(logo::load(dir.folder()), fallback); // no Logo.bmp

    dir.writeBytes(QStringLiteral("Logo.bmp"), QByteArray("BM this is not a picture"));
    EXPECT_EQ(logo::load(dir.folder()), fallback);

    const QImage blank = logo::blankPicture();
    EXPECT_EQ(blank.size(), QSize(2, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(blank.pixel(x, y), qRgb(255, 255, 255));
}

TEST(DistintaPrint, PrintsTheDistintaOnOneA4PageAsTyped) {
    if (!havePdfTools())
        GTEST_SKIP() << "pdftotext is not installed";
    TestFolder dir;
    const QString pdf = dir.file(QStringLiteral("stampa.pdf"));
    PrintingServices s(dir.folder(), pdf);
    s.fake.dialogs.handlers = {clickStampa};

    printDistinta(s.services, nullptr, filledDistinta());

    EXPECT_EQ(s.fake.dialogs.opened, QStringList{QStringLiteral("TfrmStampaRic")});
    EXPECT_EQ(s.printers.calls, 1);
    EXPECT_TRUE(s.fake.messages.shown.isEmpty());
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->count(QLatin1Char('\f')), 1) << "one page";
    for (const char* expected :
         {"VELLARMO N. 15", "03/04/2023", "Studio [Bianchi] S.r.l.", "TABACCHERIA ROSSI",
          "Contanti", "Marca da bollo da 16,00 euro", "32,00", "44,50",
          "TOTALE :", "DATI ACQUIRENTE", "MODALITA' DI PAGAMENTO:", "BOLLO VIGENTE",
          "(OVE RICHIESTO)", "secondo le norme del Codice civile.",
          "FIRMA DEL RIVENDITORE:", "Il sottoscritto:", "Tabaccheria Rossi",
          "in qualità di rivenditore, attesta l'avvenuto acquisto dei valori bollati sopra "
          "elencati.",
          "Esente da IVA ai sensi dell'art. 2, comma 3, del D.P.R. 26 ottobre 1972, n. 663 e "
          "successive modifiche."})
        EXPECT_TRUE(text->contains(QString::fromUtf8(expected))) << expected;
    // The long description is cut at its column.
    EXPECT_TRUE(text->contains(kLongDescription.left(40)));
    EXPECT_FALSE(text->contains(QStringLiteral("FINE-NASCOSTA")));
}

TEST(DistintaPrint, CancelledPrinterDialogAndAnnullaPrintNothing) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    fake.dialogs.handlers = {clickStampa, [](QDialog* d) {
                                 QTest::mouseClick(
                                     d->findChild<QPushButton*>(QStringLiteral("btnAnnulla")),
                                     Qt::LeftButton);
                                 return d->result();
                             }};
    printDistinta(fake.services, nullptr, filledDistinta()); // printer dialog cancelled
    printDistinta(fake.services, nullptr, filledDistinta()); // Annulla
    EXPECT_EQ(fake.printers.chosen.size(), 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(DistintaPrint, PrinterFailureShowsTheWarningAndClosesTheScreen) {
    TestFolder dir;
    PrintingServices s(dir.folder(), dir.file(QStringLiteral("no/such/folder/x.pdf")));
    int result = -1;
    s.fake.dialogs.handlers = {[&](QDialog* d) {
        result = clickStampa(d);
        return result;
    }};
    printDistinta(s.services, nullptr, filledDistinta());
    EXPECT_EQ(s.fake.messages.texts(),
              QStringList{QStringLiteral(
                  "Attenzione: la stampa non è andata a buon fine.\n\r\n\rSi consiglia di "
                  "verificare che la stampante sia configurata correttamente.")});
    EXPECT_EQ(s.fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST(DistintaPrint, LogoAreaShowsTheEuroWithoutALogoAndStaysBlankWhenRemoved) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    {
        TfrmStampaRic screen(fake.services, filledDistinta(), nullptr);
        EXPECT_EQ(screen.logo(), logo::defaultPicture());
        EXPECT_GT(inkInLogoArea(render(screen.preparedPage())), 500);
    }
    ASSERT_TRUE(logo::save(dir.folder(), logo::blankPicture()));
    TfrmStampaRic screen(fake.services, filledDistinta(), nullptr);
    EXPECT_EQ(screen.logo().size(), QSize(2, 2));
    EXPECT_EQ(inkInLogoArea(render(screen.preparedPage())), 0);
}

TEST(DistintaPreview, ShowsThePageAt100PercentAndPrintsFromThere) {
    if (!havePdfTools())
        GTEST_SKIP() << "pdftotext is not installed";
    TestFolder dir;
    const QString pdf = dir.file(QStringLiteral("dall'anteprima.pdf"));
    PrintingServices s(dir.folder(), pdf);
    double zoom = 0;
    s.fake.dialogs.handlers = {clickStampa, [&](QDialog* d) {
                                   auto* preview = qobject_cast<ReportPreviewDialog*>(d);
                                   EXPECT_TRUE(preview);
                                   zoom = preview->previewWidget()->zoomFactor();
                                   d->findChild<QAction*>(QStringLiteral("actStampa"))->trigger();
                                   return int(QDialog::Rejected);
                               }};
    previewDistinta(s.services, nullptr, filledDistinta());

    EXPECT_EQ(s.fake.dialogs.opened,
              (QStringList{QStringLiteral("TfrmAnteprimaRic"), QStringLiteral("frmAnteprima")}));
    EXPECT_DOUBLE_EQ(zoom, 1.0);
    EXPECT_TRUE(s.fake.messages.shown.isEmpty());
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->count(QLatin1Char('\f')), 1);
    EXPECT_TRUE(text->contains(QStringLiteral("VELLARMO N. 15")));
}

TEST(DistintaPreview, AnnullaShowsNothing) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    TfrmAnteprimaRic screen(fake.services, filledDistinta(), nullptr);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral(" Anteprima di stampa"));
    EXPECT_EQ(screen.findChild<QPushButton*>(QStringLiteral("btnStampa"))->text(),
              QStringLiteral("Mostra anteprima"));
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnAnnulla")), Qt::LeftButton);
    EXPECT_EQ(screen.result(), QDialog::Rejected);
    EXPECT_TRUE(fake.dialogs.opened.isEmpty());
    EXPECT_EQ(TfrmAnteprimaRic::kFailed,
              QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è "
                             "andata a buon fine.\n\r\n\rSi consiglia di verificare che la "
                             "stampante sia configurata correttamente."));
}

TEST(DistintaEditor, StampaAndAnteprimaTakeTheDistintaAsShownUnsaved) {
    EditorFixture f;
    f.fillRequired();
    f.field(QStringLiteral("txtNumRic"))->setText(QStringLiteral("  42 "));
    QStringList numbers;
    const auto numberOnPage = [&](QDialog* d) {
        const PreparedReport page = static_cast<DistintaOutputDialog*>(d)->preparedPage();
        numbers << page.pages[0].named(u"txtNumRic").first()->text();
        return int(QDialog::Rejected);
    };
    f.fake.dialogs.handlers = {numberOnPage, numberOnPage};
    f.click(QStringLiteral("cmdStampa"));
    f.click(QStringLiteral("cmdAnteprima"));
    EXPECT_EQ(f.fake.dialogs.opened,
              (QStringList{QStringLiteral("TfrmStampaRic"), QStringLiteral("TfrmAnteprimaRic")}));
    EXPECT_EQ(numbers, QStringList(2, QStringLiteral("VELLARMO N. 42")));
}

} // namespace
