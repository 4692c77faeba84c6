#include "app/PasswordCipher.h"
#include "app/PasswordStore.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "app/ui/TfrmPassword.h"
#include "common/IniFile.h"
#include "support/ActiveWindow.h"
#include "support/FakeServices.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"
#include "widgets/ScreenRouter.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                   "necessario reinserire entrambi i valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                   "password. Si consiglia di reinstallare il software.");
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                   "password. Si consiglia di reinstallare il software.");

// Both password screens over a program folder holding the delivered key
// file, with a stand-in main menu.
class PasswordScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(PasswordStore(folder.folder()).write(PasswordStore::firstAccessPassword()));
        router.add(MainScreen::Avvio, &mainMenu);
        password.setChangeScreen(&change);
        ASSERT_TRUE(showActive(&password));
    }

    template <typename T> T* in(QWidget* screen, const char* name) {
        T* widget = screen->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* txtPassword() { return in<QLineEdit>(&password, "txtPassword"); }
    QPushButton* okButton(QWidget* screen) { return in<QPushButton>(screen, "cmdOK"); }

    // Types into the password screen and presses OK as the user would.
    void logIn(const QString& typed) {
        txtPassword()->setFocus();
        QTest::keyClicks(txtPassword(), typed);
        QTest::keyClick(txtPassword(), Qt::Key_Return);
    }

    // Opens the change screen and fills its three fields.
    void fillChange(const QString& old, const QString& fresh, const QString& confirm) {
        in<QPushButton>(&password, "btnCambiaPassword")->click();
        EXPECT_TRUE(change.isVisible());
        EXPECT_FALSE(password.isVisible());
        EXPECT_TRUE(showActive(&change));
        QTest::keyClicks(in<QLineEdit>(&change, "txtPasswordOld"), old);
        QTest::keyClicks(in<QLineEdit>(&change, "txtPasswordNew"), fresh);
        QTest::keyClicks(in<QLineEdit>(&change, "txtConferma"), confirm);
    }

    QString storedValue() const {
        return IniFile(folder.file(PasswordStore::fileName()))
            .value(QStringLiteral("Accesso"), QStringLiteral("Valore"));
    }

    TestFolder folder;
    FakeServices fake{folder.folder()};
    ScreenRouter router;
    QWidget mainMenu;
    TfrmPassword password{fake.services, router};
    TfrmCambiaPassword change{fake.services};
};

