#include "common/IniFile.h"

#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

namespace {

// A settings file as the earlier Windows program left it: CR LF line ends,
// Windows-1252 text, a comment, blank lines, odd spacing and no line end at
// the very end.
const QByteArray kWindowsFile = "[Numerazione Distinte]\r\n"
                                "Inizio=12\r\n"
                                "\r\n"
                                "; dati del rivenditore\r\n"
                                "[Dati Rivenditore]\r\n"
                                "  Ragione Sociale =  Tabacchi Citt\xE0 Alta  \r\n"
                                "Citta=Bergamo\r\n"
                                "\r\n"
                                "[Accesso]\r\n"
                                "Valore=0A1B";

} // namespace

TEST(IniFile, ReadsValuesIgnoringLetterCaseAndBlanks) {
    TestFolder dir;
    dir.writeBytes("s.ini", kWindowsFile);
    IniFile ini(dir.file("s.ini"));
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Numerazione Distinte", "Inizio", "12"},
        {"NUMERAZIONE distinte", "INIZIO", "12"},
        {"Dati Rivenditore", "ragione sociale", "Tabacchi Città Alta"},
        {"Dati Rivenditore", "Citta", "Bergamo"},
        {"Accesso", "Valore", "0A1B"}, // last line, no line end
        {"Accesso", "Inizio", ""},     // key of another section
        {"Dati Rivenditore", "Inizio", ""},
        {"Manca", "Inizio", ""},
        {"Dati Rivenditore", "; dati del rivenditore", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        QString value = QStringLiteral("stale");
        EXPECT_TRUE(ini.read(QString::fromUtf8(c.section), QString::fromUtf8(c.key), &value));
        EXPECT_EQ(value, QString::fromUtf8(c.value));
    }
}

TEST(IniFile, MissingFileReadsEmptyAndIsNotCreated) {
    TestFolder dir;
    IniFile ini(dir.file("s.ini"));
    QString value;
    EXPECT_TRUE(ini.read(u"Accesso", u"Valore", &value));
    EXPECT_EQ(value, QString());
    EXPECT_FALSE(dir.exists("s.ini"));
}

