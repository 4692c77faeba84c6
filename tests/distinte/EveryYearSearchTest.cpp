#include "distinte/DistintaSearch.h"
#include "distinte/DistintaSummary.h"
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using distintasearch::Criteria;

namespace {

Ricevuta bought(const QString& number, const QString& buyer, const QString& year) {
    return DistintaBuilder(number)
        .date(QStringLiteral("05/01/") + year)
        .buyer({buyer})
        .line(0, QStringLiteral("1"), QStringLiteral("Marca da bollo"), QStringLiteral("16,00"))
        .total(QStringLiteral("16,00"));
}

// Rossi bought in 2021 (twice) and 2023, not in 2022.
struct ThreeYears {
    ThreeYears() {
        dir.writeBytes(QStringLiteral("2023.ric"),
                       archiveBytes(QList<Ricevuta>{bought("1", "Bianchi", "2023"),
                                                    bought("2", "Mario Rossi", "2023")}));
        dir.writeBytes(QStringLiteral("2022.ric"),
                       archiveBytes(QList<Ricevuta>{bought("1", "Verdi", "2022")}));
        dir.writeBytes(QStringLiteral("2021.ric"),
                       archiveBytes(QList<Ricevuta>{bought("1", "ROSSI SRL", "2021"),
                                                    bought("2", "Neri", "2021"),
                                                    bought("3", "Rossi Anna", "2021")}));
    }
    Criteria rossi() const {
        Criteria c;
        c.acqRigo01 = QStringLiteral("rossi");
        return c;
    }

    TestFolder dir;
};

QString rowText(const QString& year, const Ricevuta& d) {
    return year + QStringLiteral("  ") + distintasummary::line(d);
}

} // namespace

TEST(EveryYearSearch, ListsTheYearsInOrderEachRowWithItsYearAndPosition) {
    ThreeYears f;
    // Files that are not yearly archives are left alone.
    for (const char* name : {"2020.ric.bak", "abcd.ric", "20191.ric", "2018.RIC", "2017ric"})
        f.dir.writeBytes(QString::fromLatin1(name),
                         archiveBytes(QList<Ricevuta>{bought("9", "Rossi", "2020")}));
    QDir(f.dir.path()).mkdir(QStringLiteral("2016.ric"));

    EXPECT_EQ(
        distintasearch::archiveYears(f.dir.folder()),
        QStringList({QStringLiteral("2021"), QStringLiteral("2022"), QStringLiteral("2023")}));
    const distintasearch::YearsListing listing =
        distintasearch::searchEveryYear(f.dir.folder(), f.rossi());
    const QList<ResultRow> expected = {
        {rowText("2021", bought("1", "ROSSI SRL", "2021")), 1, QStringLiteral("2021")},
        {rowText("2021", bought("3", "Rossi Anna", "2021")), 3, QStringLiteral("2021")},
        {rowText("2023", bought("2", "Mario Rossi", "2023")), 2, QStringLiteral("2023")},
    };
    EXPECT_EQ(listing.rows, expected);
    EXPECT_TRUE(listing.unreadable.isEmpty());
    EXPECT_EQ(listing.found(), 3);
    // Reading creates nothing.
    EXPECT_FALSE(f.dir.exists(QStringLiteral("2024.ric")));

    // No criterion lists every distinta of every year.
    EXPECT_EQ(distintasearch::searchEveryYear(f.dir.folder(), {}).rows.size(), 6);
}

TEST(EveryYearSearch, EachRowOpensItsOwnRecordOfItsOwnYear) {
    ThreeYears f;
    const QList<ResultRow> rows = distintasearch::searchEveryYear(f.dir.folder(), f.rossi()).rows;
    ASSERT_EQ(rows.size(), 3);
    const auto opened = distintasearch::openOfYear(f.dir.folder(), rows[2]);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->position, 2);
    EXPECT_EQ(opened->distinta, Ricevuta(bought("2", "Mario Rossi", "2023")));
    const auto second = distintasearch::openOfYear(f.dir.folder(), rows[1]);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->distinta.acqRigo[0], QStringLiteral("Rossi Anna"));

    // A row without its year, or naming no record, opens nothing.
    ResultRow noYear = rows[0];
    noYear.year.clear();
    EXPECT_FALSE(distintasearch::openOfYear(f.dir.folder(), noYear));
    EXPECT_FALSE(distintasearch::openOfYear(
        f.dir.folder(),
        {distintasearch::unreadableRowText(QStringLiteral("2022")), 0, QStringLiteral("2022")}));
}

TEST(EveryYearSearch, AnUnreadableArchiveIsNamedAfterTheRowsOfTheOthers) {
    ThreeYears f;
    const QByteArray path = QFile::encodeName(f.dir.file(QStringLiteral("2022.ric")));
    ::chmod(path.constData(), 0);
    distintasearch::YearsListing listing;
    {
        ReadOnlyScope unprivileged({f.dir.path()});
        listing = distintasearch::searchEveryYear(f.dir.folder(), {});
    }
    ::chmod(path.constData(), 0644);

    EXPECT_EQ(listing.unreadable, QStringList{QStringLiteral("2022")});
    ASSERT_EQ(listing.rows.size(), 6);
    EXPECT_EQ(listing.found(), 5);
    EXPECT_EQ(listing.rows[3].year, QStringLiteral("2023"));
    EXPECT_EQ(listing.rows[5], (ResultRow{QStringLiteral("2022  Attenzione: non è stato possibile "
                                                         "leggere l'archivio 2022.ric."),
                                          0, QStringLiteral("2022")}));
}
