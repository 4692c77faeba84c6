#include "distinte/DistintaArchive.h"

#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

namespace {

using Step = DistintaArchive::Step;
using Move = DistintaArchive::Move;

Ricevuta numbered(int n) {
    Ricevuta d;
    d.numRic = QString::number(n);
    d.acqRigo[0] = QStringLiteral("Acquirente %1").arg(n);
    d.saldato = kSaldatoNo;
    return d;
}

// An archive with distinte 1..count.
QString archiveWith(const TestFolder& dir, int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += numbered(n).encode();
    dir.writeBytes(QStringLiteral("2024.ric"), bytes);
    return dir.file(QStringLiteral("2024.ric"));
}

} // namespace

TEST(DistintaArchive, FirstSaveAppendsAndTheNextRewritesTheSameRecord) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 2));

    Ricevuta d = numbered(3);
    const auto first = archive.save(d, u"");
    EXPECT_TRUE(first.ok);
    EXPECT_TRUE(first.appended);
    EXPECT_EQ(first.position, 3);

    d.saldato = kSaldatoSi;
    const auto second = archive.save(d, QString::number(first.position));
    EXPECT_TRUE(second.ok);
    EXPECT_FALSE(second.appended);
    EXPECT_EQ(second.position, 3);

    EXPECT_EQ(archive.count(), 3);
    const Move last = archive.move(Step::Last, u"");
    EXPECT_EQ(last.distinta, d);
}

TEST(DistintaArchive, SaveAtAPositionThatIsNotThereFails) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 1));
    for (const char16_t* label : {u"5", u"0", u"abc"})
        EXPECT_FALSE(archive.save(numbered(9), label).ok)
            << QString::fromUtf16(label).toStdString();
    EXPECT_EQ(archive.count(), 1);
}

TEST(DistintaArchive, MovesAtBothEndsAndFromABlankPosition) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 3));
    const struct {
        Step step;
        const char16_t* label;
        Move::Kind kind;
        qint64 position;
    } cases[] = {
        {Step::First, u"", Move::Loaded, 1},        {Step::First, u"3", Move::Loaded, 1},
        {Step::Last, u"", Move::Loaded, 3},         {Step::Last, u"1", Move::Loaded, 3},
        {Step::Next, u"", Move::Loaded, 1},         {Step::Next, u"1", Move::Loaded, 2},
        {Step::Next, u"3", Move::Nothing, 0},       {Step::Previous, u"", Move::Loaded, 1},
        {Step::Previous, u"3", Move::Loaded, 2},    {Step::Previous, u"1", Move::Nothing, 0},
        {Step::Previous, u" 1 ", Move::Nothing, 0}, {Step::Next, u"x", Move::Failed, 0},
    };
    for (const auto& c : cases) {
        const Move move = archive.move(c.step, c.label);
        SCOPED_TRACE(QString::fromUtf16(c.label).toStdString() + " step " +
                     std::to_string(int(c.step)));
        EXPECT_EQ(move.kind, c.kind);
        if (c.kind == Move::Loaded) {
            EXPECT_EQ(move.position, c.position);
            EXPECT_EQ(move.distinta, numbered(int(c.position)));
        }
    }
}

TEST(DistintaArchive, EmptyArchiveIsCreatedAndOnlyNextForgetsThePosition) {
    TestFolder dir;
    const DistintaArchive archive(dir.file(QStringLiteral("2031.ric")));
    for (Step step : {Step::First, Step::Previous, Step::Last}) {
        const Move move = archive.move(step, u"");
        EXPECT_EQ(move.kind, Move::Empty);
        EXPECT_FALSE(move.clearPosition);
    }
    const Move next = archive.move(Step::Next, u"4");
    EXPECT_EQ(next.kind, Move::Empty);
    EXPECT_TRUE(next.clearPosition);
    EXPECT_TRUE(dir.exists(QStringLiteral("2031.ric")));
    EXPECT_EQ(archive.count(), 0);
}
