#include "tariff/TariffFile.h"

#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tariff;
using Status = ReadResult::Status;

namespace {
const QString kEntry = QStringLiteral("Marca da bollo") + QString(36, u' ') +
                       QStringLiteral("    Prezzo: \u20AC 16,00");
} // namespace

TEST(TariffFile, WritesWindows1252WithCrLfAndNoBom) {
    const QByteArray bytes = encodeTariffText({QStringLiteral("A \u20AC"), QString(), kEntry});
    QByteArray expected("A \x80\r\n\r\n");
    expected.append(QByteArray("Marca da bollo") + QByteArray(36, ' ') +
                    QByteArray("    Prezzo: \x80 16,00\r\n"));
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(encodeTariffText({}), QByteArray());
}

TEST(TariffFile, ReadsEveryEncodingAndLineEnd) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList lines;
    };
    const QStringList twoLines{QStringLiteral("Prezzo: \u20AC 1,20"), QStringLiteral("Bollo")};
    QByteArray utf16le("\xFF\xFE", 2);
    QByteArray utf16be("\xFE\xFF", 2);
    for (QChar c : QStringLiteral("Prezzo: \u20AC 1,20\rBollo\r")) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    const Case cases[] = {
        {"Windows-1252, CR LF", QByteArray("Prezzo: \x80 1,20\r\nBollo\r\n"), twoLines},
        {"LF only, no final line end", QByteArray("Prezzo: \x80 1,20\nBollo"), twoLines},
        {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBFPrezzo: \xE2\x82\xAC 1,20\r\nBollo\r\n"),
         twoLines},
        {"UTF-16 LE with BOM, CR only", utf16le, twoLines},
        {"UTF-16 BE with BOM, CR only", utf16be, twoLines},
        {"lines trimmed, empty lines kept",
         QByteArray("  Bollo \t\r\n\r\n\r\nX\r\n"),
         {QStringLiteral("Bollo"), QString(), QString(), QStringLiteral("X")}},
        {"empty file", QByteArray(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<QStringList> lines = decodeTariffText(c.bytes);
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(*lines, c.lines);
    }
}

TEST(TariffFile, BinaryOrMisencodedBytesAreNotAList) {
    EXPECT_FALSE(decodeTariffText(QByteArray("GIF89a\x01\x00\x01\x00\x80", 11)));
    EXPECT_FALSE(decodeTariffText(QByteArray("\xEF\xBB\xBF"
                                             "Bollo \xC3\x28",
                                             10)));
    EXPECT_FALSE(decodeTariffText(QByteArray("\xEF\xBB\xBF"
                                             "Bollo \xE2\x82",
                                             11)));
    EXPECT_FALSE(decodeTariffText(QByteArray("\xFF\xFE\x41", 3)));
}

TEST(TariffFile, WrittenListReadsBackTheSame) {
    TestFolder dir;
    const QString path = dir.file(tariffFileName());
    const QStringList lines{kEntry, QString(), QStringLiteral("Carta \u00E0 mano")};
    ASSERT_TRUE(writeTariffFile(path, lines).ok);
    const ReadResult read = readTariffFile(path);
    EXPECT_EQ(read.status, Status::Ok);
    EXPECT_EQ(read.lines, lines);

    ASSERT_TRUE(writeTariffFile(path, {}).ok);
    EXPECT_EQ(dir.readBytes(tariffFileName()), QByteArray());
    EXPECT_EQ(readTariffFile(path).status, Status::Ok);
}

TEST(TariffFile, ReadReportsWhyThereIsNoList) {
    TestFolder dir;
    const QString path = dir.file(tariffFileName());
    EXPECT_EQ(readTariffFile(path).status, Status::Missing);

    dir.writeBytes(tariffFileName(), QByteArray("\x00\x01\x02\x03", 4));
    EXPECT_EQ(readTariffFile(path).status, Status::Damaged);

    // Something that exists under the name but cannot be read as a file.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(readTariffFile(path).status, Status::Unreadable);
}

TEST(TariffFile, FailedWriteLeavesThePreviousFileIntact) {
    TestFolder dir;
    const QString path = dir.file(tariffFileName());
    dir.writeBytes(tariffFileName(), "Vecchia voce\r\n");
    {
        const ReadOnlyScope readOnly({dir.path(), path});
        const WriteResult result = writeTariffFile(path, {QStringLiteral("Nuova voce")});
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
    }
    EXPECT_EQ(dir.readBytes(tariffFileName()), QByteArray("Vecchia voce\r\n"));
}
