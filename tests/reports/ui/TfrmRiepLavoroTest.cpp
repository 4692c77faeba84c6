#include "../ArchiveFixture.h"
#include "common/Dates.h"
#include "reports/ui/TfrmMenuRiepLavoro.h"
#include "support/ActiveWindow.h"
#include "support/FakeServices.h"
#include "support/NamedChild.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "widgets/ResultList.h"
#include "widgets/ScreenRouter.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RiepLavoroTest : public ::testing::Test {
protected:
    RiepLavoroTest() : printing(dir.folder(), dir.file(QStringLiteral("riepilogo.pdf"))) {
        router.add(MainScreen::Avvio, &mainMenu);
        router.add(MainScreen::MenuRiepLavoro, &screen);
        router.switchTo(MainScreen::MenuRiepLavoro, &mainMenu);
    }

    template <typename T = QWidget> T* child(const char* name) {
        return namedChild<T>(screen, QString::fromLatin1(name));
    }
    void choose(const char* field, const QString& value) {
        auto* combo = child<QComboBox>(field);
        combo->setCurrentIndex(combo->findText(value));
    }
    void pickInterval(const QString& startDay, const QString& startMonth, const QString& endDay,
                      const QString& endMonth) {
        choose("txtGiornoInizio", startDay);
        choose("txtMeseInizio", startMonth);
        choose("txtGiornoFine", endDay);
        choose("txtMeseFine", endMonth);
    }
    // Typed, so that the year labels beside the months follow.
    void typeYear(const QString& year) {
        auto* anno = child<QLineEdit>("txtAnno");
        anno->clear();
        QTest::keyClicks(anno, year);
    }
    void visualizza() { QTest::mouseClick(child("btnVisualizza"), Qt::LeftButton); }
    FakeMessageBoxes& messages() { return printing.fake.messages; }

    TestFolder dir;
    PrintingServices printing;
    ScreenRouter router;
    QWidget mainMenu;
    TfrmMenuRiepLavoro screen{printing.services, router};
};

template <typename T = QWidget> T* in(QDialog* dialog, const char* name) {
    auto* w = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList rowTexts(QDialog* dialog) {
    return in<ResultList>(dialog, "lstRecords")->rows().lines();
}

} // namespace

