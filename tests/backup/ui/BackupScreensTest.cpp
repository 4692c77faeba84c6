#include "../DataFolderFixture.h"
#include "app/PasswordStore.h"
#include "app/ui/Program.h"
#include "app/ui/TfrmAvvio.h"
#include "app/ui/TfrmPassword.h"
#include "backup/BackupCopy.h"
#include "backup/BackupSettings.h"
#include "backup/ui/TfrmCopiaSicurezza.h"
#include "backup/ui/TfrmVerificaArchivi.h"
#include "support/FakeServices.h"
#include "support/NamedChild.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"
#include "widgets/ResultList.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void click(const QWidget& owner, const char* name) {
    QTest::mouseClick(namedChild(owner, QString::fromLatin1(name)), Qt::LeftButton);
}

QString lastCopyLabel(const QWidget& dialog) {
    return namedChild<QLabel>(dialog, QStringLiteral("lblUltimaCopia"))->text();
}

void doubleClickRow(ResultList* list, int row) {
    const QPoint at = list->visualRect(list->rows().index(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("Vellarmo-copia-*")}, QDir::Dirs);
}

struct ScreenTest : ::testing::Test {
    TestFolder data;
    TestFolder stick;
    FakeServices fake{data.folder()};

    void SetUp() override { fixture::fillDataFolder(data.path()); }
};

} // namespace

TEST_F(ScreenTest, CopyGoesToTheChosenFolderAndIsRecorded) {
    TfrmCopiaSicurezza dialog(fake.services, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Copia di sicurezza e verifica archivi"));
    EXPECT_EQ(lastCopyLabel(dialog), QStringLiteral("Nessuna copia di sicurezza registrata."));
    for (const auto& [name, caption] : {std::pair{"btnCopia", "Crea copia di sicurezza..."},
                                        {"btnRipristina", "Ripristina da una copia..."},
                                        {"btnVerifica", "Verifica archivi"}}) {
        EXPECT_EQ(namedChild<QPushButton>(dialog, QString::fromLatin1(name))->text(),
                  QString::fromUtf8(caption));
    }

    click(dialog, "btnCopia"); // the folder dialog is cancelled
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(copiesIn(stick.path()).isEmpty());

    fake.files.folders = {stick.path()};
    click(dialog, "btnCopia");
    const QStringList copies = copiesIn(stick.path());
    ASSERT_EQ(copies.size(), 1);
    const QString copy = stick.file(copies[0]);
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Copia di sicurezza completata in %1: 9 file, 0,0 MB, "
                                         "tutti riletti e verificati.")
                              .arg(copy)});
    EXPECT_EQ(fixture::sha256sumCheck(copy), 0);
    const auto last = BackupSettings(data.folder()).lastCopy();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->folder, copy);
    EXPECT_EQ(lastCopyLabel(dialog), BackupSettings::lastCopyText(last));
    // The next copy's folder dialog opens where the last copy went.
    click(dialog, "btnCopia");
    EXPECT_EQ(fake.files.lastPath, stick.path());
}

TEST_F(ScreenTest, CopyIntoTheDataFolderIsRefusedWithAWarning) {
    TfrmCopiaSicurezza dialog(fake.services, nullptr);
    fake.files.folders = {data.path()};
    click(dialog, "btnCopia");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Notice);
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_TRUE(fake.messages.shown[0].text.startsWith(QStringLiteral(
        "Attenzione: la copia di sicurezza non può stare nella cartella dei dati.")));
    EXPECT_FALSE(BackupSettings(data.folder()).lastCopy());
}

TEST_F(ScreenTest, RestoreAsksNamingTheDateAndKeepsTheDataOnNo) {
    const backup::CopyOutcome made = backup::makeCopy(
        data.folder(), stick.path(), QDateTime(QDate(2026, 11, 30), QTime(8, 0, 0)));
    ASSERT_TRUE(made.ok());
    fixture::write(data.file("2024.ric"), fixture::distinte(9));
    const QMap<QString, QByteArray> before = fixture::contents(data.path());
    TfrmCopiaSicurezza dialog(fake.services, nullptr);

    fake.files.folders = {made.folder};
    fake.messages.answers = {false};
    click(dialog, "btnRipristina");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Question);
    EXPECT_TRUE(fake.messages.shown[0].text.startsWith(
        QStringLiteral("Ripristinare i dati dalla copia di sicurezza del 30/11/2026 alle 08:00? "
                       "I dati attuali saranno prima copiati e verificati nella cartella %1/"
                       "Dati-prima-del-ripristino-")
            .arg(data.path())));
    EXPECT_EQ(fixture::contents(data.path()), before);

    fake.files.folders = {made.folder};
    fake.messages.answers = {true};
    click(dialog, "btnRipristina");
    ASSERT_EQ(fake.messages.shown.size(), 3);
    EXPECT_EQ(fake.messages.shown[2].kind, FakeMessageBoxes::Shown::Message);
    EXPECT_TRUE(fake.messages.shown[2].text.startsWith(
        QStringLiteral("Ripristino completato: 9 file ripristinati dalla copia di sicurezza.")));
    EXPECT_EQ(data.readBytes("2024.ric"), fixture::distinte(3));
}

