#include "backup/ArchiveCheck.h"

#include "DataFolderFixture.h"
#include "support/TestFolder.h"

#include <functional>
#include <gtest/gtest.h>

using archivecheck::Finding;

namespace {

// The stored bytes of a clean distinta with one change made to them.
QByteArray changed(int number, const std::function<void(Ricevuta&)>& change) {
    Ricevuta d = fixture::cleanDistinta(number);
    change(d);
    return d.encode();
}

QByteArray withByte(QByteArray record, int offset, char value) {
    record[offset] = value;
    return record;
}

} // namespace

TEST(ArchiveCheck, CleanArchivesGiveNothingAndSaySoWithTheCounts) {
    TestFolder data;
    fixture::fillDataFolder(data.path());
    const QMap<QString, QByteArray> before = fixture::contents(data.path());
    const archivecheck::Report report = archivecheck::check(data.folder());
    EXPECT_TRUE(report.findings.isEmpty());
    EXPECT_EQ(report.archives, 3);
    EXPECT_EQ(report.distinte, 5);
    EXPECT_EQ(report.cards, 2);
    EXPECT_EQ(archivecheck::cleanMessage(report),
              QStringLiteral("Nessun problema trovato: controllati 3 archivi, 5 distinte e 2 "
                             "schede acquirenti."));
    EXPECT_EQ(fixture::contents(data.path()), before);
}

// One of anything is said in the singular.
TEST(ArchiveCheck, CountsAgreeWithTheirNouns) {
    archivecheck::Report one;
    one.archives = 1;
    one.distinte = 1;
    one.cards = 1;
    one.findings.resize(1);
    EXPECT_EQ(archivecheck::cleanMessage(one),
              QStringLiteral("Nessun problema trovato: controllati 1 archivio, 1 distinta e 1 "
                             "scheda acquirente."));
    EXPECT_EQ(
        archivecheck::summaryLine(one),
        QStringLiteral("1 problema trovato in 1 archivio (1 distinta, 1 scheda acquirente)."));
    archivecheck::Report many;
    many.archives = 21;
    many.distinte = 100000;
    many.cards = 0;
    many.findings.resize(2);
    EXPECT_EQ(archivecheck::summaryLine(many),
              QStringLiteral("2 problemi trovati in 21 archivi (100.000 distinte, 0 schede "
                             "acquirenti)."));
}

