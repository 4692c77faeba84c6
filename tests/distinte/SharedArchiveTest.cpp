#include "common/FileLock.h"
#include "common/RecordFile.h"
#include "distinte/DistintaArchive.h"
#include "support/ArchiveBytes.h"
#include "support/ChildProcess.h"
#include "support/DistintaBuilder.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <QSet>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

// A distinta whose every field carries the same mark, so that a record made
// of two desks' halves shows up as mixed marks.
Ricevuta marked(const QString& mark) {
    DistintaBuilder d(mark);
    d.date(QStringLiteral("01/02/2024"))
        .reseller(mark, QStringList(Ricevuta::kPartyLines, mark))
        .payment(mark)
        .buyer(QStringList(Ricevuta::kPartyLines, mark + QString(100, u'a')))
        .total(QStringLiteral("10,00"));
    for (int i = 0; i < Ricevuta::kLines; ++i)
        d.line(i, QStringLiteral("1"), mark + QString(100, u'd'), QStringLiteral("1,00"),
               QStringLiteral("1,00"));
    return d;
}

constexpr int kPerDesk = 300;

} // namespace

// One desk: saves kPerDesk new distinte into the archive and prints the
// position each save reported. A save refused because the other desk kept the
// lock past the bounded wait (a loaded machine) writes nothing and is tried
// again, as the user presses Salva again.
TEST_CHILD(AppendDistinte) {
    const DistintaArchive archive(args.at(0));
    for (int i = 0; i < kPerDesk; ++i) {
        const Ricevuta distinta = marked(QStringLiteral("%1-%2").arg(args.at(1)).arg(i));
        DistintaArchive::Saved saved = archive.save(distinta, DistintaArchive::kNotStored);
        for (int again = 0; !saved.ok && again < 20; ++again)
            saved = archive.save(distinta, DistintaArchive::kNotStored);
        if (!saved.ok)
            return 1;
        printf("%s-%d %lld\n", qPrintable(args.at(1)), i, static_cast<long long>(saved.position));
    }
    fflush(stdout);
    return 0;
}

TEST(SharedArchive, TwoDesksAppendingLoseNothing) {
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("2024.ric"));
    auto deskA = startChild(QStringLiteral("AppendDistinte"), {path, QStringLiteral("A")});
    auto deskB = startChild(QStringLiteral("AppendDistinte"), {path, QStringLiteral("B")});
    for (QProcess* desk : {deskA.get(), deskB.get()}) {
        ASSERT_TRUE(desk->waitForFinished(120000));
        ASSERT_EQ(desk->exitCode(), 0);
    }

    // Every reported position holds the distinta that was saved there.
    const DistintaArchive archive(path);
    QSet<qint64> positions;
    for (QProcess* desk : {deskA.get(), deskB.get()}) {
        const QList<QByteArray> lines = desk->readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            if (line.isEmpty())
                continue;
            const QList<QByteArray> parts = line.split(' ');
            positions.insert(parts.at(1).toLongLong());
        }
    }
    EXPECT_EQ(positions.size(), 2 * kPerDesk);
    ASSERT_EQ(archive.count(), 2 * kPerDesk);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QSet<QString> seen;
    for (qint64 p = 1; p <= 2 * kPerDesk; ++p) {
        const Ricevuta d = Ricevuta::decode(file.read(Ricevuta::kRecordSize));
        EXPECT_EQ(d, marked(d.numRic)) << "torn record at " << p;
        seen.insert(d.numRic);
    }
    EXPECT_EQ(seen.size(), 2 * kPerDesk);
    EXPECT_EQ(file.size(), 2 * kPerDesk * Ricevuta::kRecordSize);
}

TEST(SharedArchive, PositionReportedIsWhereTheRecordWentAfterAnotherDeskAppended) {
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("2024.ric"));
    RecordFile mine(path, Ricevuta::kRecordSize);
    ASSERT_TRUE(mine.open());
    // The other desk appends after this desk opened the file.
    ASSERT_EQ(DistintaArchive(path).save(marked("other"), DistintaArchive::kNotStored).position, 1);
    EXPECT_EQ(mine.append(marked("mine").encode()), 2);
    mine.close();
    EXPECT_EQ(DistintaArchive(path)
                  .move(DistintaArchive::Step::Last, DistintaArchive::kNotStored)
                  .distinta.numRic,
              "mine");
}

