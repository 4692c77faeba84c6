#include "tariff/ui/TfrmProdotti.h"

#include "support/FakeServices.h"
#include "support/FullDisk.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"
#include "widgets/ScreenRouter.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QByteArray kTwoEntries = "Marca da bollo" + QByteArray(36, ' ') +
                               "    Prezzo: \x80 16,00\r\n"
                               "Cartolina" +
                               QByteArray(41, ' ') + "    Prezzo: \x80 0,95\r\n";

class TfrmProdottiTest : public ::testing::Test {
protected:
    TfrmProdottiTest() : fake(dir.folder()) {
        router.add(MainScreen::Avvio, &mainMenu);
        router.add(MainScreen::Prodotti, &screen);
    }

    QString file() const { return dir.file(tariff::tariffFileName()); }
    QListWidget* list() { return screen.findChild<QListWidget*>(QStringLiteral("lstRecords")); }
    void click(const char* name) {
        auto* button = screen.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void openScreen() { router.switchTo(MainScreen::Prodotti, &mainMenu); }

    // Queues a dialog answer that types `name` and `price` and presses btnApplica.
    void queueEntry(const QString& name, const QString& price) {
        fake.dialogs.handlers.append([name, price](QDialog* dialog) {
            auto* nome = dialog->findChild<QLineEdit*>(QStringLiteral("txtNomeVoce"));
            auto* prezzo = dialog->findChild<QLineEdit*>(QStringLiteral("txtPrezzo"));
            nome->setText(name);
            prezzo->setText(price);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnApplica")),
                              Qt::LeftButton);
            return dialog->result();
        });
    }

    TestFolder dir;
    FakeServices fake;
    ScreenRouter router;
    QWidget mainMenu;
    TfrmProdotti screen{fake.services, router};
};

} // namespace

TEST_F(TfrmProdottiTest, AddedEntriesAreWrittenInOrderOnClosing) {
    dir.writeBytes(tariff::tariffFileName(), kTwoEntries);
    openScreen();
    ASSERT_EQ(list()->count(), 2);

    queueEntry(QStringLiteral("Francobollo posta prioritaria"), QStringLiteral("2,8"));
    click("cmdAggiungi");
    EXPECT_EQ(fake.dialogs.opened, QStringList{QStringLiteral("TfrmAggiungi_Voce")});
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(2)->text(),
              tariff::makeEntry(u"Francobollo posta prioritaria", u"2,80"));

    click("cmdApplica");
    EXPECT_EQ(dir.readBytes(tariff::tariffFileName()),
              kTwoEntries + "Francobollo posta prioritaria" + QByteArray(21, ' ') +
                  "    Prezzo: \x80 2,80\r\n");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(mainMenu.isVisible());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TfrmProdottiTest, CancelledDialogAddsNothing) {
    openScreen();
    fake.dialogs.handlers.append([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtNomeVoce"))->setText(QStringLiteral("X"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnAnnulla")),
                          Qt::LeftButton);
        return dialog->result();
    });
    click("cmdAggiungi");
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(TfrmProdottiTest, ModifiedEntryKeepsItsPlace) {
    dir.writeBytes(tariff::tariffFileName(),
                   kTwoEntries + "Busta" + QByteArray(45, ' ') + "    Prezzo: \x80 0,10\r\n");
    openScreen();
    list()->item(1)->setSelected(true);

    QString shownName;
    QString shownPrice;
    fake.dialogs.handlers.append([&](QDialog* dialog) {
        auto* nome = dialog->findChild<QLineEdit*>(QStringLiteral("txtNomeVoce"));
        auto* prezzo = dialog->findChild<QLineEdit*>(QStringLiteral("txtPrezzo"));
        shownName = nome->text();
        shownPrice = prezzo->text();
        nome->setText(QStringLiteral("Cartolina illustrata"));
        prezzo->setText(QStringLiteral("1,5"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnApplica")),
                          Qt::LeftButton);
        return dialog->result();
    });
    click("cmdModifica");
    EXPECT_EQ(fake.dialogs.opened, QStringList{QStringLiteral("TfrmModifica_Voce")});
    EXPECT_EQ(shownName, QStringLiteral("Cartolina"));
    EXPECT_EQ(shownPrice, QStringLiteral("0,95"));

    click("cmdApplica");
    const tariff::ReadResult saved = tariff::readTariffFile(file());
    ASSERT_EQ(saved.lines.size(), 3);
    EXPECT_EQ(tariff::entryName(saved.lines[0]), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(saved.lines[1], tariff::makeEntry(u"Cartolina illustrata", u"1,50"));
    EXPECT_EQ(tariff::entryName(saved.lines[2]), QStringLiteral("Busta"));
}

TEST_F(TfrmProdottiTest, CommandsWarnWithoutEntriesOrSelection) {
    struct Case {
        const char* command;
        QString text;
    };
    openScreen();
    const Case onEmptyList[] = {
        {"cmdModifica", kEmptyList}, {"cmdElimina", kEmptyList}, {"cmdStampa", kEmptyList}};
    for (const Case& c : onEmptyList) {
        SCOPED_TRACE(c.command);
        fake.messages.shown.clear();
        click(c.command);
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Notice);
        EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
        EXPECT_EQ(fake.messages.shown[0].text, c.text);
    }
    EXPECT_TRUE(fake.dialogs.opened.isEmpty());
    EXPECT_TRUE(fake.printers.chosen.isEmpty());

    dir.writeBytes(tariff::tariffFileName(), kTwoEntries);
    screen.hide();
    openScreen();
    const Case nothingSelected[] = {
        {"cmdModifica",
         QStringLiteral("Attenzione: selezionare dall'elenco la voce da modificare prima di "
                        "premere il pulsante Modifica voce.")},
        {"cmdElimina",
         QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole eliminare "
                        "prima di premere il pulsante Elimina voce.")}};
    for (const Case& c : nothingSelected) {
        SCOPED_TRACE(c.command);
        fake.messages.shown.clear();
        click(c.command);
        EXPECT_EQ(fake.messages.texts(), QStringList{c.text});
    }
    EXPECT_EQ(list()->count(), 2);
    EXPECT_TRUE(fake.dialogs.opened.isEmpty());
}