TEST_F(RiepLavoroTest, EntryErrorsComeInOrderWithTheirFocus) {
    EXPECT_EQ(child<QLineEdit>("txtAnno")->text(), dates::currentYear());
    EXPECT_EQ(child<QLabel>("lblAnnoFine")->text(), dates::currentYear());

    // Typed characters never reach a list field; Delete empties it.
    auto* giorno = child<QComboBox>("txtGiornoInizio");
    QTest::keyClicks(giorno, QStringLiteral("12"));
    EXPECT_EQ(giorno->currentText(), QString());
    choose("txtGiornoInizio", QStringLiteral("30"));
    QTest::keyClick(giorno, Qt::Key_Delete);
    EXPECT_EQ(giorno->currentText(), QString());

    auto* anno = child<QLineEdit>("txtAnno");
    anno->clear();
    QTest::keyClicks(anno, QStringLiteral("202"));
    EXPECT_EQ(child<QLabel>("lblAnnoInizio")->text(), QStringLiteral("202"));
    visualizza();
    EXPECT_EQ(messages().texts().last(),
              QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    EXPECT_EQ(screen.focusWidget(), anno);
    EXPECT_FALSE(child("lblAttendere")->isVisible());

    QTest::keyClicks(anno, QStringLiteral("4"));
    visualizza();
    EXPECT_EQ(messages().texts().last(),
              QStringLiteral("Attenzione: indicare il giorno di inizio intervallo "
                             "selezionandolo dall'elenco a cascata."));
    EXPECT_EQ(screen.focusWidget(), giorno);

    pickInterval(QStringLiteral("30"), QStringLiteral("Febbraio"), QStringLiteral("01"),
                 QStringLiteral("Marzo"));
    visualizza();
    EXPECT_EQ(messages().texts().last(),
              QStringLiteral("Attenzione: la data 30/02/2024 di inizio intervallo non esiste."
                             "\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare "
                             "una data valida."));
    EXPECT_EQ(messages().shown.last().kind, FakeMessageBoxes::Shown::Message);
    EXPECT_TRUE(printing.fake.dialogs.opened.isEmpty());
}

TEST_F(RiepLavoroTest, ListsTheIntervalTotalsItAndWarnsOfADamagedDistinta) {
    writeArchive(
        dir, QStringLiteral("2024"),
        {distinta(QStringLiteral("1"), QStringLiteral("01/01/2024"), QStringLiteral("10,10")),
         distinta(QStringLiteral("2"), QStringLiteral("32/01/2024"), QStringLiteral("99,00")),
         distinta(QStringLiteral("3"), QStringLiteral("31/12/2024"), QStringLiteral("20,20")),
         distinta(QStringLiteral("4"), QStringLiteral("05/05/2023"), QStringLiteral("7,00"))});
    typeYear(QStringLiteral("2024"));
    pickInterval(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("31"),
                 QStringLiteral("Dicembre"));

    QStringList rows;
    printing.fake.dialogs.handlers.append([&](QDialog* dialog) {
        EXPECT_TRUE(child("lblAttendere")->isVisible());
        rows = rowTexts(dialog);
        EXPECT_EQ(in<QLabel>(dialog, "titTipologia")->text(), QStringLiteral("- - -"));
        EXPECT_EQ(in<QLabel>(dialog, "lblIntervallo")->text(),
                  QStringLiteral("Dal   01/01/2024   al   31/12/2024"));
        EXPECT_EQ(in<QLabel>(dialog, "lblTotCosti")->text(), QStringLiteral("30,30"));
        // The warning comes once the list is on screen.
        dialog->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !messages().shown.isEmpty(); }));
        dialog->hide();
        return int(QDialog::Rejected);
    });
    visualizza();
    EXPECT_EQ(printing.fake.dialogs.opened, QStringList{QStringLiteral("TfrmRiepLavoro")});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("N. 1  ")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral("Totale: € 20,20")));
    EXPECT_EQ(messages().texts(),
              QStringList{QStringLiteral("Attenzione: una distinta è danneggiata (data o totale "
                                         "non leggibili) e non è stata conteggiata.\n\r\n\r"
                                         "Distinta n. 2.")});
    EXPECT_FALSE(child("lblAttendere")->isVisible());
}

TEST_F(RiepLavoroTest, FindRemembersItsTextAcrossSummaries) {
    writeArchive(dir, QStringLiteral("2024"),
                 {distinta(QStringLiteral("1"), QStringLiteral("01/01/2024"),
                           QStringLiteral("1,00"), QStringLiteral("BIANCHI")),
                  distinta(QStringLiteral("2"), QStringLiteral("02/01/2024"),
                           QStringLiteral("2,00"), QStringLiteral("ROSSI MARIO")),
                  distinta(QStringLiteral("3"), QStringLiteral("03/01/2024"),
                           QStringLiteral("3,00"), QStringLiteral("ROSSI ANNA"))});
    typeYear(QStringLiteral("2024"));
    pickInterval(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("31"),
                 QStringLiteral("Gennaio"));

    QList<qsizetype> selected;
    const auto findRossi = [&](QDialog* dialog) {
        auto* list = in<ResultList>(dialog, "lstRecords");
        // On the second showing the user stands on ROSSI MARIO: a remembered
        // text goes on from there, a new one would start from the top.
        if (!selected.isEmpty())
            list->selectRow(1);
        in<QLineEdit>(dialog, "txtTrova")->setText(QStringLiteral("rossi"));
        QTest::mouseClick(in(dialog, "btnTrova"), Qt::LeftButton);
        selected.append(list->selectedIndex());
        return int(QDialog::Rejected);
    };
    printing.fake.dialogs.handlers = {findRossi, findRossi};
    visualizza();
    visualizza();
    EXPECT_EQ(selected, (QList<qsizetype>{1, 2}));
}