TEST(SharedArchive, WriteWaitsBoundedForTheLockThenFailsWritingNothing) {
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("2024.ric"));
    dir.writeBytes(QStringLiteral("2024.ric"), marked("1").encode());
    const QByteArray before = dir.readBytes(QStringLiteral("2024.ric"));

    QFile otherDesk(path);
    ASSERT_TRUE(otherDesk.open(QIODevice::ReadWrite));
    FileLock held(otherDesk);
    ASSERT_TRUE(held.lock(0));

    RecordFile file(path, Ricevuta::kRecordSize);
    ASSERT_TRUE(file.open());
    file.setLockWait(100);
    EXPECT_EQ(file.append(marked("2").encode()), 0);
    EXPECT_FALSE(file.write(1, marked("3").encode()));
    EXPECT_TRUE(file.errorString().contains("locked")) << file.errorString().toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("2024.ric")), before);

    // Once the other desk lets go, the same write goes through.
    held.unlock();
    EXPECT_EQ(file.append(marked("2").encode()), 2);
}

// A file system that takes no locks (an NFS mount without its lock service,
// some network shares) still saves, without coordination, and says so; a
// lock that is only busy still refuses.
TEST(SharedArchive, AFileSystemWithoutLocksStillSavesUncoordinated) {
    for (const int error : {ENOLCK, EOPNOTSUPP, EINVAL, ENOSYS}) {
        SCOPED_TRACE(error);
        TestFolder dir;
        const QString path = dir.file(QStringLiteral("2024.ric"));
        const InjectedLockFailure noLocks(error);
        RecordFile file(path, Ricevuta::kRecordSize);
        ASSERT_TRUE(file.open());
        EXPECT_FALSE(file.uncoordinated());
        EXPECT_EQ(file.append(marked("1").encode()), 1);
        EXPECT_TRUE(file.write(1, marked("2").encode()));
        EXPECT_TRUE(file.uncoordinated());
        file.close();
        EXPECT_EQ(dir.readBytes(QStringLiteral("2024.ric")), marked("2").encode());

        const DistintaArchive::Saved saved =
            DistintaArchive(path).save(marked("3"), DistintaArchive::kNotStored);
        EXPECT_TRUE(saved.ok);
        EXPECT_EQ(saved.position, 2);
        EXPECT_TRUE(saved.uncoordinated);
    }

    TestFolder dir;
    const QString path = dir.file(QStringLiteral("2024.ric"));
    dir.writeBytes(QStringLiteral("2024.ric"), marked("1").encode());
    {
        const InjectedLockFailure busy(EAGAIN);
        RecordFile file(path, Ricevuta::kRecordSize);
        ASSERT_TRUE(file.open());
        file.setLockWait(0);
        EXPECT_EQ(file.append(marked("2").encode()), 0);
        EXPECT_FALSE(file.write(1, marked("3").encode()));
        EXPECT_FALSE(file.uncoordinated());
    }
    EXPECT_EQ(dir.readBytes(QStringLiteral("2024.ric")), marked("1").encode());
    // The guard gone, locks are the system's again and nothing is said.
    const DistintaArchive::Saved saved =
        DistintaArchive(path).save(marked("2"), DistintaArchive::kNotStored);
    EXPECT_TRUE(saved.ok);
    EXPECT_FALSE(saved.uncoordinated);
}

// A write-protected stick or a backup copy: every reading command works, only
// saving fails, and the file keeps its bytes.
TEST(SharedArchive, ReadOnlyArchiveCanBeBrowsedButNotChanged) {
    TestFolder dir;
    const QByteArray bytes = archiveBytes(QList<Ricevuta>{
        marked(QStringLiteral("1")), marked(QStringLiteral("2")), marked(QStringLiteral("3"))});
    dir.writeBytes(QStringLiteral("2024.ric"), bytes);
    const QString path = dir.file(QStringLiteral("2024.ric"));
    const DistintaArchive archive(path);

    ReadOnlyScope readOnly({path});
    EXPECT_EQ(archive.count(), 3);
    EXPECT_EQ(
        archive.move(DistintaArchive::Step::Last, DistintaArchive::kNotStored).distinta.numRic,
        "3");
    EXPECT_EQ(archive.move(DistintaArchive::Step::Previous, 3).distinta.numRic, "2");
    EXPECT_FALSE(archive.save(marked("4"), DistintaArchive::kNotStored).ok);
    EXPECT_FALSE(archive.save(marked("x"), 2).ok);
    EXPECT_EQ(dir.readBytes(QStringLiteral("2024.ric")), bytes);
}

TEST(SharedArchive, FullDiskAppendLeavesNoPartialRecord) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.file(QStringLiteral("2024.ric"));
    // Two records end 2 KiB into a page: the third fits in part only.
    const DistintaArchive archive(path);
    ASSERT_TRUE(archive.save(marked("1"), DistintaArchive::kNotStored).ok);
    ASSERT_TRUE(archive.save(marked("2"), DistintaArchive::kNotStored).ok);
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    disk.fill();

    EXPECT_FALSE(archive.save(marked("3"), DistintaArchive::kNotStored).ok);
    EXPECT_EQ(archive.count(), 2);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    // A rewrite in place needs no new space and still works.
    EXPECT_TRUE(archive.save(marked("2b"), 2).ok);
}