TEST_F(TfrmProdottiTest, PrintsTheRowsInOrderUnderTheListTitle) {
    REQUIRE_TOOL("pdftotext");
    dir.writeBytes(tariff::tariffFileName(), kTwoEntries);
    const QString pdf = dir.file(QStringLiteral("tariffario.pdf"));
    PrintToPdf printers(pdf);
    Services toPdf{fake.services.folder, fake.messages, fake.dialogs,
                   fake.files,           printers,      fake.opener};
    TfrmProdotti printing(toPdf, router);
    printing.show();
    QTest::mouseClick(printing.findChild<QWidget*>(QStringLiteral("cmdStampa")), Qt::LeftButton);

    EXPECT_EQ(printers.calls, 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    const qsizetype title = text->indexOf(QStringLiteral("Tariffario valori bollati"));
    const qsizetype first = text->indexOf(QStringLiteral("Marca da bollo"));
    const qsizetype second = text->indexOf(QStringLiteral("Cartolina"));
    EXPECT_NE(title, -1);
    EXPECT_LT(title, first);
    EXPECT_LT(first, second);
    EXPECT_TRUE(text->contains(QStringLiteral("Prezzo: \u20AC 16,00")));
}

TEST_F(TfrmProdottiTest, DeletingTheOnlyEntryLeavesAnEmptyFile) {
    dir.writeBytes(tariff::tariffFileName(),
                   "Bollo" + QByteArray(45, ' ') + "    Prezzo: \x80 2,00\r\n");
    openScreen();
    list()->item(0)->setSelected(true);
    click("cmdElimina");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    click("cmdApplica");
    EXPECT_TRUE(dir.exists(tariff::tariffFileName()));
    EXPECT_EQ(dir.readBytes(tariff::tariffFileName()), QByteArray());

    // Showing the screen again reads the file again.
    dir.writeBytes(tariff::tariffFileName(), kTwoEntries);
    openScreen();
    EXPECT_EQ(list()->count(), 2);
}

TEST_F(TfrmProdottiTest, SecondDeleteWithoutANewChoiceDeletesNothing) {
    dir.writeBytes(tariff::tariffFileName(), kTwoEntries);
    openScreen();
    list()->item(0)->setSelected(true);
    click("cmdElimina");
    click("cmdElimina");
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole "
                                         "eliminare prima di premere il pulsante Elimina voce.")});
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(tariff::entryName(list()->item(0)->text()), QStringLiteral("Cartolina"));
}