// Enter in the find field moves to Trova, and Enter on the focused Trova
// presses it, as on the other list screens.
TEST_F(RiepLavoroTest, EnterOnTheFocusedTrovaFinds) {
    writeArchive(dir, QStringLiteral("2024"),
                 {distinta(QStringLiteral("1"), QStringLiteral("01/01/2024"),
                           QStringLiteral("1,00"), QStringLiteral("BIANCHI")),
                  distinta(QStringLiteral("2"), QStringLiteral("02/01/2024"),
                           QStringLiteral("2,00"), QStringLiteral("ROSSI MARIO"))});
    typeYear(QStringLiteral("2024"));
    pickInterval(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("31"),
                 QStringLiteral("Gennaio"));
    qsizetype selected = -1;
    bool stillOpen = false;
    printing.fake.dialogs.handlers = {[&](QDialog* dialog) {
        EXPECT_TRUE(showActive(dialog));
        auto* txtTrova = in<QLineEdit>(dialog, "txtTrova");
        EXPECT_TRUE(txtTrova->hasFocus());
        QTest::keyClicks(txtTrova, QStringLiteral("rossi"));
        QTest::keyClick(txtTrova, Qt::Key_Return);
        QWidget* btnTrova = in(dialog, "btnTrova");
        EXPECT_TRUE(btnTrova->hasFocus());
        QTest::keyClick(btnTrova, Qt::Key_Return);
        selected = in<ResultList>(dialog, "lstRecords")->selectedIndex();
        stillOpen = dialog->isVisible();
        dialog->reject();
        return int(QDialog::Rejected);
    }};
    visualizza();
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(stillOpen) << "Enter closes nothing";
}

TEST_F(RiepLavoroTest, PrintsTheListWithItsClosingLinesUnderTheBuyersName) {
    REQUIRE_TOOL("pdftotext");
    writeArchive(dir, QStringLiteral("2024"),
                 {distinta(QStringLiteral("7"), QStringLiteral("05/01/2024"),
                           QStringLiteral("5,00"), QStringLiteral("TABACCHERIA CENTRALE"))});
    typeYear(QStringLiteral("2024"));
    child<QLineEdit>("txtCliente")->setText(QStringLiteral("centrale"));
    pickInterval(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("31"),
                 QStringLiteral("Gennaio"));
    messages().answers = {false, true};
    printing.fake.dialogs.handlers.append([&](QDialog* dialog) {
        QTest::mouseClick(in(dialog, "btnStampa"), Qt::LeftButton); // No
        QTest::mouseClick(in(dialog, "btnStampa"), Qt::LeftButton); // Yes
        return int(QDialog::Rejected);
    });
    visualizza();
    EXPECT_EQ(printing.printers.calls, 1);
    const std::optional<QString> text = pdfText(dir.file(QStringLiteral("riepilogo.pdf")));
    ASSERT_TRUE(text.has_value());
    for (const char* expected :
         {"Riepilogo incassi - Acquirente: centrale", "TABACCHERIA CENTRALE",
          "- - - - - - - -", // pdftotext does not keep every blank of the separator "INTERVALLO
                             // SELEZIONATO: Dal 01/01/2024 al 31/01/2024",
          "TOTALE IMPORTI INCASSATI: € 5,00"})
        EXPECT_TRUE(text->simplified().contains(QString::fromUtf8(expected)))
            << expected << "\n"
            << text->toStdString();

    // An empty summary is not printed.
    child<QLineEdit>("txtCliente")->setText(QStringLiteral("nessuno"));
    printing.fake.dialogs.handlers.append([&](QDialog* dialog) {
        QTest::mouseClick(in(dialog, "btnStampa"), Qt::LeftButton);
        EXPECT_EQ(in<QLabel>(dialog, "lblTotCosti")->text(), QStringLiteral("0,00"));
        return int(QDialog::Rejected);
    });
    visualizza();
    EXPECT_EQ(messages().texts().last(),
              QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene "
                             "nessuna voce."));
    EXPECT_EQ(printing.printers.calls, 1);
}

TEST_F(RiepLavoroTest, AnUnreadableArchiveIsSaidAndNoListOpens) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2031.ric")));
    typeYear(QStringLiteral("2031"));
    pickInterval(QStringLiteral("01"), QStringLiteral("Gennaio"), QStringLiteral("31"),
                 QStringLiteral("Gennaio"));
    visualizza();
    EXPECT_EQ(messages().texts(), QStringList{QStringLiteral(
                                      "Attenzione: il file di archivio non risulta accessibile.")});
    EXPECT_TRUE(printing.fake.dialogs.opened.isEmpty());
    EXPECT_FALSE(child("lblAttendere")->isVisible());
}
