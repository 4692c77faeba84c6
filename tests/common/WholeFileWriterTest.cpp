#include "common/WholeFileWriter.h"

#include "common/CheckedDevice.h"
#include "support/FailDevice.h"
#include "support/FullDisk.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Everything in the folder except what the test put there itself.
QStringList leftovers(const QString& folder, const QStringList& expected) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : expected)
        names.removeAll(name);
    names.removeAll(QStringLiteral(".filler"));
    return names;
}

} // namespace

TEST(WholeFileWriter, ReplacesTheFileAndKeepsItsPermissions) {
    TestFolder dir;
    dir.writeBytes("a.ini", "old content that is longer");
    QFile::setPermissions(dir.file("a.ini"), QFile::ReadOwner | QFile::WriteOwner);

    WholeFileWriter writer(dir.file("a.ini"));
    ASSERT_TRUE(writer.open());
    // Many small writes, as a PDF or spreadsheet writer makes them.
    for (int i = 0; i < 50000; ++i)
        writer.device().write("x", 1);
    ASSERT_TRUE(writer.commit()) << writer.errorString().toStdString();

    EXPECT_EQ(dir.readBytes("a.ini"), QByteArray(50000, 'x'));
    EXPECT_EQ(QFile::permissions(dir.file("a.ini")) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(leftovers(dir.path(), {"a.ini"}), QStringList());

    // A missing file is created.
    EXPECT_TRUE(writeWholeFile(dir.file("new.lst"), "abc"));
    EXPECT_EQ(dir.readBytes("new.lst"), "abc");
}

TEST(WholeFileWriter, CancelOrAbandonLeavesTheOldFile) {
    TestFolder dir;
    dir.writeBytes("a.ini", "old");
    {
        WholeFileWriter writer(dir.file("a.ini"));
        ASSERT_TRUE(writer.open());
        writer.device().write("new");
        writer.cancel();
        EXPECT_EQ(dir.readBytes("a.ini"), "old");
        ASSERT_TRUE(writer.open());
        writer.device().write("newer");
        // Gone out of scope without commit().
    }
    EXPECT_EQ(dir.readBytes("a.ini"), "old");
    EXPECT_EQ(leftovers(dir.path(), {"a.ini"}), QStringList());
}

TEST(WholeFileWriter, RefusesWhatItCannotReplaceSafely) {
    TestFolder dir;
    dir.writeBytes("readonly.ini", "old");
    QDir(dir.path()).mkdir("folder");
    QDir(dir.path()).mkdir("shut");
    dir.writeBytes("shut/a.ini", "old");

    ReadOnlyScope readOnly({dir.file("readonly.ini"), dir.file("shut")});
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"read-only file", dir.file("readonly.ini")},
        {"read-only folder", dir.file("shut/a.ini")},
        {"a folder, not a file", dir.file("folder")},
        {"missing folder", dir.file("missing/a.ini")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(writeWholeFile(c.path, "new", &error));
        EXPECT_TRUE(error.startsWith(c.path)) << error.toStdString();
    }
    EXPECT_EQ(readAll(dir.file("readonly.ini")), "old");
    EXPECT_EQ(readAll(dir.file("shut/a.ini")), "old");
    EXPECT_TRUE(QFileInfo(dir.file("folder")).isDir());
}

// A name of 255 bytes, the file system's limit, is written: the temporary
// name beside it does not grow from it.
TEST(WholeFileWriter, WritesNamesUpToTheFileSystemsLimit) {
    TestFolder dir;
    const QString name = QString(251, QLatin1Char('n')) + QStringLiteral(".pdf");
    for (const QByteArray& content : {QByteArray("first"), QByteArray("second")}) {
        QString error;
        EXPECT_TRUE(writeWholeFile(dir.file(name), content, &error)) << error.toStdString();
        EXPECT_EQ(dir.readBytes(name), content);
    }
    EXPECT_EQ(leftovers(dir.path(), {name}), QStringList());
}