TEST_F(ScreenTest, DamagedCopyIsRefusedWithoutAQuestion) {
    const backup::CopyOutcome made =
        backup::makeCopy(data.folder(), stick.path(), QDateTime::currentDateTime());
    ASSERT_TRUE(made.ok());
    fixture::write(made.folder + "/Anagrafica.pro", "torn");
    TfrmCopiaSicurezza dialog(fake.services, nullptr);
    fake.files.folders = {made.folder};
    click(dialog, "btnRipristina");
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Notice);
    EXPECT_TRUE(fake.messages.shown[0].text.endsWith(
        QStringLiteral("\nFile danneggiati: Anagrafica.pro.")));
}

TEST_F(ScreenTest, CleanArchivesAreCheckedWithTheCountsAndNoList) {
    TfrmCopiaSicurezza dialog(fake.services, nullptr);
    click(dialog, "btnVerifica");
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Nessun problema trovato: controllati 3 archivi, 5 "
                                         "distinte e 2 schede acquirenti.")});
    EXPECT_TRUE(fake.dialogs.opened.isEmpty());
}

TEST_F(ScreenTest, FindingsAreListedPrintedAndOpenedByDoubleClick) {
    REQUIRE_TOOL("pdftotext");
    QByteArray archive = fixture::distinte(2);
    archive += fixture::cleanDistinta(1).encode(); // number 1 again, at position 3
    archive += QByteArray(10, 'x');
    fixture::write(data.file("2024.ric"), archive);
    const QString pdf = stick.file("verifica.pdf");
    PrintingServices printing(data.folder(), pdf);
    TfrmCopiaSicurezza dialog(printing.services, nullptr);
    printing.fake.dialogs.handlers.append([&](QDialog* list) {
        EXPECT_EQ(list->objectName(), QStringLiteral("TfrmVerificaArchivi"));
        list->show();
        ResultList* rows = namedChild<ResultList>(*list, QStringLiteral("lstRecords"));
        EXPECT_EQ(rows->rows().lines(),
                  (QStringList{QStringLiteral("2024.ric         record      3  n. 1                "
                                              "           numero già usato dalla distinta in "
                                              "posizione 1"),
                               QStringLiteral("2024.ric         record      4                      "
                                              "           ultimo record incompleto: 10 byte su "
                                              "3053")}));
        EXPECT_EQ(namedChild<QLabel>(*list, QStringLiteral("lblRiepilogo"))->text(),
                  QStringLiteral("2 problemi trovati in 3 archivi (5 distinte, 2 schede "
                                 "acquirenti)."));
        click(*list, "btnStampa");
        const auto printed = pdfText(pdf);
        EXPECT_TRUE(printed && printed->contains(QStringLiteral("Verifica archivi")));
        EXPECT_TRUE(printed && printed->contains(QStringLiteral("ultimo record incompleto")));
        doubleClickRow(rows, 1); // a partial record opens nothing
        EXPECT_TRUE(list->isVisible());
        doubleClickRow(rows, 0);
        EXPECT_FALSE(list->isVisible());
        return list->result();
    });
    click(dialog, "btnVerifica");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.chosen());
    EXPECT_EQ(dialog.chosen()->position, 3);
    EXPECT_EQ(dialog.chosen()->file, QStringLiteral("2024.ric"));
}

namespace {

// Types the first-access password on `program`'s password screen.
void logIn(Program& program) {
    program.start();
    auto* field = namedChild<QLineEdit>(*program.password(), QStringLiteral("txtPassword"));
    QTest::keyClicks(field, QStringLiteral("aperturacassaz"));
    QTest::keyClick(field, Qt::Key_Enter);
    ASSERT_TRUE(program.mainMenu()->isVisible());
}

// The whole program from the password screen, on a data folder in use.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::fillDataFolder(data.path());
        ASSERT_TRUE(PasswordStore(data.folder()).write(PasswordStore::firstAccessPassword()));
        program.setEndHandler([this] { ++ends; });
        logIn(program);
    }

    TestFolder data;
    FakeServices fake{data.folder()};
    Program program{fake.services};
    int ends = 0;
};

} // namespace