TEST(IniFile, OddFilesNeverBreakTheReader) {
    TestFolder dir;
    IniFile ini(dir.file("s.ini"));
    const struct {
        QByteArray bytes;
        const char* value;
    } cases[] = {
        {QByteArray("\0\xFF\x80[\n=\r\r\n]]=[", 14), ""},
        {"[Accesso\nValore=7\n", "7"},             // an unclosed bracket still names it
        {"\xEF\xBB\xBF[Accesso]\nValore=7", "7"},  // a UTF-8 mark from a text editor
        {"[Accesso]\n=x\nValore = 7=8 \n", "7=8"}, // only the first '=' separates
        {"[Accesso]\r\nValore=7\r\n[Accesso]\r\nValore=8\r\n", "7"}, // first one wins
        {"Valore=7\n[Accesso]\n", ""},
        {QByteArray(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        dir.writeBytes("s.ini", c.bytes);
        EXPECT_EQ(ini.value(u"Accesso", u"Valore"), QString::fromUtf8(c.value));
    }
}

TEST(IniFile, WriteCreatesTheFileWithCrLfAndWindows1252) {
    TestFolder dir;
    IniFile ini(dir.file("s.ini"));
    ASSERT_TRUE(ini.setValue(u"Dati Rivenditore", u"Citta", u"Forlì"));
    ASSERT_TRUE(ini.setValue(u"Dati Rivenditore", u"Nome", u"Bar € 1"));
    ASSERT_TRUE(ini.setValue(u"Accesso", u"Valore", u"0A"));
    EXPECT_EQ(dir.readBytes("s.ini"), QByteArray("[Dati Rivenditore]\r\n"
                                                 "Citta=Forl\xEC\r\n"
                                                 "Nome=Bar \x80 1\r\n"
                                                 "[Accesso]\r\n"
                                                 "Valore=0A\r\n"));
    EXPECT_EQ(ini.value(u"dati rivenditore", u"citta"), u"Forlì");
}

TEST(IniFile, WriteKeepsEveryOtherLineByteForByte) {
    TestFolder dir;
    dir.writeBytes("s.ini", kWindowsFile);
    IniFile ini(dir.file("s.ini"));

    // An existing key is replaced in place, spelt as it was.
    ASSERT_TRUE(ini.setValue(u"dati rivenditore", u"RAGIONE SOCIALE", u"Caffè Nuovo"));
    QByteArray expected = kWindowsFile;
    expected.replace("  Ragione Sociale =  Tabacchi Citt\xE0 Alta  ",
                     "  Ragione Sociale =Caff\xE8 Nuovo");
    EXPECT_EQ(dir.readBytes("s.ini"), expected);

    // A new key goes after the last filled line of its section.
    ASSERT_TRUE(ini.setValue(u"Numerazione Distinte", u"Altro", u"x"));
    expected.replace("Inizio=12\r\n", "Inizio=12\r\nAltro=x\r\n");
    EXPECT_EQ(dir.readBytes("s.ini"), expected);

    // The last line without a line end gets one before a new key or section.
    ASSERT_TRUE(ini.setValue(u"Accesso", u"Prova", u"1"));
    expected.append("\r\nProva=1\r\n");
    EXPECT_EQ(dir.readBytes("s.ini"), expected);
    ASSERT_TRUE(ini.setValue(u"Nuova", u"K", u"v"));
    expected.append("[Nuova]\r\nK=v\r\n");
    EXPECT_EQ(dir.readBytes("s.ini"), expected);

    EXPECT_EQ(ini.value(u"Numerazione Distinte", u"Inizio"), u"12");
    EXPECT_EQ(ini.value(u"Accesso", u"Valore"), u"0A1B");
}

TEST(IniFile, LineBreaksInAValueCannotAddLines) {
    TestFolder dir;
    IniFile ini(dir.file("s.ini"));
    ASSERT_TRUE(ini.setValue(u"A", u"K", u"uno\r\n[Accesso]\nValore=00"));
    EXPECT_EQ(dir.readBytes("s.ini"), QByteArray("[A]\r\nK=uno  [Accesso] Valore=00\r\n"));
    EXPECT_EQ(ini.value(u"Accesso", u"Valore"), QString());
}

TEST(IniFile, FailedWriteIsReportedAndLeavesTheFileAsItWas) {
    TestFolder dir;
    dir.writeBytes("s.ini", kWindowsFile);
    IniFile ini(dir.file("s.ini"));
    // The unprivileged user keeps root's group, so the folder must be open to
    // the group as well for the file alone to be the locked one.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const QString& locked : {dir.path(), dir.file("s.ini")}) {
        SCOPED_TRACE(locked.toStdString());
        ReadOnlyScope readOnly({locked});
        EXPECT_FALSE(ini.setValue(u"Numerazione Distinte", u"Inizio", u"99"));
        EXPECT_FALSE(ini.errorString().isEmpty());
        // Reading still works.
        EXPECT_EQ(ini.value(u"Numerazione Distinte", u"Inizio"), u"12");
    }
    EXPECT_EQ(dir.readBytes("s.ini"), kWindowsFile);
    // In a read-only folder a missing file is not created either.
    ReadOnlyScope readOnly({dir.path()});
    IniFile fresh(dir.file("new.ini"));
    EXPECT_FALSE(fresh.setValue(u"A", u"K", u"v"));
    EXPECT_FALSE(dir.exists("new.ini"));
}

TEST(IniFile, UnreadableFileIsAReadFailureNotAnEmptyValue) {
    TestFolder dir;
    dir.writeBytes("s.ini", kWindowsFile);
    IniFile ini(dir.file("s.ini"));
    ::chmod(QFile::encodeName(dir.file("s.ini")).constData(), 0);
    {
        ReadOnlyScope unprivileged({dir.path()});
        QString value;
        EXPECT_FALSE(ini.read(u"Numerazione Distinte", u"Inizio", &value));
        EXPECT_EQ(ini.value(u"Numerazione Distinte", u"Inizio"), QString());
        EXPECT_FALSE(ini.setValue(u"Numerazione Distinte", u"Inizio", u"99"));
    }
    ::chmod(QFile::encodeName(dir.file("s.ini")).constData(), 0644);
    EXPECT_EQ(dir.readBytes("s.ini"), kWindowsFile);
}