// Refuse: a link, dangling or not, is not written through, and the file it
// points at stays as it was.
TEST(WholeFileWriter, RefusedLinksAreNotWrittenThrough) {
    TestFolder dir;
    TestFolder elsewhere;
    elsewhere.writeBytes("theirs.txt", "theirs");
    ASSERT_TRUE(QFile::link(elsewhere.file("theirs.txt"), dir.file("link.pdf")));
    ASSERT_TRUE(QFile::link(elsewhere.file("none.txt"), dir.file("dangling.pdf")));
    for (const char* link : {"link.pdf", "dangling.pdf"}) {
        WholeFileWriter writer(dir.file(QString::fromLatin1(link)), WholeFileWriter::Links::Refuse);
        EXPECT_FALSE(writer.open()) << link;
    }
    EXPECT_EQ(elsewhere.readBytes("theirs.txt"), "theirs");
    EXPECT_FALSE(elsewhere.exists("none.txt"));
    EXPECT_EQ(leftovers(dir.path(), {"link.pdf", "dangling.pdf"}), QStringList());

    // A link planted after open() is replaced itself, never followed.
    WholeFileWriter writer(dir.file("late.pdf"), WholeFileWriter::Links::Refuse);
    ASSERT_TRUE(writer.open());
    writer.device().write("mine");
    ASSERT_TRUE(QFile::link(elsewhere.file("theirs.txt"), dir.file("late.pdf")));
    ASSERT_TRUE(writer.commit());
    EXPECT_FALSE(QFileInfo(dir.file("late.pdf")).isSymLink());
    EXPECT_EQ(dir.readBytes("late.pdf"), "mine");
    EXPECT_EQ(elsewhere.readBytes("theirs.txt"), "theirs");
}

// Writes made with a full disk must fail and leave the old file byte for byte,
// however the content is written: in one block or in many small writes (small
// writes are the ones a buffered writer used to lose without a word).
TEST(WholeFileWriter, FullDiskLeavesTheOldFileAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const QByteArray old = QByteArray(5000, 'o');
    QFile seed(disk.file("a.ini"));
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    ASSERT_EQ(seed.write(old), old.size());
    seed.close();

    for (const qint64 leave : {qint64(0), qint64(4096)}) {
        SCOPED_TRACE(leave);
        disk.fill(leave);
        QString error;
        EXPECT_FALSE(writeWholeFile(disk.file("a.ini"), QByteArray(20000, 'n'), &error));
        EXPECT_FALSE(error.isEmpty());

        WholeFileWriter writer(disk.file("a.ini"));
        ASSERT_TRUE(writer.open());
        for (int i = 0; i < 2000; ++i)
            writer.device().write("0123456789");
        EXPECT_FALSE(writer.commit());
        EXPECT_FALSE(writer.errorString().isEmpty());

        EXPECT_EQ(readAll(disk.file("a.ini")), old);
        EXPECT_EQ(leftovers(disk.path(), {"a.ini"}), QStringList());
        disk.release();
    }
    // With the space back the same write goes through.
    EXPECT_TRUE(writeWholeFile(disk.file("a.ini"), "new"));
    EXPECT_EQ(readAll(disk.file("a.ini")), "new");
}

TEST(CheckedDevice, RemembersTheFirstFailedWrite) {
    // Written in one go, in pieces smaller than a block, or in pieces that
    // straddle the point where the device fills up: the failure must show.
    for (const int piece : {10000, 7, 300}) {
        SCOPED_TRACE(piece);
        FailDevice inner(1000);
        inner.open(QIODevice::WriteOnly);
        CheckedDevice device(inner, 256);
        device.open(QIODevice::WriteOnly);
        const QByteArray content(10000, 'c');
        for (qsizetype at = 0; at < content.size(); at += piece)
            device.write(content.mid(at, piece));
        EXPECT_FALSE(device.finish());
        EXPECT_TRUE(device.failed());
        EXPECT_EQ(device.failure(), "No space left on device");
        EXPECT_EQ(device.written(), 1000);
        EXPECT_EQ(device.write("more"), -1);
    }
    FailDevice roomy(1000);
    roomy.open(QIODevice::WriteOnly);
    CheckedDevice device(roomy, 256);
    device.open(QIODevice::WriteOnly);
    device.write(QByteArray(999, 'c'));
    device.write("d");
    EXPECT_TRUE(device.finish());
    EXPECT_EQ(roomy.data(), QByteArray(999, 'c') + 'd');
}
