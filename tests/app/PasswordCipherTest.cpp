#include "app/PasswordCipher.h"

#include "app/KeyFileNotices.h"
#include "app/PasswordStore.h"
#include "common/IniFile.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(PasswordCipher, RoundTripsEveryTextWithinItsLimits) {
    QString allCodes;
    for (int c = 0; c < 256; ++c)
        allCodes.append(QChar(c));
    const QString texts[] = {
        QString(),
        QStringLiteral("A"),
        QStringLiteral("APERTURACASSAZ"),
        QStringLiteral("AAAAAAAAAA"), // repeats must not repeat the digits
        QStringLiteral("ÀÈ PIÙ 12,50 €?").replace(QChar(0x20AC), QChar(0x80)),
        allCodes.left(255),
        allCodes.right(255),
    };
    const QRegularExpression upperHex(QStringLiteral("^([0-9A-F]{2})*$"));
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QString hex = PasswordCipher::encipher(text);
        EXPECT_EQ(hex.size(), text.size() * 2);
        EXPECT_TRUE(upperHex.match(hex).hasMatch());
        EXPECT_EQ(PasswordCipher::decipher(hex), text);
        EXPECT_EQ(PasswordCipher::decipher(hex.toLower()), text);
    }
    EXPECT_NE(PasswordCipher::encipher(QStringLiteral("AAAAAAAAAA")).mid(2, 2),
              PasswordCipher::encipher(QStringLiteral("AAAAAAAAAA")).left(2));
}

TEST(PasswordCipher, DecipherRejectsPairsThatAreNotHexAndIgnoresAnOddLastDigit) {
    const QString hex = PasswordCipher::encipher(QStringLiteral("AB"));
    EXPECT_EQ(PasswordCipher::decipher(hex + QStringLiteral("7")), QStringLiteral("AB"));
    for (const QString& bad : {QStringLiteral("G1"), QStringLiteral("1 "), QStringLiteral("+1"),
                               hex + QStringLiteral("0x"), QStringLiteral("Z")}) {
        SCOPED_TRACE(bad.toStdString());
        if (bad.size() == 1)
            EXPECT_EQ(PasswordCipher::decipher(bad), QString()); // odd last character only
        else
            EXPECT_FALSE(PasswordCipher::decipher(bad).has_value());
    }
}

TEST(PasswordCipher, FitsOnlyWhatItCanGiveBack) {
    EXPECT_TRUE(PasswordCipher::fits(QString(255, QChar(0xFF))));
    EXPECT_FALSE(PasswordCipher::fits(QString(256, QLatin1Char('A'))));
    EXPECT_FALSE(PasswordCipher::fits(QStringLiteral("EURO€")));
}

TEST(PasswordStore, WritesUpperCasedTrimmedAndReadsBack) {
    TestFolder folder;
    PasswordStore store(folder.folder());
    QString read = QStringLiteral("x");
    EXPECT_EQ(store.read(&read), PasswordStore::Found::NoKeyFile);
    EXPECT_EQ(read, QString());
    EXPECT_FALSE(folder.exists(PasswordStore::fileName()));

    ASSERT_TRUE(store.write(QStringLiteral("  aperturaCassaz\t")));
    ASSERT_EQ(store.read(&read), PasswordStore::Found::Password);
    EXPECT_EQ(read, QStringLiteral("APERTURACASSAZ"));
    EXPECT_EQ(folder.readBytes(PasswordStore::fileName()),
              QByteArray("[Accesso]\r\nValore=") +
                  PasswordCipher::encipher(QStringLiteral("APERTURACASSAZ")).toLatin1() + "\r\n");
}

