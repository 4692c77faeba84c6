#include "help/HelpTopics.h"

#include "common/ProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

using help::Topic;

TEST(HelpTopics, EachTopicHasItsTitleAndParagraphsThatJoinWithOneEmptyLine) {
    const std::pair<Topic, const char*> titles[] = {
        {Topic::Panoramica, "Uno sguardo ad Vellarmo"},
        {Topic::Distinte, "App Emissione Distinte"},
        {Topic::Acquirenti, "App Archivio Acquirenti"},
        {Topic::Tariffario, "App Tariffario Valori Bollati"},
        {Topic::Statistiche, "App Statistiche Incassi"},
        {Topic::Riepilogo, "App Riepilogo Incassi"},
        {Topic::EsportaDistinte, "Esportazione archivio distinte in Microsoft Excel"},
        {Topic::EsportaAnagrafica, "Esportazione archivio anagrafico in Microsoft Excel"},
        {Topic::CopiaSicurezza, "Copia di sicurezza e verifica archivi"},
    };
    ASSERT_EQ(help::allTopics().size(), qsizetype(std::size(titles)));
    for (const auto& [id, title] : titles) {
        EXPECT_TRUE(help::allTopics().contains(id)) << title;
        const help::HelpTopic t = help::topic(id);
        EXPECT_EQ(t.title, QString::fromUtf8(title));
        ASSERT_FALSE(t.paragraphs.isEmpty()) << title;
        // A paragraph that were empty, began or ended with blanks or held a
        // line break would show as an extra or missing empty line.
        for (const QString& p : t.paragraphs) {
            EXPECT_FALSE(p.isEmpty()) << title;
            EXPECT_EQ(p, p.trimmed()) << title;
            EXPECT_FALSE(p.contains(QLatin1Char('\n')) || p.contains(QLatin1Char('\r'))) << title;
        }
        const QString text = help::joinParagraphs(t.paragraphs);
        EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")), t.paragraphs) << title;
        EXPECT_FALSE(text.startsWith(QLatin1Char('\r'))) << title;
    }
    EXPECT_EQ(help::joinParagraphs({QStringLiteral("Uno."), QStringLiteral("Due.")}),
              QStringLiteral("Uno.\r\n\r\nDue."));
    EXPECT_EQ(help::joinParagraphs({QStringLiteral("Solo.")}), QStringLiteral("Solo."));
}

TEST(HelpTopics, TheGeneralTopicGivesTheFirstAccessPassword) {
    const QString text = help::joinParagraphs(help::topic(Topic::Panoramica).paragraphs);
    EXPECT_TRUE(text.contains(QStringLiteral("aperturacassaz")));
    EXPECT_TRUE(text.contains(QStringLiteral("Cambia password")));
}

// What a reseller needs to know of the buyers archive: Duplica for family
// members at one address, a description for each attachment, and the sex
// among the data a card needs.
TEST(HelpTopics, TheBuyersTopicTellsDuplicaAttachmentsAndTheNeededData) {
    const QString text = help::joinParagraphs(help::topic(Topic::Acquirenti).paragraphs);
    for (const char* told :
         {"i componenti di una famiglia che abitano allo stesso indirizzo",
          "ciascuno con una sua descrizione", "sono necessari il nome e il sesso"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(told))) << told;
}

// Each command a reseller meets on the screen is told by its own name: the
// search in every year in the distinte topic, the .xlsx export with its file
// and the Excel versions that open it in both export topics.
TEST(HelpTopics, TheEveryYearSearchAndTheXlsxExportAreTold) {
    const struct {
        Topic topic;
        std::vector<const char*> told;
    } cases[] = {
        {Topic::Distinte, {"«Cerca in tutti gli anni»", "nell'archivio del suo anno", "XLSX"}},
        {Topic::EsportaDistinte,
         {"«Esporta .xlsx»", "Archivio_Distinte.xlsx", "Excel 2007 e le versioni successive",
          "Archivio_Distinte.xls,"}},
        {Topic::EsportaAnagrafica,
         {"«Esporta .xlsx»", "Anagrafica.xlsx", "Excel 2007 e le versioni successive",
          "Anagrafica.xls,"}},
    };
    for (const auto& c : cases) {
        const QString text = help::joinParagraphs(help::topic(c.topic).paragraphs);
        for (const char* told : c.told)
            EXPECT_TRUE(text.contains(QString::fromUtf8(told))) << told;
    }
}

TEST(HelpTopics, TheDistinteTopicEndsWithTheChartAndSummaryTopics) {
    const QStringList distinte = help::topic(Topic::Distinte).paragraphs;
    const QStringList tail =
        help::topic(Topic::Statistiche).paragraphs + help::topic(Topic::Riepilogo).paragraphs;
    ASSERT_GT(distinte.size(), tail.size());
    EXPECT_EQ(distinte.mid(distinte.size() - tail.size()), tail);
}

TEST(HelpTopics, TheUserGuideIsTheQuotedGuidaPdfOfTheProgramFolder) {
    const ProgramFolder folder(QDir::temp().filePath(QStringLiteral("Tabaccheria 12")));
    EXPECT_EQ(help::quotedUserGuidePath(folder),
              QLatin1Char('"') + folder.path() + QStringLiteral("/Guida.pdf\""));
}