TEST_F(PasswordScreensTest, DeliveredPasswordOpensInAnyCaseWithBlanksAround) {
    EXPECT_TRUE(txtPassword()->hasFocus());
    EXPECT_EQ(txtPassword()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(in<QWidget>(&password, "effPassword")->isVisible());
    logIn(QStringLiteral("  ApErTuRaCaSsAz  "));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(mainMenu.isVisible());
    EXPECT_FALSE(password.isVisible());
}

TEST_F(PasswordScreensTest, WrongPasswordEmptiesTheFieldAndDisablesOK) {
    QTest::keyClicks(txtPassword(), QStringLiteral("apertura"));
    EXPECT_TRUE(okButton(&password)->isEnabled());
    okButton(&password)->click();
    EXPECT_EQ(fake.messages.texts(), QStringList{kWrong});
    EXPECT_EQ(fake.messages.shown.first().kind, FakeMessageBoxes::Shown::Message);
    EXPECT_EQ(txtPassword()->text(), QString());
    EXPECT_FALSE(okButton(&password)->isEnabled());
    EXPECT_TRUE(txtPassword()->hasFocus());
    EXPECT_FALSE(mainMenu.isVisible());
}

TEST_F(PasswordScreensTest, BlanksNeverEnableOKAndEnterDoesNothing) {
    EXPECT_FALSE(okButton(&password)->isEnabled());
    QTest::keyClicks(txtPassword(), QStringLiteral("   "));
    EXPECT_FALSE(okButton(&password)->isEnabled());
    QTest::keyClick(txtPassword(), Qt::Key_Return);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(txtPassword()->text(), QStringLiteral("   "));
    EXPECT_FALSE(mainMenu.isVisible());
}

// A missing, empty or unreadable key file is said as such, naming the file,
// not taken for a wrong password; nothing is written in its place.
TEST_F(PasswordScreensTest, KeyFileThatIsMissingOrDamagedIsNamed) {
    const QString key = folder.file(PasswordStore::fileName());
    const QString said = QStringLiteral("Attenzione: il file della password \"%1\" manca o è "
                                        "danneggiato.\n\r\n\rRipristinarlo da una copia di "
                                        "sicurezza o reinstallare il software.")
                             .arg(QDir::toNativeSeparators(key));
    for (const char* content : std::initializer_list<const char*>{"", "[Accesso]\r\n", nullptr}) {
        SCOPED_TRACE(content ? content : "missing");
        fake.messages.shown.clear();
        QFile::remove(key);
        if (content)
            folder.writeBytes(PasswordStore::fileName(), content);
        logIn(QStringLiteral("aperturacassaz"));
        EXPECT_EQ(fake.messages.texts(), QStringList{said});
        EXPECT_FALSE(mainMenu.isVisible());

        fillChange(QStringLiteral("aperturacassaz"), QStringLiteral("nuova"),
                   QStringLiteral("nuova"));
        okButton(&change)->click();
        EXPECT_EQ(fake.messages.texts(), (QStringList{said, said}));
        EXPECT_EQ(QFile::exists(key), content != nullptr);
        change.close();
    }
}

// A write-protected copy of the data without a key file: the first-access
// password lets the user in to read.
TEST_F(PasswordScreensTest, ReadOnlyFolderWithoutKeyFileOpensWithTheFirstAccessPassword) {
    QFile::remove(folder.file(PasswordStore::fileName()));
    ReadOnlyScope readOnly({folder.path()});
    logIn(QStringLiteral("segreta"));
    EXPECT_EQ(fake.messages.texts(), QStringList{kWrong});
    logIn(QStringLiteral("aperturacassaz"));
    EXPECT_TRUE(mainMenu.isVisible());
    EXPECT_FALSE(folder.exists(PasswordStore::fileName()));
}

TEST_F(PasswordScreensTest, NonHexStoredValueIsAReadingError) {
    folder.writeBytes(PasswordStore::fileName(), "[Accesso]\r\nValore=15GG\r\n");
    logIn(QStringLiteral("aperturacassaz"));
    EXPECT_EQ(fake.messages.texts(), QStringList{kReadError});
    EXPECT_EQ(txtPassword()->text(), QStringLiteral("aperturacassaz")); // stays as it was
    EXPECT_FALSE(mainMenu.isVisible());

    fillChange(QStringLiteral("aperturacassaz"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    okButton(&change)->click();
    EXPECT_EQ(fake.messages.texts(), (QStringList{kReadError, kChangeError}));
    EXPECT_TRUE(change.isVisible());
}

TEST_F(PasswordScreensTest, ChangeStoresTheNewPasswordAndComesBack) {
    fillChange(QStringLiteral(" aperturacassaz"), QStringLiteral("Nuova Chiave "),
               QStringLiteral("Nuova Chiave"));
    EXPECT_TRUE(okButton(&change)->isEnabled());
    okButton(&change)->click();
    EXPECT_EQ(fake.messages.texts(), QStringList{kDone});
    EXPECT_FALSE(change.isVisible());
    EXPECT_TRUE(password.isVisible());
    EXPECT_EQ(txtPassword()->text(), QString());

    const QString stored = storedValue();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{24}$")).match(stored).hasMatch())
        << stored.toStdString();
    EXPECT_EQ(PasswordCipher::decipher(stored), QStringLiteral("NUOVA CHIAVE"));

    ASSERT_TRUE(showActive(&password));
    logIn(QStringLiteral("aperturacassaz"));
    EXPECT_EQ(fake.messages.texts().last(), kWrong);
    logIn(QStringLiteral("nuova chiave"));
    EXPECT_TRUE(mainMenu.isVisible());
}

TEST_F(PasswordScreensTest, RefusedChangesWriteNothing) {
    const QString before = storedValue();
    // Wrong old password: only the old field is emptied.
    fillChange(QStringLiteral("sbagliata"), QStringLiteral("abc"), QStringLiteral("abc"));
    okButton(&change)->click();
    EXPECT_EQ(fake.messages.texts(), QStringList{kWrongOld});
    EXPECT_EQ(in<QLineEdit>(&change, "txtPasswordOld")->text(), QString());
    EXPECT_EQ(in<QLineEdit>(&change, "txtPasswordNew")->text(), QStringLiteral("abc"));
    EXPECT_TRUE(in<QLineEdit>(&change, "txtPasswordOld")->hasFocus());
    EXPECT_FALSE(okButton(&change)->isEnabled());

    // abc confirmed as ABC would be stored alike, yet is not a confirmation.
    QTest::keyClicks(in<QLineEdit>(&change, "txtPasswordOld"), QStringLiteral("aperturacassaz"));
    in<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("ABC"));
    okButton(&change)->click();
    EXPECT_EQ(fake.messages.texts(), (QStringList{kWrongOld, kNotConfirmed}));
    EXPECT_EQ(in<QLineEdit>(&change, "txtPasswordNew")->text(), QString());
    EXPECT_EQ(in<QLineEdit>(&change, "txtConferma")->text(), QString());
    EXPECT_TRUE(in<QLineEdit>(&change, "txtPasswordNew")->hasFocus());
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(storedValue(), before);

    // A character the cipher cannot hold back would lock the user out.
    in<QLineEdit>(&change, "txtPasswordNew")->setText(QStringLiteral("€uro"));
    in<QLineEdit>(&change, "txtConferma")->setText(QStringLiteral("€uro"));
    okButton(&change)->click();
    EXPECT_EQ(fake.messages.texts().last(),
              QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi (ad "
                             "esempio il simbolo dell'euro). E' necessario reinserire entrambi i "
                             "valori."));
    EXPECT_EQ(in<QLineEdit>(&change, "txtPasswordNew")->text(), QString());
    EXPECT_EQ(storedValue(), before);
}

TEST_F(PasswordScreensTest, UnwritableKeyFileKeepsTheOldPassword) {
    fillChange(QStringLiteral("aperturacassaz"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    {
        ReadOnlyScope readOnly({folder.path(), folder.file(PasswordStore::fileName())});
        okButton(&change)->click();
    }
    EXPECT_EQ(fake.messages.texts(), QStringList{kChangeError});
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(in<QLineEdit>(&change, "txtPasswordNew")->text(), QStringLiteral("nuova"));

    in<QPushButton>(&change, "cmdEsci")->click();
    EXPECT_TRUE(password.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&password));
    EXPECT_TRUE(txtPassword()->hasFocus());
    logIn(QStringLiteral("aperturacassaz"));
    EXPECT_TRUE(mainMenu.isVisible());
}

TEST_F(PasswordScreensTest, ChangeScreenChainsEnterAndStartsEmpty) {
    fillChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    auto* old = in<QLineEdit>(&change, "txtPasswordOld");
    auto* fresh = in<QLineEdit>(&change, "txtPasswordNew");
    auto* confirm = in<QLineEdit>(&change, "txtConferma");
    old->setFocus();
    EXPECT_TRUE(in<QWidget>(&change, "effPasswordOld")->isVisible());
    QTest::keyClick(old, Qt::Key_Return);
    EXPECT_TRUE(fresh->hasFocus());
    EXPECT_FALSE(in<QWidget>(&change, "effPasswordOld")->isVisible());
    EXPECT_TRUE(in<QWidget>(&change, "effPasswordNew")->isVisible());
    QTest::keyClick(fresh, Qt::Key_Return);
    EXPECT_TRUE(confirm->hasFocus());
    QTest::keyClick(confirm, Qt::Key_Return);
    EXPECT_TRUE(old->hasFocus());
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // Blanks in one field keep OK disabled.
    confirm->setText(QStringLiteral("  "));
    EXPECT_FALSE(okButton(&change)->isEnabled());

    change.close();
    EXPECT_TRUE(password.isVisible());
    fillChange(QString(), QString(), QString());
    EXPECT_EQ(old->text(), QString());
    EXPECT_EQ(fresh->text(), QString());
    EXPECT_EQ(confirm->text(), QString());
    EXPECT_TRUE(old->hasFocus());
    EXPECT_FALSE(okButton(&change)->isEnabled());
}

} // namespace

// The fault this guards: on a full disk the change said "completata con
// successo" and left an empty key file that no password opened again.
TEST(PasswordChangeFullDisk, KeepsTheOldPasswordAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const ProgramFolder folder(disk.path());
    ASSERT_TRUE(PasswordStore(folder).write(PasswordStore::firstAccessPassword()));
    const QString key = folder.file(PasswordStore::fileName());
    QFile file(key);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    disk.fill();

    FakeServices fake(folder);
    TfrmCambiaPassword change(fake.services);
    change.show();
    change.findChild<QLineEdit*>(QStringLiteral("txtPasswordOld"))
        ->setText(QStringLiteral("aperturacassaz"));
    change.findChild<QLineEdit*>(QStringLiteral("txtPasswordNew"))
        ->setText(QStringLiteral("nuova"));
    change.findChild<QLineEdit*>(QStringLiteral("txtConferma"))->setText(QStringLiteral("nuova"));
    change.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();

    EXPECT_EQ(fake.messages.texts(), QStringList{kChangeError});
    EXPECT_TRUE(change.isVisible());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}
