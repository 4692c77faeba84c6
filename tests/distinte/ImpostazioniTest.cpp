#include "distinte/Impostazioni.h"

#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

TEST(Impostazioni, MissingFileReadsEmpty) {
    TestFolder dir;
    const Impostazioni settings(dir.folder());
    EXPECT_EQ(settings.numberingStart(), QString());
    const DatiRivenditore dati = settings.rivenditore();
    EXPECT_EQ(dati.nome, QString());
    for (const QString& rigo : dati.righe)
        EXPECT_EQ(rigo, QString());
}

TEST(Impostazioni, ValuesAreWrittenTrimmedUnderTheirSectionsAndKeys) {
    TestFolder dir;
    const Impostazioni settings(dir.folder());
    DatiRivenditore dati;
    dati.righe = {QStringLiteral(" Tabaccheria Più "), QStringLiteral("Via Roma 1"), QString(),
                  QString(), QStringLiteral("P.IVA 01234567890")};
    dati.nome = QStringLiteral("Rossi Anna");
    ASSERT_TRUE(settings.setRivenditore(dati));
    ASSERT_TRUE(settings.setNumberingStart(QStringLiteral("50")));

    const QByteArray bytes = dir.readBytes(QStringLiteral("Impostazioni.ini"));
    EXPECT_TRUE(bytes.contains("[Dati Rivenditore]\r\nRigo 1=Tabaccheria Pi\xF9\r\n"
                               "Rigo 2=Via Roma 1\r\nRigo 3=\r\nRigo 4=\r\n"
                               "Rigo 5=P.IVA 01234567890\r\nNome=Rossi Anna\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("[Numerazione Distinte]\r\nInizio=50\r\n")) << bytes.toStdString();

    const DatiRivenditore back = settings.rivenditore();
    EXPECT_EQ(back.righe[0], QStringLiteral("Tabaccheria Più"));
    EXPECT_EQ(back.righe[4], dati.righe[4]);
    EXPECT_EQ(back.nome, dati.nome);
    EXPECT_EQ(settings.numberingStart(), QStringLiteral("50"));
}

TEST(Impostazioni, UnwritableFileIsReportedAndKept) {
    TestFolder dir;
    const Impostazioni settings(dir.folder());
    ASSERT_TRUE(settings.setNumberingStart(QStringLiteral("7")));
    const QByteArray before = dir.readBytes(QStringLiteral("Impostazioni.ini"));
    {
        ReadOnlyScope readOnly({dir.path(), dir.file(QStringLiteral("Impostazioni.ini"))});
        EXPECT_FALSE(settings.setRivenditore(DatiRivenditore{}));
    }
    EXPECT_EQ(dir.readBytes(QStringLiteral("Impostazioni.ini")), before);
}
