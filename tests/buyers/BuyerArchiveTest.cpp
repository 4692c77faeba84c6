#include "buyers/BuyerArchive.h"

#include "BuyerCards.h"
#include "buyers/BuyerRules.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

namespace {

using Step = BuyerArchive::Step;
using Kind = BuyerArchive::Move::Kind;

TEST(BuyerArchive, AppendsOverPartialTrailingBytesThenRewritesInPlace) {
    TestFolder dir;
    writeBuyers(dir, numberedCards(2), QByteArray(100, 'x'));
    const BuyerArchive archive(dir.folder());

    const BuyerArchive::Saved added =
        archive.save(buyerCard(QStringLiteral("Terza")), BuyerArchive::kNotStored);
    EXPECT_TRUE(added.ok);
    EXPECT_TRUE(added.appended);
    EXPECT_EQ(added.position, 3);
    QByteArray bytes = dir.readBytes(kBuyersArchiveFileName);
    ASSERT_EQ(bytes.size(), 11493);
    EXPECT_EQ(SchedaAnagrafica::decode(bytes.mid(7662)).nome, QStringLiteral("Terza"));

    const QByteArray before = bytes;
    const BuyerArchive::Saved rewritten = archive.save(buyerCard(QStringLiteral("Seconda")), 2);
    EXPECT_TRUE(rewritten.ok);
    EXPECT_FALSE(rewritten.appended);
    EXPECT_EQ(rewritten.position, 2);
    bytes = dir.readBytes(kBuyersArchiveFileName);
    ASSERT_EQ(bytes.size(), 11493);
    EXPECT_EQ(bytes.left(3831), before.left(3831));
    EXPECT_EQ(bytes.mid(7662), before.mid(7662));
    EXPECT_EQ(SchedaAnagrafica::decode(bytes.mid(3831, 3831)).nome, QStringLiteral("Seconda"));
}

TEST(BuyerArchive, SaveRefusesPositionsThatNameNoCard) {
    TestFolder dir;
    writeBuyers(dir, numberedCards(2));
    const BuyerArchive archive(dir.folder());
    for (const qint64 position : {-1, 3, 5})
        EXPECT_FALSE(archive.save(buyerCard(QStringLiteral("X")), position).ok);
    EXPECT_EQ(dir.readBytes(kBuyersArchiveFileName).size(), 2 * 3831);
}

TEST(BuyerArchive, MovesFollowTheEditorRules) {
    TestFolder dir;
    writeBuyers(dir, numberedCards(3));
    const BuyerArchive archive(dir.folder());
    const struct {
        Step step;
        qint64 from;
        Kind kind;
        qint64 position;
    } cases[] = {
        {Step::First, 0, Kind::Loaded, 1},     {Step::Last, 0, Kind::Loaded, 3},
        {Step::Next, 0, Kind::Loaded, 1},      {Step::Previous, 0, Kind::Loaded, 1},
        {Step::Next, 2, Kind::Loaded, 3},      {Step::Next, 3, Kind::Nothing, 0},
        {Step::Previous, 1, Kind::Nothing, 0}, {Step::Previous, 2, Kind::Loaded, 1},
        {Step::Previous, 3, Kind::Loaded, 2},
    };
    for (const auto& c : cases) {
        const BuyerArchive::Move move = archive.move(c.step, c.from);
        EXPECT_EQ(move.kind, c.kind) << int(c.step) << " from " << c.from;
        EXPECT_EQ(move.position, c.position);
        if (move.kind == Kind::Loaded) {
            EXPECT_EQ(move.card.nome, QStringLiteral("Scheda %1").arg(c.position));
        }
    }
}

TEST(BuyerArchive, EmptyOrMissingArchive) {
    TestFolder dir;
    const BuyerArchive archive(dir.folder());
    const BuyerArchive::Move next = archive.move(Step::Next, 4);
    EXPECT_EQ(next.kind, Kind::Empty);
    EXPECT_TRUE(next.clearPosition);
    // The first command of any kind leaves an empty archive behind.
    EXPECT_TRUE(dir.exists(kBuyersArchiveFileName));
    EXPECT_EQ(dir.readBytes(kBuyersArchiveFileName).size(), 0);
    for (Step step : {Step::First, Step::Last, Step::Previous}) {
        const BuyerArchive::Move move = archive.move(step, 4);
        EXPECT_EQ(move.kind, Kind::Empty);
        EXPECT_FALSE(move.clearPosition);
    }
    // Previous from card 1 does not even look.
    EXPECT_EQ(archive.move(Step::Previous, 1).kind, Kind::Nothing);
}

// A write-protected stick or a backup copy: browsing and searching work, only
// saving fails, and the file keeps its bytes.
TEST(BuyerArchive, ReadOnlyArchiveIsReadAndOnlySavingFails) {
    TestFolder dir;
    writeBuyers(dir, numberedCards(2));
    const QByteArray before = dir.readBytes(kBuyersArchiveFileName);
    const BuyerArchive archive(dir.folder());
    {
        ReadOnlyScope readOnly({dir.file(kBuyersArchiveFileName)});
        EXPECT_FALSE(archive.save(buyerCard(QStringLiteral("X")), BuyerArchive::kNotStored).ok);
        EXPECT_FALSE(archive.save(buyerCard(QStringLiteral("X")), 1).ok);
        EXPECT_EQ(archive.move(Step::First, BuyerArchive::kNotStored).kind, Kind::Loaded);
        int scanned = 0;
        EXPECT_TRUE(archive.scan([&](qint64, const SchedaAnagrafica&) { return ++scanned; }));
        EXPECT_EQ(scanned, 2);
    }
    EXPECT_EQ(dir.readBytes(kBuyersArchiveFileName), before);
}

TEST(BuyerArchive, MissingArchiveInAReadOnlyFolderFailsEveryCommand) {
    TestFolder dir;
    const BuyerArchive archive(dir.folder());
    ReadOnlyScope readOnly({dir.path()});
    EXPECT_FALSE(archive.save(buyerCard(QStringLiteral("X")), BuyerArchive::kNotStored).ok);
    EXPECT_EQ(archive.move(Step::First, BuyerArchive::kNotStored).kind, Kind::Failed);
    EXPECT_FALSE(archive.scan([](qint64, const SchedaAnagrafica&) { return true; }));
}

TEST(BuyerRules, NameIsCheckedBeforeSex) {
    SchedaAnagrafica card;
    card.nome = QStringLiteral("   ");
    card.sesso = QStringLiteral("X");
    ASSERT_TRUE(buyerrules::firstProblem(card));
    EXPECT_EQ(buyerrules::firstProblem(card)->field, SchedaAnagrafica::Nome);
    EXPECT_EQ(buyerrules::firstProblem(card)->message,
              QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome."));

    card.nome = QStringLiteral("Mario Rossi");
    for (const char* sex : {"", "X", "m", "MF"}) {
        card.sesso = QString::fromLatin1(sex);
        const auto problem = buyerrules::firstProblem(card);
        ASSERT_TRUE(problem) << sex;
        EXPECT_EQ(problem->field, SchedaAnagrafica::Sesso);
        EXPECT_EQ(problem->message,
                  QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il "
                                 "sesso usando la lettera M oppure F."));
    }
    for (const char* sex : {"M", "F", " F "}) {
        card.sesso = QString::fromLatin1(sex);
        EXPECT_FALSE(buyerrules::firstProblem(card)) << sex;
    }
}

} // namespace