TEST(Reminder, AsksAtEightDaysNotAtSixAndNeverWhenOff) {
    const QString question = QStringLiteral(
        "Non è stata fatta una copia di sicurezza negli ultimi 7 giorni. Farla adesso?");
    const struct {
        const char* name;
        int daysAgo;         // -1: no copy recorded
        QByteArray reminder; // the stored "Promemoria giorni", if any
        QStringList asked;
    } cases[] = {
        {"8 days ago", 8, {}, {question}},          {"6 days ago", 6, {}, {}},
        {"no copy yet", -1, {}, {question}},        {"switched off, no copy yet", -1, "0", {}},
        {"switched off, 30 days ago", 30, "0", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder data;
        ASSERT_TRUE(PasswordStore(data.folder()).write(PasswordStore::firstAccessPassword()));
        if (!c.reminder.isEmpty())
            fixture::write(data.file("Impostazioni.ini"),
                           "[Copia di sicurezza]\r\nPromemoria giorni=" + c.reminder + "\r\n");
        if (c.daysAgo >= 0) {
            ASSERT_TRUE(BackupSettings(data.folder())
                            .setLastCopy({QDateTime::currentDateTime().addDays(-c.daysAgo),
                                          QStringLiteral("/media/chiavetta")}));
        }
        FakeServices fake(data.folder());
        Program program(fake.services);
        int ends = 0;
        program.setEndHandler([&] { ++ends; });
        logIn(program);
        click(*program.mainMenu(), "imgEsci"); // No to the question
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(fake.messages.texts(), c.asked);
        EXPECT_TRUE(fake.dialogs.opened.isEmpty());
    }
}

TEST_F(MenuTest, YesToTheReminderOpensTheCopyDialogThenEnds) {
    fake.messages.answers = {true};
    bool opened = false;
    fake.dialogs.handlers.append([&](QDialog* dialog) {
        opened = dialog->objectName() == QStringLiteral("TfrmCopiaSicurezza");
        EXPECT_EQ(ends, 0);
        return int(QDialog::Rejected);
    });
    program.mainMenu()->close();
    EXPECT_TRUE(opened);
    EXPECT_EQ(ends, 1);
}

TEST_F(MenuTest, LinkOpensTheDialogAndAListedRecordOpensInItsScreen) {
    QByteArray distinte = fixture::distinte(2);
    distinte += fixture::cleanDistinta(4).encode();
    distinte[2 * Ricevuta::kRecordSize + Ricevuta::layout().field(Ricevuta::Data).offset + 1] = '9';
    fixture::write(data.file("2024.ric"), distinte);
    QByteArray cards = fixture::card(QStringLiteral("Rossi Mario")).encode();
    cards += fixture::card(QString()).encode();
    fixture::write(data.file("Anagrafica.pro"), cards);

    // Opens the check's list from the copy dialog and double-clicks `row`.
    const auto openRow = [&](int row) {
        fake.dialogs.handlers.append([&, row](QDialog* copy) {
            EXPECT_EQ(copy->objectName(), QStringLiteral("TfrmCopiaSicurezza"));
            fake.dialogs.handlers.append([&, row](QDialog* list) {
                list->show();
                doubleClickRow(namedChild<ResultList>(*list, QStringLiteral("lstRecords")), row);
                return list->result();
            });
            click(*copy, "btnVerifica");
            return copy->result();
        });
        QTest::mouseClick(namedChild(*program.mainMenu(), QStringLiteral("lnkCopia")),
                          Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_TRUE(fake.dialogs.handlers.isEmpty());
    };

    openRow(0); // record 3 of 2024.ric: its date has a 9 where the day was
    QWidget* editor = program.router().screen(MainScreen::Ricevute);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_FALSE(program.mainMenu()->isVisible());
    EXPECT_EQ(namedChild<QLabel>(*editor, QStringLiteral("lblPosizione"))->text(), "3");
    EXPECT_EQ(namedChild<QLineEdit>(*editor, QStringLiteral("txtNumRic"))->text(), "4");
    EXPECT_EQ(editor->windowTitle().contains("2024"), true);

    editor->close();
    ASSERT_TRUE(program.mainMenu()->isVisible());
    openRow(1); // the card without a name
    QWidget* buyers = program.router().screen(MainScreen::Anagrafica);
    ASSERT_TRUE(buyers->isVisible());
    EXPECT_EQ(namedChild<QLabel>(*buyers, QStringLiteral("lblPosizione"))->text(), "2");
    EXPECT_EQ(ends, 0);
}
