#include "backup/BackupCopy.h"

#include "DataFolderFixture.h"
#include "backup/Manifest.h"
#include "distinte/DistintaArchive.h"
#include "support/ChildProcess.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>

using backup::CopyOutcome;

namespace {

const QDateTime kWhen(QDate(2026, 12, 10), QTime(14, 5, 9));

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

TEST(BackupCopy, HoldsEveryDataFileReadBackAndAManifestSha256sumAccepts) {
    TestFolder data;
    TestFolder stick;
    fixture::fillDataFolder(data.path());

    const CopyOutcome outcome = backup::makeCopy(data.folder(), stick.path(), kWhen);

    ASSERT_EQ(outcome.kind, CopyOutcome::Done) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.folder, stick.file("Vellarmo-copia-2026-12-10-140509"));
    EXPECT_EQ(outcome.files, fixture::dataFileNames().size());
    QMap<QString, QByteArray> expected = fixture::contents(data.path());
    for (const char* own : {"vellarmo", "Guida.pdf", "Archivio_Distinte.xls"})
        expected.remove(QString::fromLatin1(own));
    QMap<QString, QByteArray> copied = fixture::contents(outcome.folder);
    ASSERT_TRUE(copied.contains(manifest::kFileName));
    copied.remove(manifest::kFileName);
    EXPECT_EQ(copied, expected);
    qint64 bytes = 0;
    for (const QByteArray& b : expected)
        bytes += b.size();
    EXPECT_EQ(outcome.bytes, bytes);
    EXPECT_EQ(fixture::sha256sumCheck(outcome.folder), 0);
    EXPECT_EQ(backup::copyMessage(outcome),
              QStringLiteral("Copia di sicurezza completata in %1: 9 file, 0,0 MB, tutti riletti "
                             "e verificati.")
                  .arg(outcome.folder));
}

TEST(BackupCopy, ManifestEscapesNamesAsSha256sumDoes) {
    TestFolder data;
    TestFolder stick;
    fixture::write(data.file("Documenti_Allegati/a\\b\nc.txt"), "odd name");
    const CopyOutcome outcome = backup::makeCopy(data.folder(), stick.path(), kWhen);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(fixture::sha256sumCheck(outcome.folder), 0);
    const QByteArray text = fixture::contents(outcome.folder).value(manifest::kFileName);
    EXPECT_EQ(manifest::parse(text),
              (QList<manifest::Entry>{{QStringLiteral("Documenti_Allegati/a\\b\nc.txt"),
                                       manifest::digestOf("odd name")}}));
}

TEST(BackupCopy, RefusesDestinationsThatWouldLoseOrOverwrite) {
    TestFolder data;
    TestFolder stick;
    fixture::fillDataFolder(data.path());
    QDir(data.path()).mkdir("sotto");
    QDir(stick.path()).mkdir("Vellarmo-copia-2026-12-10-140509");
    fixture::write(stick.file("Vellarmo-copia-2026-12-10-140509/2024.ric"), "earlier copy");
    QFile::link(data.path(), stick.file("collegamento"));

    const struct {
        const char* name;
        QString destination;
        CopyOutcome::Kind kind;
    } cases[] = {
        {"the data folder", data.path(), CopyOutcome::InsideDataFolder},
        {"a folder inside it", data.file("sotto"), CopyOutcome::InsideDataFolder},
        {"a link to it", stick.file("collegamento"), CopyOutcome::InsideDataFolder},
        {"a folder that is not there", stick.file("manca"), CopyOutcome::NoDestination},
        {"an earlier copy of the same second", stick.path(), CopyOutcome::AlreadyThere},
    };
    const QMap<QString, QByteArray> before = fixture::contents(data.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CopyOutcome outcome = backup::makeCopy(data.folder(), c.destination, kWhen);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_FALSE(backup::copyMessage(outcome).isEmpty());
    }
    EXPECT_EQ(fixture::contents(data.path()), before);
    EXPECT_EQ(fixture::contents(stick.file("Vellarmo-copia-2026-12-10-140509")).value("2024.ric"),
              "earlier copy");
    CopyOutcome inside;
    inside.kind = CopyOutcome::InsideDataFolder;
    EXPECT_EQ(backup::copyMessage(inside),
              QStringLiteral("Attenzione: la copia di sicurezza non può stare nella cartella dei "
                             "dati. Scegliere un'altra cartella, per esempio su una chiavetta "
                             "USB."));
}

TEST(BackupCopy, ReadOnlyDestinationMakesNothing) {
    TestFolder data;
    TestFolder stick;
    fixture::fillDataFolder(data.path());
    QDir(stick.path()).mkdir("chiavetta");
    CopyOutcome outcome;
    {
        // The data stay readable; only the stick cannot be written.
        ReadOnlyScope readOnly({stick.file("chiavetta"), data.path()});
        outcome = backup::makeCopy(data.folder(), stick.file("chiavetta"), kWhen);
    }
    EXPECT_EQ(outcome.kind, CopyOutcome::NotCreated);
    EXPECT_TRUE(entriesOf(stick.file("chiavetta")).isEmpty());
    EXPECT_TRUE(backup::copyMessage(outcome).startsWith(
        QStringLiteral("Attenzione: non è stato possibile creare la cartella")));
}

