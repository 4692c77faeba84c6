#include "app/PasswordCipher.h"

#include "app/PasswordStore.h"
#include "common/IniFile.h"
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
    ASSERT_TRUE(store.read(&read)); // a missing key file reads as empty
    EXPECT_EQ(read, QString());
    EXPECT_FALSE(folder.exists(PasswordStore::fileName()));

    ASSERT_TRUE(store.write(QStringLiteral("  aperturaCassaz\t")));
    ASSERT_TRUE(store.read(&read));
    EXPECT_EQ(read, QStringLiteral("APERTURACASSAZ"));
    EXPECT_EQ(folder.readBytes(PasswordStore::fileName()),
              QByteArray("[Accesso]\r\nValore=") +
                  PasswordCipher::encipher(QStringLiteral("APERTURACASSAZ")).toLatin1() + "\r\n");
}

TEST(PasswordStore, NonHexValueIsAReadError) {
    TestFolder folder;
    folder.writeBytes(PasswordStore::fileName(), "[Accesso]\r\nValore=15XZ\r\n");
    QString read;
    EXPECT_FALSE(PasswordStore(folder.folder()).read(&read));
}

TEST(PasswordStore, DataFolderGetsTheDeliveredKeyFileOnlyWhenItHasNone) {
    TestFolder program;
    TestFolder data;
    ASSERT_TRUE(PasswordStore(program.folder()).write(PasswordStore::firstAccessPassword()));
    const QByteArray delivered = program.readBytes(PasswordStore::fileName());

    EXPECT_TRUE(PasswordStore::provideKeyFile(data.folder(), program.folder()));
    EXPECT_EQ(data.readBytes(PasswordStore::fileName()), delivered);
    QString read;
    ASSERT_TRUE(PasswordStore(data.folder()).read(&read));
    EXPECT_EQ(read, QStringLiteral("APERTURACASSAZ"));

    // A password changed in the data folder is never undone by the next start.
    ASSERT_TRUE(PasswordStore(data.folder()).write(QStringLiteral("nuova")));
    const QByteArray changed = data.readBytes(PasswordStore::fileName());
    EXPECT_TRUE(PasswordStore::provideKeyFile(data.folder(), program.folder()));
    EXPECT_EQ(data.readBytes(PasswordStore::fileName()), changed);

    // Nothing delivered, nothing to copy; the same folder is left alone.
    TestFolder empty;
    EXPECT_TRUE(PasswordStore::provideKeyFile(empty.folder(), TestFolder().folder()));
    EXPECT_FALSE(empty.exists(PasswordStore::fileName()));
    EXPECT_TRUE(PasswordStore::provideKeyFile(program.folder(), program.folder()));
    EXPECT_EQ(program.readBytes(PasswordStore::fileName()), delivered);
}

TEST(PasswordStore, UnwritableDataFolderIsReported) {
    TestFolder program;
    TestFolder data;
    ASSERT_TRUE(PasswordStore(program.folder()).write(PasswordStore::firstAccessPassword()));
    // The delivered key file stays readable; only the data folder is locked.
    ReadOnlyScope readOnly({data.path(), program.file(PasswordStore::fileName())});
    EXPECT_FALSE(PasswordStore::provideKeyFile(data.folder(), program.folder()));
    EXPECT_FALSE(data.exists(PasswordStore::fileName()));
}

} // namespace
