#include "distinte/DistintaArchive.h"

#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

namespace {

using Step = DistintaArchive::Step;
using Move = DistintaArchive::Move;

Ricevuta numbered(int n) {
    return DistintaBuilder(QString::number(n)).buyer({QStringLiteral("Acquirente %1").arg(n)});
}

// An archive with distinte 1..count.
QString archiveWith(const TestFolder& dir, int count) {
    QList<Ricevuta> distinte;
    for (int n = 1; n <= count; ++n)
        distinte.append(numbered(n));
    dir.writeBytes(QStringLiteral("2024.ric"), archiveBytes(distinte));
    return dir.file(QStringLiteral("2024.ric"));
}

} // namespace

TEST(DistintaArchive, FirstSaveAppendsAndTheNextRewritesTheSameRecord) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 2));

    Ricevuta d = numbered(3);
    const auto first = archive.save(d, DistintaArchive::kNotStored);
    EXPECT_TRUE(first.ok);
    EXPECT_TRUE(first.appended);
    EXPECT_EQ(first.position, 3);

    d.saldato = kSaldatoSi;
    const auto second = archive.save(d, first.position);
    EXPECT_TRUE(second.ok);
    EXPECT_FALSE(second.appended);
    EXPECT_EQ(second.position, 3);

    EXPECT_EQ(archive.count(), 3);
    const Move last = archive.move(Step::Last, DistintaArchive::kNotStored);
    EXPECT_EQ(last.distinta, d);
}

TEST(DistintaArchive, SaveAtAPositionThatIsNotThereFails) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 1));
    for (const qint64 position : {5, -1})
        EXPECT_FALSE(archive.save(numbered(9), position).ok) << position;
    EXPECT_EQ(archive.count(), 1);
}

TEST(DistintaArchive, MovesAtBothEndsAndFromABlankPosition) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 3));
    const struct {
        Step step;
        qint64 from;
        Move::Kind kind;
        qint64 position;
    } cases[] = {
        {Step::First, 0, Move::Loaded, 1},    {Step::First, 3, Move::Loaded, 1},
        {Step::Last, 0, Move::Loaded, 3},     {Step::Last, 1, Move::Loaded, 3},
        {Step::Next, 0, Move::Loaded, 1},     {Step::Next, 1, Move::Loaded, 2},
        {Step::Next, 3, Move::Nothing, 0},    {Step::Previous, 0, Move::Loaded, 1},
        {Step::Previous, 3, Move::Loaded, 2}, {Step::Previous, 1, Move::Nothing, 0},
    };
    for (const auto& c : cases) {
        const Move move = archive.move(c.step, c.from);
        SCOPED_TRACE("from " + std::to_string(c.from) + " step " + std::to_string(int(c.step)));
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
        const Move move = archive.move(step, DistintaArchive::kNotStored);
        EXPECT_EQ(move.kind, Move::Empty);
        EXPECT_FALSE(move.clearPosition);
    }
    const Move next = archive.move(Step::Next, 4);
    EXPECT_EQ(next.kind, Move::Empty);
    EXPECT_TRUE(next.clearPosition);
    EXPECT_TRUE(dir.exists(QStringLiteral("2031.ric")));
    EXPECT_EQ(archive.count(), 0);
}

TEST(DistintaArchive, ANumberIsUsedElsewhereOnlyByAnotherDistinta) {
    TestFolder dir;
    const DistintaArchive archive(archiveWith(dir, 3));
    EXPECT_EQ(archive.numberUsedElsewhere(QStringLiteral("2"), DistintaArchive::kNotStored), true);
    EXPECT_EQ(archive.numberUsedElsewhere(QStringLiteral(" 2 "), 1), true);
    // The distinta rewritten at its own position is not a duplicate of itself.
    EXPECT_EQ(archive.numberUsedElsewhere(QStringLiteral("2"), 2), false);
    EXPECT_EQ(archive.numberUsedElsewhere(QStringLiteral("4"), DistintaArchive::kNotStored), false);
    EXPECT_EQ(archive.numberUsedElsewhere(QStringLiteral("20"), DistintaArchive::kNotStored),
              false);

    const DistintaArchive unreadable(dir.file(QStringLiteral("missing/2024.ric")));
    EXPECT_EQ(unreadable.numberUsedElsewhere(QStringLiteral("2"), DistintaArchive::kNotStored),
              std::nullopt);
}
