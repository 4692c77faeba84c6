#include "distinte/ui/DistintaPrinting.h"

#include "EditorFixture.h"
#include "distinte/ui/LogoPicture.h"
#include "distinte/ui/TfrmAnteprimaRic.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "output/ui/ReportPainter.h"
#include "output/ui/ReportPicture.h"
#include "output/ui/ReportPreviewDialog.h"
#include "support/DistintaBuilder.h"
#include "support/FakeServices.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kLongDescription =
    QStringLiteral("Francobollo posta ordinaria nazionale con una descrizione troppo lunga per la "
                   "sua colonna FINE-NASCOSTA");

Ricevuta filledDistinta() {
    return DistintaBuilder(QStringLiteral("15"))
        .date(QStringLiteral("03/04/2023"))
        .reseller(QStringLiteral("Tabaccheria Rossi"),
                  {QStringLiteral("TABACCHERIA ROSSI"), QStringLiteral("di Mario Rossi"),
                   QStringLiteral("Via Roma 12"), QStringLiteral("00100 Roma"),
                   QStringLiteral("P.IVA 01234567890")})
        .payment(QStringLiteral("Contanti"))
        .buyer({QStringLiteral("Studio [Bianchi] S.r.l."), QStringLiteral("Via Milano 3"),
                QStringLiteral("20100 Milano")})
        .line(0, QStringLiteral("2"), QStringLiteral("Marca da bollo da 16,00 euro"),
              QStringLiteral("16,00"), QStringLiteral("32,00"))
        .line(1, QStringLiteral("10"), kLongDescription, QStringLiteral("1,25"),
              QStringLiteral("12,50"))
        .total(QStringLiteral("44,50"));
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
    REQUIRE_TOOL("pdftotext");
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
          "Esente da IVA ai sensi dell'art. 2, comma 3, del D.P.R. 26 ottobre 1972, n. 633 e "
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
    REQUIRE_TOOL("pdftotext");
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
    EXPECT_EQ(screen.findChild<QPushButton*>(QStringLiteral("btnSalvaPdf"))->text(),
              QStringLiteral("Salva PDF..."));
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnAnnulla")), Qt::LeftButton);
    EXPECT_EQ(screen.result(), QDialog::Rejected);
    EXPECT_TRUE(fake.dialogs.opened.isEmpty());
    EXPECT_EQ(TfrmAnteprimaRic::kFailed,
              QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è "
                             "andata a buon fine.\n\r\n\rSi consiglia di verificare che la "
                             "stampante sia configurata correttamente."));
}

void clickSalvaPdf(QDialog* screen) {
    QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("btnSalvaPdf")),
                      Qt::LeftButton);
}

QStringList pdfFilesIn(const TestFolder& dir) {
    return QDir(dir.path())
        .entryList({QStringLiteral("*.pdf"), QStringLiteral("*.PDF")}, QDir::Files, QDir::Name);
}

TEST(DistintaPreview, SalvaPdfWritesThePageAndClosesTheScreen) {
    REQUIRE_TOOL("pdftotext");
    TestFolder dir;
    FakeServices fake(dir.folder());
    bool closed = false;
    fake.files.names = {dir.file(QStringLiteral("per email"))}; // typed without extension
    fake.dialogs.handlers = {[&](QDialog* d) {
        d->show();
        clickSalvaPdf(d);
        closed = !d->isVisible();
        return d->result();
    }};
    previewDistinta(fake.services, nullptr, filledDistinta());

    EXPECT_EQ(fake.files.lastTitle, QStringLiteral("Salva in formato PDF"));
    EXPECT_EQ(fake.files.lastFilter, QStringLiteral("Documento PDF (*.pdf)"));
    // The proposed name, in the user's documents (regression: the dialog
    // opened on the folder with no name, "Documents" in its name field).
    EXPECT_EQ(fake.files.lastPath,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                  .filePath(QStringLiteral("Distinta 15 del 03-04-2023.pdf")));
    EXPECT_TRUE(closed);
    EXPECT_EQ(fake.dialogs.opened, QStringList{QStringLiteral("TfrmAnteprimaRic")})
        << "the preview window is not needed";
    // Once written, the user is told where.
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(fake.messages.shown[0].text,
              QStringLiteral("Il file PDF è stato salvato in:\n\r\n\r") +
                  QDir::toNativeSeparators(dir.file(QStringLiteral("per email.pdf"))));
    EXPECT_EQ(pdfFilesIn(dir), QStringList{QStringLiteral("per email.pdf")});
    const auto text = pdfText(dir.file(QStringLiteral("per email.pdf")));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->count(QLatin1Char('\f')), 1) << "one page";
    EXPECT_TRUE(text->contains(QStringLiteral("VELLARMO N. 15")));
    EXPECT_TRUE(text->contains(QStringLiteral("Marca da bollo da 16,00 euro")));
}