TEST(ArchiveCheck, EachFaultOfADistintaIsFoundWhereItIs) {
    const struct {
        const char* name;
        QByteArray record; // stored as record 2 of 2024.ric, after a clean one
        QString what;
    } cases[] = {
        {"length byte over the capacity", withByte(fixture::cleanDistinta(2).encode(), 1494, 7),
         "campo Quant01: lunghezza 7 oltre la capacità di 5 caratteri"},
        {"invalid date", changed(2, [](Ricevuta& d) { d.data = "31/02/2024"; }),
         "data non valida: 31/02/2024"},
        {"date of another year", changed(2, [](Ricevuta& d) { d.data = "31/12/2023"; }),
         "data 31/12/2023 non dell'anno 2024"},
        {"no date", changed(2, [](Ricevuta& d) { d.data.clear(); }), "manca la data"},
        {"total not an amount", changed(2, [](Ricevuta& d) { d.totale = "trenta"; }),
         "totale non è un importo: trenta"},
        {"total not the sum", changed(2, [](Ricevuta& d) { d.totale = "33,21"; }),
         "totale 33,21 diverso dalla somma degli importi dei righi 33,20"},
        {"line amount not an amount", changed(2, [](Ricevuta& d) { d.importo[1] = "1.20"; }),
         "importo del rigo 2 non è un importo: 1.20"},
        {"number used twice", changed(2, [](Ricevuta& d) { d.numRic = "1"; }),
         "numero già usato dalla distinta in posizione 1"},
        {"no number", changed(2, [](Ricevuta& d) { d.numRic.clear(); }),
         "manca il numero della distinta"},
        {"no buyer line 1", changed(2, [](Ricevuta& d) { d.acqRigo[0].clear(); }),
         "manca il primo rigo dell'acquirente"},
        {"no first description", changed(2, [](Ricevuta& d) { d.descrizione[0].clear(); }),
         "manca la descrizione del primo rigo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder data;
        fixture::write(data.file("2024.ric"), fixture::cleanDistinta(1).encode() + c.record);
        const archivecheck::Report report = archivecheck::check(data.folder());
        ASSERT_EQ(report.findings.size(), 1)
            << archivecheck::lineOf(report.findings.value(1)).toStdString();
        const Finding& f = report.findings.first();
        EXPECT_EQ(f.what, c.what);
        EXPECT_EQ(f.file, "2024.ric");
        EXPECT_EQ(f.position, 2);
        EXPECT_TRUE(f.wholeRecord);
        EXPECT_EQ(f.archive, Finding::Distinte);
    }
}

// Stored texts the editor would not write but reads the same way: a date
// without leading zeros, amounts with one or three decimals or a bare comma.
// They are read as the program reads them, not reported, and a wrong total
// among them is still found.
TEST(ArchiveCheck, AmountsAndDatesWrittenAnotherWayAreReadAsTheProgramReadsThem) {
    const struct {
        const char* name;
        QByteArray record;
        const char* what; // "" for a clean record
    } cases[] = {
        {"date without leading zeros", changed(2, [](Ricevuta& d) { d.data = "3/5/2024"; }), ""},
        {"one and three decimals",
         changed(2,
                 [](Ricevuta& d) {
                     d.importo[0] = "32,5";
                     d.importo[1] = "0,125";
                     d.totale = "32,63";
                 }),
         ""},
        {"a bare comma",
         changed(2,
                 [](Ricevuta& d) {
                     d.importo[0] = "32,";
                     d.totale = "33,2";
                 }),
         ""},
        {"three decimals not summing",
         changed(2,
                 [](Ricevuta& d) {
                     d.importo[1] = "1,125";
                     d.totale = "33,20";
                 }),
         "totale 33,20 diverso dalla somma degli importi dei righi 33,13"},
        {"another year without leading zeros", changed(2, [](Ricevuta& d) { d.data = "3/5/2023"; }),
         "data 3/5/2023 non dell'anno 2024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder data;
        fixture::write(data.file("2024.ric"), fixture::cleanDistinta(1).encode() + c.record);
        const archivecheck::Report report = archivecheck::check(data.folder());
        QStringList found;
        for (const Finding& f : report.findings)
            found.append(f.what);
        EXPECT_EQ(found, QString::fromUtf8(c.what).isEmpty()
                             ? QStringList()
                             : QStringList{QString::fromUtf8(c.what)});
    }
}

// Numbers are told apart by every byte, short ones ("7" and "07") as long
// ones, whatever length they are kept in.
TEST(ArchiveCheck, NumbersUsedTwiceAreFoundWhateverTheirLength) {
    const QString longNumber = QStringLiteral("2024/SEDE-CENTRALE-000123");
    QByteArray archive;
    for (const QString& number :
         {QStringLiteral("7"), QStringLiteral("07"), longNumber, longNumber + QStringLiteral("4"),
          longNumber, QStringLiteral("7")})
        archive += changed(1, [&](Ricevuta& d) { d.numRic = number; });
    TestFolder data;
    fixture::write(data.file("2024.ric"), archive);
    const archivecheck::Report report = archivecheck::check(data.folder());
    QStringList found;
    for (const Finding& f : report.findings)
        found.append(QStringLiteral("%1 %2: %3").arg(f.position).arg(f.who, f.what));
    EXPECT_EQ(found, (QStringList{"5 n. " + longNumber +
                                      ": numero già usato dalla distinta in posizione 3",
                                  "6 n. 7: numero già usato dalla distinta in posizione 1"}));
}

TEST(ArchiveCheck, PartialRecordsAndNamelessCardsAreFound) {
    TestFolder data;
    fixture::write(data.file("2024.ric"), fixture::distinte(2) + QByteArray(100, 'x'));
    SchedaAnagrafica damaged = fixture::card(QStringLiteral("Verdi Anna"));
    QByteArray cards = fixture::card(QString()).encode();
    cards += withByte(damaged.encode(),
                      SchedaAnagrafica::layout().field(SchedaAnagrafica::Cap01).offset, 9);
    fixture::write(data.file("Anagrafica.pro"), cards);

    const archivecheck::Report report = archivecheck::check(data.folder());

    const QList<Finding> expected = {
        {Finding::Distinte, "2024.ric", 3, false, {}, "ultimo record incompleto: 100 byte su 3053"},
        {Finding::Acquirenti, "Anagrafica.pro", 1, true, {}, "scheda senza nome"},
        {Finding::Acquirenti, "Anagrafica.pro", 2, true, "Verdi Anna",
         "campo Cap01: lunghezza 9 oltre la capacità di 1 caratteri"},
    };
    EXPECT_EQ(report.findings, expected);
    EXPECT_EQ(archivecheck::lineOf(report.findings[0]),
              QStringLiteral("2024.ric         record      3                                 "
                             "ultimo record incompleto: 100 byte su 3053"));
    EXPECT_EQ(
        archivecheck::lineOf({Finding::Distinte, "2024.ric", 12, true, "n. 45", "manca la data"}),
        QStringLiteral("2024.ric         record     12  n. 45                          "
                       "manca la data"));
}