TEST(BackupCopy, FullDiskEndsInAClearMessageAndLeavesNoCopy) {
    FullDisk disk(512);
    REQUIRE_FULL_DISK(disk);
    TestFolder data;
    fixture::fillDataFolder(data.path(), 300); // about 900 KB of distinte
    const CopyOutcome outcome = backup::makeCopy(data.folder(), disk.path(), kWhen);
    EXPECT_EQ(outcome.kind, CopyOutcome::WriteFailed);
    EXPECT_EQ(outcome.file, "2024.ric");
    EXPECT_EQ(outcome.leftover, CopyOutcome::Removed);
    EXPECT_TRUE(entriesOf(disk.path()).isEmpty()) << entriesOf(disk.path()).join(' ').toStdString();
    EXPECT_EQ(backup::copyMessage(outcome),
              QStringLiteral("Attenzione: la scrittura della copia di sicurezza non è riuscita "
                             "(file 2024.ric). Il disco potrebbe essere pieno o essere stato "
                             "scollegato. La copia non è valida. La copia incompleta è stata "
                             "eliminata."));
}

TEST(BackupCopy, CancellingLeavesNoHalfCopy) {
    TestFolder data;
    TestFolder stick;
    fixture::fillDataFolder(data.path(), 2000);
    int steps = 0;
    const CopyOutcome outcome =
        backup::makeCopy(data.folder(), stick.path(), kWhen, [&](qint64 done, qint64 total) {
            EXPECT_LE(done, total);
            return ++steps < 2;
        });
    EXPECT_EQ(outcome.kind, CopyOutcome::Cancelled);
    EXPECT_EQ(outcome.leftover, CopyOutcome::Removed);
    EXPECT_TRUE(entriesOf(stick.path()).isEmpty());
    EXPECT_EQ(backup::copyMessage(outcome),
              QStringLiteral("Copia di sicurezza annullata. La copia incompleta è stata "
                             "eliminata."));
}

// A stick that lets the copy be renamed but not emptied (here: the copy
// folder turned read-only for an unprivileged user at the first progress
// step): the unfinished copy cannot be removed, so it is renamed and the
// message says it must not be used.
TEST(BackupCopy, UnfinishedCopyThatCannotBeRemovedIsRenamedIncomplete) {
    TestFolder data;
    TestFolder stick;
    fixture::fillDataFolder(data.path(), 2000);
    // Writable by anyone (the group too, which stays root's), so that the
    // unprivileged user may rename in it.
    ASSERT_TRUE(QFile::setPermissions(
        stick.path(), QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser |
                          QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                          QFileDevice::ReadOther | QFileDevice::WriteOther |
                          QFileDevice::ExeOther));
    const QString copy = QDir(stick.path()).filePath(backup::copyFolderName(kWhen));
    std::optional<ReadOnlyScope> readOnly;
    const CopyOutcome outcome =
        backup::makeCopy(data.folder(), stick.path(), kWhen, [&](qint64, qint64) {
            readOnly.emplace(QStringList{copy});
            return false;
        });
    readOnly.reset();
    EXPECT_EQ(outcome.kind, CopyOutcome::Cancelled);
    ASSERT_EQ(outcome.leftover, CopyOutcome::RenamedIncomplete);
    EXPECT_EQ(outcome.folder, copy + "-INCOMPLETA");
    EXPECT_EQ(entriesOf(stick.path()), QStringList{QFileInfo(copy).fileName() + "-INCOMPLETA"});
    EXPECT_EQ(backup::copyMessage(outcome),
              QStringLiteral("Copia di sicurezza annullata. La copia incompleta non si è potuta "
                             "eliminare ed è stata rinominata %1: non va usata.")
                  .arg(QDir::toNativeSeparators(copy + "-INCOMPLETA")));
}

namespace {
constexpr int kAppended = 200;
} // namespace

// A second desk: saves kAppended distinte into the archive, one by one.
TEST_CHILD(AppendWhileCopying) {
    const DistintaArchive archive(args.at(0));
    for (int i = 0; i < kAppended; ++i) {
        if (!archive.save(fixture::cleanDistinta(1000 + i), DistintaArchive::kNotStored).ok)
            return 1;
    }
    return 0;
}

TEST(BackupCopy, CopyDuringAnotherDesksAppendsHoldsWholeRecordsOnly) {
    TestFolder data;
    TestFolder stick;
    fixture::fillDataFolder(data.path());
    const qint64 before = 3;
    auto desk = startChild(QStringLiteral("AppendWhileCopying"), {data.file("2024.ric")});
    QList<qint64> counts;
    QDateTime when = kWhen;
    // Copies one after the other for as long as the other desk writes, and
    // one more after it has finished.
    for (bool running = true; running;) {
        running = desk->state() != QProcess::NotRunning;
        const CopyOutcome outcome = backup::makeCopy(data.folder(), stick.path(), when);
        when = when.addSecs(1);
        ASSERT_TRUE(outcome.ok()) << outcome.reason.toStdString();
        const QByteArray archive = fixture::contents(outcome.folder).value("2024.ric");
        ASSERT_EQ(archive.size() % Ricevuta::kRecordSize, 0) << archive.size();
        for (qint64 p = 0; p < archive.size() / Ricevuta::kRecordSize; ++p) {
            const Ricevuta d =
                Ricevuta::decode(archive.mid(p * Ricevuta::kRecordSize, Ricevuta::kRecordSize));
            ASSERT_EQ(d, fixture::cleanDistinta(p < before ? p + 1 : 1000 + p - before));
        }
        ASSERT_EQ(fixture::sha256sumCheck(outcome.folder), 0);
        counts.append(archive.size() / Ricevuta::kRecordSize);
        desk->waitForFinished(0);
    }
    ASSERT_EQ(desk->exitCode(), 0);
    EXPECT_EQ(counts.last(), before + kAppended);
    EXPECT_GE(counts.size(), 2);
}