TEST(DistintaPreview, PdfNamesProposedAndChosen) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    struct Proposed {
        const char *numRic, *data, *expected;
    };
    for (const Proposed& c :
         {Proposed{" 7/B ", "03/04/2023", "Distinta 7-B del 03-04-2023.pdf"},
          Proposed{"1:2*?", " 03/04/2023 ", "Distinta 1-2-- del 03-04-2023.pdf"},
          Proposed{"15", "", "Distinta 15.pdf"}}) {
        Ricevuta r = filledDistinta();
        r.numRic = QString::fromUtf8(c.numRic);
        r.data = QString::fromUtf8(c.data);
        EXPECT_EQ(TfrmAnteprimaRic(fake.services, r, nullptr).pdfFileName(),
                  QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                      .filePath(QString::fromUtf8(c.expected)))
            << c.numRic;
    }

    // ".pdf" is added only when the chosen name has no extension of its own;
    // a dot inside the number is not one.
    struct Chosen {
        const char *typed, *written;
    };
    for (const Chosen& c : {Chosen{"copia", "copia.pdf"}, Chosen{"copia.PDF", "copia.PDF"},
                            Chosen{"Distinta 15.2", "Distinta 15.2.pdf"}}) {
        TfrmAnteprimaRic screen(fake.services, filledDistinta(), nullptr);
        fake.files.names = {dir.file(QString::fromUtf8(c.typed))};
        clickSalvaPdf(&screen);
        EXPECT_TRUE(dir.exists(QString::fromUtf8(c.written))) << c.typed;
        QFile::remove(dir.file(QString::fromUtf8(c.written)));
    }

    // Cancelling the file dialog writes nothing and leaves the screen open.
    TfrmAnteprimaRic screen(fake.services, filledDistinta(), nullptr);
    screen.show();
    clickSalvaPdf(&screen);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(pdfFilesIn(dir).isEmpty());
    EXPECT_EQ(fake.messages.shown.size(), 3) << "only the three saves were told";
}

TEST(DistintaPreview, PdfInAReadOnlyFolderWarnsKeepsTheOldFileAndStaysOpen) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    const QByteArray old("%PDF-1.4 la copia di ieri");
    dir.writeBytes(QStringLiteral("Distinta.pdf"), old);
    TfrmAnteprimaRic screen(fake.services, filledDistinta(), nullptr);
    screen.show();
    fake.files.names = {dir.file(QStringLiteral("Distinta.pdf"))};
    {
        const ReadOnlyScope readOnly({dir.path(), dir.file(QStringLiteral("Distinta.pdf"))});
        clickSalvaPdf(&screen);
    }
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Attenzione: il file PDF non è stato salvato.\n\r\n\r"
                                         "Accertarsi di possedere i privilegi di scrittura nella "
                                         "cartella scelta.")});
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(dir.readBytes(QStringLiteral("Distinta.pdf")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Distinta.pdf")})
        << "no temporary file left behind";
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
