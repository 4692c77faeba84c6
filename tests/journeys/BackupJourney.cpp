#include "backup/BackupCopy.h"
#include "distinte/Ricevuta.h"
#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <gtest/gtest.h>

namespace {

// The total of the first distinta of `archive` overwritten in place, as a
// faulty disk or a foreign program would leave it.
QByteArray withTotal(QByteArray archive, const QByteArray& total) {
    const FieldSpec& field = Ricevuta::layout().field(Ricevuta::Totale);
    archive[field.offset] = char(total.size());
    archive.replace(field.offset + 1, total.size(), total);
    return archive;
}

} // namespace

// A week at the counter in one go: a copy on the stick from the main menu's
// link, the archives checked, a damaged total found and opened in the editor,
// the data put back from the copy with the damaged files kept aside.
TEST(Journeys, BackupMadeCheckedAndRestoredFromTheMainMenu) {
    Journey j;
    steps::issueDistinta(j);
    steps::backToMainMenu(j);
    TestFolder stick;

    j.chooseFolders({stick.path()});
    j.onDialog(QStringLiteral("TfrmCopiaSicurezza"), [&j](QDialog* copy) {
        EXPECT_EQ(j.text(QStringLiteral("lblUltimaCopia"), copy),
                  QStringLiteral("Nessuna copia di sicurezza registrata."));
        j.click(QStringLiteral("btnCopia"), copy);
        EXPECT_NE(j.text(QStringLiteral("lblUltimaCopia"), copy),
                  QStringLiteral("Nessuna copia di sicurezza registrata."));
        j.click(QStringLiteral("btnVerifica"), copy);
        j.click(QStringLiteral("cmdEsci"), copy);
    });
    j.click(QStringLiteral("lnkCopia"));
    const QStringList copies = QDir(stick.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(copies.size(), 1);
    const QString copyFolder = QDir(stick.path()).filePath(copies[0]);
    EXPECT_EQ(j.takeMessages(),
              (QStringList{QStringLiteral("Copia di sicurezza completata in %1: 5 file, 0,0 MB, "
                                          "tutti riletti e verificati.")
                               .arg(copyFolder),
                           QStringLiteral("Nessun problema trovato: controllati 2 archivi, 1 "
                                          "distinta e 1 scheda acquirente.")}));

    const QByteArray good = j.dataFolder().readBytes(QStringLiteral("2024.ric"));
    const QByteArray damaged = withTotal(good, "99,00");
    {
        QFile file(j.dataFolder().file(QStringLiteral("2024.ric")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(damaged), damaged.size());
    }
    j.onDialog(QStringLiteral("TfrmCopiaSicurezza"),
               [&j](QDialog* copy) { j.click(QStringLiteral("btnVerifica"), copy); });
    j.onDialog(QStringLiteral("TfrmVerificaArchivi"), [&j](QDialog* list) {
        EXPECT_EQ(j.rows(list), QStringList{QStringLiteral(
                                    "2024.ric         record      1  n. 1                        "
                                    "   totale 99,00 diverso dalla somma degli importi dei righi "
                                    "37,00")});
        j.doubleClickRow(QStringLiteral("diverso dalla somma"), list);
    });
    j.click(QStringLiteral("lnkCopia"));
    EXPECT_EQ(j.text(QStringLiteral("txtNumRic")), QStringLiteral("1"));
    EXPECT_EQ(j.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
    steps::backToMainMenu(j);

    j.chooseFolders({copyFolder});
    j.messages().answers = {true};
    j.onDialog(QStringLiteral("TfrmCopiaSicurezza"), [&j](QDialog* copy) {
        j.click(QStringLiteral("btnRipristina"), copy);
        j.click(QStringLiteral("cmdEsci"), copy);
    });
    j.click(QStringLiteral("lnkCopia"));
    EXPECT_EQ(j.dataFolder().readBytes(QStringLiteral("2024.ric")), good);
    const QStringList kept =
        QDir(j.dataFolder().path())
            .entryList({QStringLiteral("Dati-prima-del-ripristino-*")}, QDir::Dirs);
    ASSERT_EQ(kept.size(), 1);
    const QString keptFolder = j.dataFolder().file(kept[0]);
    const QDateTime made = backup::copyFolderTime(copies[0]);
    EXPECT_EQ(
        j.takeMessages(),
        (QStringList{QStringLiteral("Ripristinare i dati dalla copia di sicurezza del %1 alle "
                                    "%2? I dati attuali saranno prima copiati e verificati "
                                    "nella cartella %3.")
                         .arg(made.toString(QStringLiteral("dd/MM/yyyy")),
                              made.toString(QStringLiteral("HH:mm")), keptFolder),
                     QStringLiteral("Ripristino completato: 5 file ripristinati dalla copia "
                                    "di sicurezza. I dati di prima sono conservati nella "
                                    "cartella %1.")
                         .arg(keptFolder)}));
    EXPECT_EQ(j.dataFolder().readBytes(kept[0] + QStringLiteral("/2024.ric")), damaged);

    // The copy is fresh: leaving asks nothing.
    j.click(QStringLiteral("imgEsci"));
    EXPECT_EQ(j.takeMessages(), QStringList{});
}
