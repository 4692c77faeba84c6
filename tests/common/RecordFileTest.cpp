#include "common/RecordFile.h"

#include "common/FixedField.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr int kSize = 10;

QByteArray record(char fill) {
    return QByteArray(kSize, fill);
}

} // namespace

TEST(FixedField, EncodeTrimsConvertsCutsAndZeroFills) {
    const FieldSpec field{"F", 5, 2};
    QByteArray bytes(9, '\xFF');
    fixedfield::encode(bytes.data(), field, QStringLiteral("  àbcdefg "));
    EXPECT_EQ(bytes, QByteArray("\xFF\xFF\x05\xE0"
                                "bcde\xFF",
                                9));
    fixedfield::encode(bytes.data(), field, QStringLiteral("x"));
    EXPECT_EQ(bytes, QByteArray("\xFF\xFF\x01x\0\0\0\0\xFF", 9));
}

TEST(FixedField, DecodeNeverReadsPastTheFieldOrTheRecord) {
    const FieldSpec field{"F", 3, 0};
    const struct {
        QByteArray record;
        QString text;
    } cases[] = {
        {QByteArray("\x02"
                    "abcNEXT"),
         QStringLiteral("ab")},
        {QByteArray("\xFF"
                    "abcNEXT"),
         QStringLiteral("abc")},
        {QByteArray("\x02 ac"), QStringLiteral("a")},
        {QByteArray("\x03\x80\xE8\x81"), QStringLiteral("\u20AC\u00E8\u0081")},
        // A record too short for the field (a caller's mistake) reads as empty.
        {QByteArray("\x02"
                    "a"),
         QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.toHex().constData());
        EXPECT_EQ(fixedfield::decode(c.record, field), c.text);
        fixedfield::FieldChars chars;
        EXPECT_EQ(fixedfield::decodeInto(c.record, field, chars), c.text);
    }
}

TEST(RecordFile, MissingFileIsCreatedEmpty) {
    TestFolder dir;
    RecordFile file(dir.file("2024.ric"), kSize);
    ASSERT_TRUE(file.open());
    EXPECT_EQ(file.count(), 0);
    file.close();
    EXPECT_TRUE(dir.exists("2024.ric"));
    EXPECT_EQ(dir.readBytes("2024.ric").size(), 0);
}

TEST(RecordFile, PartialTrailingRecordIsIgnoredAndOverwrittenByAppend) {
    TestFolder dir;
    dir.writeBytes("a", record('1') + record('2') + record('3') + QByteArray(4, 'x'));
    RecordFile file(dir.file("a"), kSize);
    ASSERT_TRUE(file.open());
    EXPECT_EQ(file.count(), 3);
    QByteArray got;
    EXPECT_FALSE(file.read(4, &got));
    EXPECT_EQ(file.append(record('4')), 4);
    EXPECT_EQ(file.count(), 4);
    file.close();
    EXPECT_EQ(dir.readBytes("a"), record('1') + record('2') + record('3') + record('4'));
}

TEST(RecordFile, WriteReplacesOneRecordInPlace) {
    TestFolder dir;
    dir.writeBytes("a", record('1') + record('2') + record('3'));
    RecordFile file(dir.file("a"), kSize);
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write(2, record('B')));
    EXPECT_FALSE(file.write(4, record('D')));
    EXPECT_FALSE(file.write(0, record('D')));
    EXPECT_FALSE(file.write(1, QByteArray(kSize - 1, 'x')));
    QByteArray got;
    ASSERT_TRUE(file.read(2, &got));
    EXPECT_EQ(got, record('B'));
    file.close();
    EXPECT_EQ(dir.readBytes("a"), record('1') + record('B') + record('3'));
}

TEST(RecordFile, ScanVisitsEveryRecordInOrderAcrossBlocks) {
    TestFolder dir;
    // More records than one scan block holds, plus a partial tail.
    constexpr int kBig = 3053;
    constexpr int kRecords = 700;
    QByteArray bytes;
    for (int i = 0; i < kRecords; ++i)
        bytes += QByteArray(kBig, char('A' + i % 26));
    dir.writeBytes("big", bytes + "tail");
    RecordFile file(dir.file("big"), kBig);
    ASSERT_TRUE(file.open());
    qint64 expected = 1;
    EXPECT_TRUE(file.scan([&](qint64 position, QByteArrayView r) {
        EXPECT_EQ(position, expected);
        EXPECT_EQ(r.size(), kBig);
        EXPECT_EQ(r[kBig - 1], char('A' + (position - 1) % 26));
        ++expected;
        return true;
    }));
    EXPECT_EQ(expected, kRecords + 1);
    int visited = 0;
    EXPECT_TRUE(file.scan([&](qint64, QByteArrayView) { return ++visited < 3; }, 600));
    EXPECT_EQ(visited, 3);
}

TEST(RecordFile, ReadOnlyArchiveIsReadAndRefusesEveryWrite) {
    TestFolder dir;
    const QByteArray original = record('1') + "xyz";
    dir.writeBytes("a", original);
    {
        ReadOnlyScope readOnly({dir.file("a")});
        RecordFile file(dir.file("a"), kSize);
        ASSERT_TRUE(file.open());
        EXPECT_TRUE(file.isReadOnly());
        EXPECT_EQ(file.count(), 1);
        QByteArray got;
        EXPECT_TRUE(file.read(1, &got));
        EXPECT_EQ(file.append(record('2')), 0);
        EXPECT_FALSE(file.write(1, record('3')));
        EXPECT_TRUE(file.errorString().contains("read-only"));
    }
    EXPECT_EQ(dir.readBytes("a"), original);
}

TEST(RecordFile, MissingArchiveInAReadOnlyFolderCannotBeOpened) {
    TestFolder dir;
    ReadOnlyScope readOnly({dir.path()});
    RecordFile file(dir.file("a"), kSize);
    EXPECT_FALSE(file.open());
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_EQ(file.count(), -1);
}
