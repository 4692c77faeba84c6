#include "distinte/DistintaSearch.h"

#include "distinte/DistintaSummary.h"
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <gtest/gtest.h>

using distintasearch::Criteria;

namespace {

Ricevuta distinta(const QString& number, const QString& buyer, const QString& flag = kSaldatoNo) {
    return DistintaBuilder(number)
        .date(QStringLiteral("05/01/2024"))
        .buyer({buyer, QStringLiteral("Via Roma 1")})
        .total(QStringLiteral("16,00"))
        .paid(flag);
}

struct Archive {
    explicit Archive(const QList<Ricevuta>& distinte) {
        dir.writeBytes(QStringLiteral("2024.ric"), archiveBytes(distinte));
    }
    QString path() const { return dir.file(QStringLiteral("2024.ric")); }

    TestFolder dir;
};

QList<qint64> positions(const distintasearch::Listing& listing) {
    QList<qint64> out;
    for (const ResultRow& row : listing.rows)
        out.append(row.position);
    return out;
}

} // namespace

TEST(DistintaSearch, NoCriterionListsEveryDistintaInFileOrder) {
    const QList<Ricevuta> all = {distinta("3", "Rossi"), distinta("1", "Bianchi"),
                                 distinta("2", "Verdi")};
    const Archive archive(all);
    const auto listing = distintasearch::search(archive.path(), {});
    ASSERT_TRUE(listing.ok);
    ASSERT_EQ(positions(listing), QList<qint64>({1, 2, 3}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(listing.rows[i].text, distintasummary::line(all[i]));
}

TEST(DistintaSearch, CriteriaAreTypedTextFoldedForAToZOnlyAndAllMustHit) {
    const Archive archive({
        distinta("12", "Mario Rossi"),         // 1
        distinta("112", "ROSSI MARIO"),        // 2
        distinta("120", "Società Ètna"),       // 3
        distinta("21", "Rossi Anna"),          // 4
        distinta("5", "Punto ? interrogativo") // 5
    });
    const struct {
        const char* name;
        Criteria criteria;
        QList<qint64> expected;
    } cases[] = {
        {"contains anywhere in the number", {.numRic = "12"}, {1, 2, 3}},
        {"letter case of A-Z ignored", {.acqRigo01 = "rossi"}, {1, 2, 4}},
        {"a trailing blank is part of the criterion", {.acqRigo01 = "rossi "}, {2, 4}},
        {"criteria combine with AND", {.numRic = "12", .acqRigo01 = "ROSSI"}, {1, 2}},
        {"accented capitals are not folded", {.acqRigo01 = "ètna"}, {}},
        {"accented letters match as typed", {.acqRigo01 = "à È"}, {3}},
        {"a criterion of blanks only is not in use",
         {.numRic = "12", .acqRigo02 = "  "},
         {1, 2, 3}},
        {"buyer lines 2 and 3 and the total",
         {.acqRigo02 = "roma", .totale = "16"},
         {1, 2, 3, 4, 5}},
        {"a character the archive cannot hold finds nothing", {.acqRigo01 = "Rossi \u4E00"}, {}},
        {"a question mark is a character like any other", {.acqRigo01 = "?"}, {5}},
        {"the date field", {.data = "/2024"}, {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto listing = distintasearch::search(archive.path(), c.criteria);
        EXPECT_TRUE(listing.ok);
        EXPECT_EQ(positions(listing), c.expected);
    }
    EXPECT_EQ(distintasearch::filledCount({.numRic = "12", .acqRigo02 = " \t", .totale = " 1"}), 2);
}

TEST(DistintaSearch, MissingArchiveIsCreatedEmpty) {
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("2030.ric"));
    const auto listing = distintasearch::search(path, {});
    EXPECT_TRUE(listing.ok);
    EXPECT_TRUE(listing.rows.isEmpty());
    EXPECT_TRUE(QFile::exists(path));
}

TEST(DistintaSearch, ReadOnlyArchiveIsSearchedAndLeftAlone) {
    const Archive archive({distinta("1", "Rossi")});
    const QByteArray before = archive.dir.readBytes(QStringLiteral("2024.ric"));
    ReadOnlyScope readOnly({archive.path()});
    const auto listing = distintasearch::search(archive.path(), {});
    ASSERT_EQ(positions(listing), QList<qint64>{1});
    EXPECT_TRUE(distintasearch::unpaid(archive.path()).ok);
    EXPECT_TRUE(distintasearch::open(archive.path(), listing.rows[0]));
    EXPECT_EQ(archive.dir.readBytes(QStringLiteral("2024.ric")), before);
}

TEST(DistintaSearch, ArchiveThatCannotBeOpenedIsReported) {
    // A missing year in a folder that cannot be written: not even created.
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("2024.ric"));
    ReadOnlyScope readOnly({dir.path()});
    EXPECT_FALSE(distintasearch::search(path, {}).ok);
    EXPECT_FALSE(distintasearch::unpaid(path).ok);
    EXPECT_FALSE(distintasearch::open(path, {QString(), 1}));
}

TEST(DistintaSearch, UnpaidMeansTheFlagIsExactlyNo) {
    QByteArray damaged = distinta("4", "Neri", QStringLiteral("No")).encode();
    damaged[Ricevuta::layout().field(Ricevuta::Saldato).offset] = char(0); // empty flag
    QByteArray overlong = distinta("5", "Gialli", QStringLiteral("No")).encode();
    overlong[Ricevuta::layout().field(Ricevuta::Saldato).offset] = char(9); // reads "No"

    const Archive archive({distinta("1", "Rossi", kSaldatoNo), distinta("2", "Bianchi", kSaldatoSi),
                           distinta("3", "Verdi", kSaldatoNo), distinta("6", "Blu", "no"),
                           distinta("7", "Rosa", "NO")});
    QByteArray bytes = archive.dir.readBytes(QStringLiteral("2024.ric")) + damaged + overlong;
    archive.dir.writeBytes(QStringLiteral("2024.ric"), bytes);

    const auto listing = distintasearch::unpaid(archive.path());
    EXPECT_TRUE(listing.ok);
    EXPECT_EQ(positions(listing), QList<qint64>({1, 3, 7}));
}

TEST(DistintaSearch, OpeningARowReadsTheRecordBehindIt) {
    // Two distinte with the same summary line but different buyer lines 2.
    Ricevuta first = distinta("9", "Rossi");
    Ricevuta second = first;
    second.acqRigo[1] = QStringLiteral("Via Napoli 2");
    second.saldato = kSaldatoSi;
    const Archive archive({first, distinta("10", "Verdi"), second});
    const auto listing = distintasearch::search(archive.path(), {.numRic = "9"});
    ASSERT_EQ(listing.rows.size(), 2);
    ASSERT_EQ(listing.rows[0].text, listing.rows[1].text);

    const auto opened = distintasearch::open(archive.path(), listing.rows[0]);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->position, 1);
    EXPECT_EQ(opened->distinta, first);
    const auto later = distintasearch::open(archive.path(), listing.rows[1]);
    ASSERT_TRUE(later);
    EXPECT_EQ(later->position, 3);
    EXPECT_EQ(later->distinta, second);
}

TEST(DistintaSearch, ARowWhoseRecordChangedOpensTheLastDistintaShowingThatLine) {
    const Ricevuta rossi = distinta("9", "Rossi");
    Archive archive({rossi, distinta("10", "Verdi"), rossi, distinta("11", "Neri")});
    const ResultRow row{distintasummary::line(rossi), 1};

    // Another desk rewrote record 1 after the list was built.
    QByteArray bytes = archive.dir.readBytes(QStringLiteral("2024.ric"));
    bytes.replace(0, Ricevuta::kRecordSize, distinta("9", "Rossini").encode());
    archive.dir.writeBytes(QStringLiteral("2024.ric"), bytes);
    const auto opened = distintasearch::open(archive.path(), row);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->position, 3);

    // A position past the end (the file shrank) falls back the same way.
    EXPECT_EQ(distintasearch::open(archive.path(), {row.text, 99})->position, 3);
    // No record shows the line any more: nothing opens.
    EXPECT_FALSE(
        distintasearch::open(archive.path(), {distintasummary::line(distinta("77", "X")), 2}));
}
