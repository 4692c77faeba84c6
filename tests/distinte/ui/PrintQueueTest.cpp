// Printing through a real print queue: a CUPS server of the test's own with a
// cups-pdf queue (support/PrivateCups.h), the PDF it makes read back.

#include "distinte/ui/DistintaPrinting.h"
#include "output/ui/ListPrinter.h"
#include "support/DistintaBuilder.h"
#include "support/FakeServices.h"
#include "support/PdfCapture.h"
#include "support/PrivateCups.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"
#include "widgets/QtServices.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace {

// What a user leaving the printer dialog as it opens gets: the printer it
// offers first, the server's default queue.
class DefaultPrinter final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter* printer) override {
        offered = printer->printerName();
        return true;
    }
    QString offered;
};

// The real printer dialog, with its Print button pressed as soon as it shows,
// every setting left as the dialog proposes it.
class PressPrint final : public PrintDialogs {
public:
    bool choosePrinter(QWidget* parent, QPrinter* printer) override {
        QTimer::singleShot(0, [this] { pressWhenShown(); });
        const bool confirmed = QtPrintDialogs().choosePrinter(parent, printer);
        chosen = printer->printerName();
        return confirmed;
    }
    QString chosen;
    bool pressed = false;

private:
    void pressWhenShown() {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
        if (!buttons || !buttons->button(QDialogButtonBox::Ok)) {
            QTimer::singleShot(10, [this] { pressWhenShown(); });
            return;
        }
        pressed = true;
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
};

struct PageInfo {
    int pages = 0;
    double width = 0; // points, as the page is shown (its rotation applied)
    double height = 0;
};

PageInfo pageInfo(const QString& pdf) {
    QProcess pdfinfo;
    pdfinfo.start(toolPath(QStringLiteral("pdfinfo")), {pdf});
    pdfinfo.waitForFinished(30000);
    const QString out = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    PageInfo info;
    info.pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out).captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(out);
    info.width = size.captured(1).toDouble();
    info.height = size.captured(2).toDouble();
    const int rotation =
        QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(out).captured(1).toInt();
    if (rotation % 180 != 0)
        std::swap(info.width, info.height);
    return info;
}

// Whether `word` runs along the sheet's long side, as the lines of a page
// printed landscape do on the printer's upright sheet; nothing when the word
// is not on the page.
std::optional<bool> runsAlongLongSide(const QString& pdf, const QString& word) {
    QProcess pdftotext;
    pdftotext.start(toolPath(QStringLiteral("pdftotext")),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    const QString out = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const auto box = QRegularExpression(
                         QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                        "yMax=\"([\\d.]+)\">%1</word>")
                             .arg(QRegularExpression::escape(word)))
                         .match(out);
    if (!box.hasMatch())
        return std::nullopt;
    const double across = box.captured(3).toDouble() - box.captured(1).toDouble();
    const double down = box.captured(4).toDouble() - box.captured(2).toDouble();
    const PageInfo page = pageInfo(pdf);
    return (down > across) == (page.height > page.width);
}

void expectOneA4Page(const QString& pdf) {
    const PageInfo page = pageInfo(pdf);
    EXPECT_EQ(page.pages, 1);
    EXPECT_NEAR(std::min(page.width, page.height), 595, 1) << "A4";
    EXPECT_NEAR(std::max(page.width, page.height), 842, 1) << "A4";
}

Ricevuta distinta() {
    return DistintaBuilder(QStringLiteral("15"))
        .date(QStringLiteral("03/04/2023"))
        .reseller(QStringLiteral("Tabaccheria Rossi"), {QStringLiteral("TABACCHERIA ROSSI")})
        .payment(QStringLiteral("Contanti"))
        .buyer({QStringLiteral("Studio Bianchi S.r.l."), QStringLiteral("Via Milano 3")})
        .line(0, QStringLiteral("2"), QStringLiteral("Marca da bollo da 16,00 euro"),
              QStringLiteral("16,00"), QStringLiteral("32,00"))
        .total(QStringLiteral("32,00"));
}

int clickStampa(QDialog* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    return dialog->result();
}

class PrintQueue : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_TOOL("pdftotext");
        REQUIRE_TOOL("pdfinfo");
        REQUIRE_AVAILABLE(cups.started(),
                          "a CUPS server of its own: " + cups.reason().toStdString());
    }

    Services services(PrintDialogs& printers) {
        return Services{dir.folder(), fake.messages, fake.dialogs, fake.files,
                        printers,     fake.opener,   fake.input};
    }

    // The next PDF out of the queue and its text; fails the test without one.
    QString nextPdf(QString* text) {
        const QString pdf = cups.waitForNextPdf();
        EXPECT_FALSE(pdf.isEmpty()) << cups.reason().toStdString();
        *text = pdf.isEmpty() ? QString() : pdfText(pdf).value_or(QString());
        return pdf;
    }

    PrivateCups& cups = PrivateCups::shared();
    TestFolder dir;
    FakeServices fake{dir.folder()};
};

TEST_F(PrintQueue, DistintaComesOutOnOneA4PageWithItsTexts) {
    DefaultPrinter offered;
    PressPrint dialog;
    for (PrintDialogs* printers : std::initializer_list<PrintDialogs*>{&offered, &dialog}) {
        SCOPED_TRACE(printers == &offered ? "default printer" : "printer dialog");
        fake.dialogs.handlers = {clickStampa};
        Services s = services(*printers);
        printDistinta(s, nullptr, distinta());
        EXPECT_TRUE(fake.messages.shown.isEmpty())
            << fake.messages.texts().join(u'|').toStdString();

        QString text;
        const QString pdf = nextPdf(&text);
        expectOneA4Page(pdf);
        EXPECT_EQ(runsAlongLongSide(pdf, QStringLiteral("VELLARMO")), false) << "upright";
        for (const char* expected :
             {"VELLARMO N. 15", "03/04/2023", "Studio Bianchi S.r.l.", "TABACCHERIA ROSSI",
              "Contanti", "Marca da bollo da 16,00 euro", "32,00",
              "TOTALE :", "FIRMA DEL RIVENDITORE:"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(offered.offered, PrivateCups::queue());
    EXPECT_TRUE(dialog.pressed);
    EXPECT_EQ(dialog.chosen, PrivateCups::queue());
}

TEST_F(PrintQueue, ListComesOutOnALandscapePage) {
    DefaultPrinter offered;
    PressPrint dialog;
    const QStringList lines = {QStringLiteral("Distinta 1 del 01/02/2024   Acquirente 1   1,20"),
                               QStringLiteral("Distinta 2 del 02/02/2024   Acquirente 2   2,40")};
    for (PrintDialogs* printers : std::initializer_list<PrintDialogs*>{&offered, &dialog}) {
        SCOPED_TRACE(printers == &offered ? "default printer" : "printer dialog");
        Services s = services(*printers);
        EXPECT_TRUE(printList(s, nullptr, QStringLiteral("Riepilogo distinte in archivio"), lines));

        QString text;
        const QString pdf = nextPdf(&text);
        expectOneA4Page(pdf);
        EXPECT_EQ(runsAlongLongSide(pdf, QStringLiteral("Riepilogo")), true) << "landscape";
        EXPECT_TRUE(text.contains(QStringLiteral("Riepilogo distinte in archivio")));
        EXPECT_TRUE(text.contains(QStringLiteral("Acquirente 2")));
    }
    EXPECT_EQ(offered.offered, PrivateCups::queue());
    EXPECT_TRUE(dialog.pressed);
}

} // namespace