TEST(PasswordStore, WhatAKeyFileHoldsDecidesWhatIsFound) {
    const struct {
        const char* content;
        PasswordStore::Found found;
    } cases[] = {
        {"[Accesso]\r\nValore=15XZ\r\n", PasswordStore::Found::Garbled},
        {"", PasswordStore::Found::NoKeyFile}, // what a full disk used to leave
        {"[Altro]\r\nValore=15\r\n", PasswordStore::Found::NoKeyFile},
        {"[Accesso]\r\nValore=\r\n", PasswordStore::Found::NoKeyFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        TestFolder folder;
        folder.writeBytes(PasswordStore::fileName(), c.content);
        QString read;
        EXPECT_EQ(PasswordStore(folder.folder()).read(&read), c.found);
    }
    TestFolder folder;
    ASSERT_TRUE(PasswordStore(folder.folder()).write(QStringLiteral("x")));
    QFile::setPermissions(folder.file(PasswordStore::fileName()), QFileDevice::Permissions());
    ReadOnlyScope unprivileged({folder.path()});
    QString read;
    EXPECT_EQ(PasswordStore(folder.folder()).read(&read), PasswordStore::Found::NoKeyFile);
}

TEST(PasswordStore, NewDataFolderGetsTheFirstAccessPasswordOnlyWhenItHasNone) {
    TestFolder data;
    EXPECT_EQ(PasswordStore::provideKeyFile(data.folder()), PasswordStore::Provided::Created);
    QString read;
    ASSERT_EQ(PasswordStore(data.folder()).read(&read), PasswordStore::Found::Password);
    EXPECT_EQ(read, QStringLiteral("APERTURACASSAZ"));

    // A password changed in the data folder is never undone by the next start.
    ASSERT_TRUE(PasswordStore(data.folder()).write(QStringLiteral("nuova")));
    const QByteArray changed = data.readBytes(PasswordStore::fileName());
    EXPECT_EQ(PasswordStore::provideKeyFile(data.folder()), PasswordStore::Provided::Present);
    EXPECT_EQ(data.readBytes(PasswordStore::fileName()), changed);
    EXPECT_EQ(keyfilenotice::provided(PasswordStore::Provided::Present, data.path()), QString());
    EXPECT_EQ(keyfilenotice::provided(PasswordStore::Provided::Created, data.path()), QString());
}

TEST(PasswordStore, ReadOnlyDataFolderWithoutKeyFileOpensWithTheFirstAccessPassword) {
    TestFolder data;
    ReadOnlyScope readOnly({data.path()});
    const PasswordStore::Provided outcome = PasswordStore::provideKeyFile(data.folder());
    EXPECT_EQ(outcome, PasswordStore::Provided::ReadOnlyFolder);
    EXPECT_EQ(keyfilenotice::provided(outcome, data.path()),
              QStringLiteral("Attenzione: la cartella dei dati \"%1\" è di sola lettura: i dati "
                             "si possono consultare ma non modificare.\n\r\n\rPer accedere "
                             "usare la password di primo accesso.")
                  .arg(data.path()));
    QString read;
    EXPECT_EQ(PasswordStore(data.folder()).read(&read), PasswordStore::Found::Password);
    EXPECT_EQ(read, QStringLiteral("APERTURACASSAZ"));
    EXPECT_FALSE(data.exists(PasswordStore::fileName()));
}

// The fault this guards: a password change on a full disk left an empty key
// file and locked the user out for good.
TEST(PasswordStore, FullDiskKeepsTheKeyFileAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const ProgramFolder data(disk.path());
    ASSERT_TRUE(PasswordStore(data).write(QStringLiteral("vecchia")));
    const QString key = data.file(PasswordStore::fileName());
    QFile file(key);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    disk.fill();

    EXPECT_FALSE(PasswordStore(data).write(QStringLiteral("nuova")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    QString read;
    ASSERT_EQ(PasswordStore(data).read(&read), PasswordStore::Found::Password);
    EXPECT_EQ(read, QStringLiteral("VECCHIA"));

    // A new data folder on a full disk: no key file is left half-written.
    QFile::remove(key);
    disk.fill();
    EXPECT_EQ(PasswordStore::provideKeyFile(data), PasswordStore::Provided::Failed);
    EXPECT_FALSE(QFile::exists(key));
    EXPECT_EQ(keyfilenotice::provided(PasswordStore::Provided::Failed, disk.path()),
              QStringLiteral("Attenzione: non è stato possibile creare il file della password "
                             "nella cartella dei dati \"%1\".\n\r\n\rAccertarsi che il disco "
                             "non sia pieno.")
                  .arg(disk.path()));
}

} // namespace