TEST_F(TfrmProdottiTest, UnwritableFileKeepsTheScreenOpenAndTheOldList) {
    dir.writeBytes(tariff::tariffFileName(), kTwoEntries);
    openScreen();
    queueEntry(QStringLiteral("Busta"), QStringLiteral("0,10"));
    click("cmdAggiungi");
    {
        const ReadOnlyScope readOnly({dir.path(), file()});
        click("cmdApplica");
    }
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Message);
    EXPECT_EQ(fake.messages.shown[0].text,
              QStringLiteral("Attenzione: il sistema non permette di salvare i dati.\n\r\n\r"
                             "Accertarsi che il file non sia già aperto."));
    EXPECT_EQ(dir.readBytes(tariff::tariffFileName()), kTwoEntries);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(mainMenu.isVisible());
    EXPECT_EQ(list()->count(), 3);

    // Once the file can be written again, closing saves the list kept on screen.
    click("cmdApplica");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(tariff::readTariffFile(file()).lines.size(), 3);
}

TEST_F(TfrmProdottiTest, FileThatIsNotAListIsSaidAndLeftAloneUnlessTheListIsChanged) {
    const QByteArray binary("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR", 16);
    dir.writeBytes(tariff::tariffFileName(), binary);
    openScreen();
    EXPECT_EQ(list()->count(), 0);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_EQ(fake.messages.shown[0].text,
              QStringLiteral("Attenzione: non è stato possibile leggere il file del tariffario "
                             "\"%1\".\n\r\n\rIl file non verrà sovrascritto, a meno che non si "
                             "modifichi l'elenco.")
                  .arg(file()));
    click("cmdApplica");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(dir.readBytes(tariff::tariffFileName()), binary);

    openScreen();
    queueEntry(QStringLiteral("Bollo"), QStringLiteral("2"));
    click("cmdAggiungi");
    click("cmdApplica");
    EXPECT_EQ(tariff::readTariffFile(file()).lines,
              QStringList{tariff::makeEntry(u"Bollo", u"2,00")});
}

TEST_F(TfrmProdottiTest, FileOverTheSizeLimitIsSaidAndKept) {
    QFile big(file());
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(9 * 1024 * 1024)); // sparse: costs no disk
    big.close();
    openScreen();
    EXPECT_EQ(fake.messages.texts(), QStringList{tariff::unreadableTariffMessage(file())});
    click("cmdApplica");
    EXPECT_EQ(QFileInfo(file()).size(), 9 * 1024 * 1024);
}

// The fault this guards: closing on a full disk emptied the file without a word.
TEST(TfrmProdottiFullDisk, ClosingOnAFullDiskKeepsTheFileAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.file(tariff::tariffFileName());
    {
        QFile seed(path);
        ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
        ASSERT_EQ(seed.write(kTwoEntries), kTwoEntries.size());
    }
    FakeServices fake{ProgramFolder(disk.path())};
    ScreenRouter router;
    QWidget mainMenu;
    TfrmProdotti screen{fake.services, router};
    router.add(MainScreen::Avvio, &mainMenu);
    router.add(MainScreen::Prodotti, &screen);
    router.switchTo(MainScreen::Prodotti, &mainMenu);
    ASSERT_EQ(screen.rows().size(), 2);
    disk.fill();

    screen.close();
    EXPECT_EQ(
        fake.messages.texts(),
        QStringList{QStringLiteral("Attenzione: il sistema non permette di salvare i "
                                   "dati.\n\r\n\rAccertarsi che il file non sia già aperto.")});
    EXPECT_TRUE(screen.isVisible());
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), kTwoEntries);
}

TEST_F(TfrmProdottiTest, CommandsShowTheirHintsInTheStatusLine) {
    openScreen();
    auto* panInfo = screen.findChild<QLabel*>(QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Pronto per aggiungere una nuova voce..."));
    const std::pair<const char*, QString> hints[] = {
        {"cmdAggiungi", QStringLiteral("Aggiungi una voce all'elenco.")},
        {"cmdModifica", QStringLiteral("Modifica la voce selezionata.")},
        {"cmdElimina", QStringLiteral("Elimina la voce selezionata.")},
        {"cmdStampa", QStringLiteral("Stampa l'elenco delle voci.")},
        {"cmdApplica", QStringLiteral("Salva le voci in elenco e chiudi questa schermata.")},
        {"btnGuida", QStringLiteral("Visualizza la guida in linea.")}};
    for (const auto& [name, hint] : hints) {
        SCOPED_TRACE(name);
        auto* command = screen.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(command, nullptr);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(command, &enter);
        EXPECT_EQ(panInfo->text(), hint);
    }
    QTest::mouseMove(&screen, QPoint(1, 1));
    EXPECT_EQ(panInfo->text(), QString());
}
