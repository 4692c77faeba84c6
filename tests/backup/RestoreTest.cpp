#include "backup/Restore.h"

#include "DataFolderFixture.h"
#include "backup/BackupCopy.h"
#include "backup/BackupSettings.h"
#include "backup/Manifest.h"
#include "support/TestFolder.h"

#include <QDateTime>
#include <QDir>
#include <gtest/gtest.h>

using backup::CopyCheck;
using backup::RestoreOutcome;

namespace {

const QDateTime kCopied(QDate(2026, 12, 1), QTime(18, 30, 0));
const QDateTime kRestored(QDate(2026, 12, 10), QTime(9, 15, 42));

// A data folder, a good copy of it on the stick, and then a week's work in
// the data folder that the copy does not hold.
struct CopiedFolder {
    TestFolder data;
    TestFolder stick;
    QString copy;

    CopiedFolder() {
        fixture::fillDataFolder(data.path());
        const backup::CopyOutcome made = backup::makeCopy(data.folder(), stick.path(), kCopied);
        EXPECT_TRUE(made.ok());
        copy = made.folder;
        BackupSettings(data.folder()).setLastCopy({kCopied, copy});
        fixture::write(data.file("2024.ric"), fixture::distinte(7));
        fixture::write(data.file("Documenti_Allegati/nuovo.pdf"), "added after the copy");
        fixture::write(data.file("Logo.bmp"), "new logo");
    }
};

} // namespace

TEST(Restore, DamagedOrMissingFilesRefuseTheCopyAndChangeNothing) {
    CopiedFolder s;
    fixture::write(s.copy + "/2024.ric",
                   fixture::contents(s.copy).value("2024.ric").replace(100, 1, "X"));
    QFile::remove(s.copy + "/unins000.dll");
    const QMap<QString, QByteArray> before = fixture::contents(s.data.path());

    const CopyCheck check = backup::checkCopy(s.copy);

    EXPECT_EQ(check.kind, CopyCheck::Damaged);
    EXPECT_EQ(check.damaged, QStringList{"2024.ric"});
    EXPECT_EQ(check.missing, QStringList{"unins000.dll"});
    EXPECT_EQ(backup::refusalMessage(check),
              QStringLiteral("Attenzione: la copia di sicurezza in %1 non è integra e non viene "
                             "ripristinata. Nessun dato è stato modificato.\nFile mancanti: "
                             "unins000.dll.\nFile danneggiati: 2024.ric.")
                  .arg(s.copy));
    EXPECT_EQ(fixture::contents(s.data.path()), before);
}

TEST(Restore, FolderWithoutAGoodManifestIsNoCopy) {
    CopiedFolder s;
    const struct {
        const char* name;
        QByteArray manifest; // empty: none at all
        CopyCheck::Kind kind;
    } cases[] = {
        {"no manifest", {}, CopyCheck::NoManifest},
        {"not a manifest", "just some text\n", CopyCheck::BadManifest},
        {"a name leaving the copy", QByteArray(64, 'a') + "  ../../etc/passwd\n",
         CopyCheck::BadManifest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(s.copy + "/" + manifest::kFileName);
        if (!c.manifest.isEmpty())
            fixture::write(s.copy + "/" + manifest::kFileName, c.manifest);
        const CopyCheck check = backup::checkCopy(s.copy);
        EXPECT_EQ(check.kind, c.kind);
        EXPECT_TRUE(backup::refusalMessage(check).startsWith(QStringLiteral("Attenzione: ")));
    }
}

TEST(Restore, KeepsThePreviousDataByteForByteThenPutsTheCopyInPlace) {
    CopiedFolder s;
    const QMap<QString, QByteArray> previous = fixture::contents(s.data.path());
    const CopyCheck check = backup::checkCopy(s.copy);
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.made, kCopied);
    EXPECT_EQ(backup::restoreQuestion(s.data.folder(), check, kRestored),
              QStringLiteral("Ripristinare i dati dalla copia di sicurezza del 01/12/2026 alle "
                             "18:30? I dati attuali saranno prima copiati e verificati nella "
                             "cartella %1/Dati-prima-del-ripristino-2026-12-10-091542.")
                  .arg(s.data.path()));

    const RestoreOutcome outcome = backup::restore(s.data.folder(), check, kRestored);

    ASSERT_EQ(outcome.kind, RestoreOutcome::Done) << outcome.reason.toStdString();
    const QString kept = s.data.file("Dati-prima-del-ripristino-2026-12-10-091542");
    EXPECT_EQ(outcome.keptFolder, kept);
    // The kept folder holds every data file as it was, and verifies.
    QMap<QString, QByteArray> keptFiles = fixture::contents(kept);
    keptFiles.remove(manifest::kFileName);
    QMap<QString, QByteArray> previousData = previous;
    for (const char* own : {"vellarmo", "Guida.pdf", "Archivio_Distinte.xls"})
        previousData.remove(QString::fromLatin1(own));
    EXPECT_EQ(keptFiles, previousData);
    EXPECT_EQ(fixture::sha256sumCheck(kept), 0);
    // The copy's files are in place; what the copy does not hold stays.
    const QMap<QString, QByteArray> now = fixture::contents(s.data.path());
    const QMap<QString, QByteArray> copied = fixture::contents(s.copy);
    for (const QString& name : fixture::dataFileNames()) {
        if (name != "Impostazioni.ini") {
            EXPECT_EQ(now.value(name), copied.value(name)) << name.toStdString();
        }
    }
    EXPECT_EQ(now.value("Documenti_Allegati/nuovo.pdf"), "added after the copy");
    EXPECT_EQ(now.value("vellarmo"), "program");
    // The settings are the copy's, with this folder's record of its copies.
    EXPECT_TRUE(now.value("Impostazioni.ini").startsWith(copied.value("Impostazioni.ini")));
    const auto last = BackupSettings(s.data.folder()).lastCopy();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->when, kCopied);
    EXPECT_EQ(outcome.files, fixture::dataFileNames().size());
    EXPECT_EQ(backup::restoreMessage(outcome),
              QStringLiteral("Ripristino completato: 9 file ripristinati dalla copia di "
                             "sicurezza. I dati di prima sono conservati nella cartella %1.")
                  .arg(kept));
}

TEST(Restore, StoppedHalfWayPutsEveryReplacedFileBack) {
    CopiedFolder s;
    const QMap<QString, QByteArray> previous = fixture::contents(s.data.path());
    const CopyCheck check = backup::checkCopy(s.copy);
    ASSERT_TRUE(check.ok());
    // The first half is keeping the current data; stop late in the second.
    const RestoreOutcome outcome =
        backup::restore(s.data.folder(), check, kRestored,
                        [](qint64 done, qint64 total) { return done * 10 < total * 8; });
    EXPECT_EQ(outcome.kind, RestoreOutcome::Cancelled);
    EXPECT_TRUE(outcome.putBack);
    QMap<QString, QByteArray> now = fixture::contents(s.data.path());
    for (auto it = now.begin(); it != now.end();) {
        if (it.key().startsWith("Dati-prima-del-ripristino-"))
            it = now.erase(it);
        else
            ++it;
    }
    EXPECT_EQ(now, previous);
    EXPECT_EQ(backup::restoreMessage(outcome),
              QStringLiteral("Ripristino annullato: i dati sono rimasti come prima."));
}
