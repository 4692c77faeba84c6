#include "common/ResultRows.h"

#include "common/ListFind.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QList<ResultRow> rowsOf(const QStringList& texts) {
    QList<ResultRow> rows;
    for (qsizetype i = 0; i < texts.size(); ++i)
        rows.append({texts[i], 10 * (i + 1)});
    return rows;
}

} // namespace

TEST(ResultRows, PassesTheModelTesterThroughFillsAndClears) {
    ResultRows model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setRows(rowsOf({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    model.setRows(rowsOf({QStringLiteral("x")}));
    model.clear();
    model.setRows(rowsOf({QStringLiteral("y"), QStringLiteral("z")}));
    EXPECT_EQ(model.rowCount(), 2);
}

TEST(ResultRows, EachRowKeepsItsTextAndRecordPosition) {
    ResultRows model;
    model.setRows({{QStringLiteral("N. 7"), 99'999}, {QStringLiteral("N. 7"), 3}});
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("N. 7"));
    EXPECT_EQ(model.index(0).data(ResultRows::PositionRole).toLongLong(), 99'999);
    EXPECT_EQ(model.index(1).data(ResultRows::PositionRole).toLongLong(), 3);
    EXPECT_EQ(model.lines(), QStringList({QStringLiteral("N. 7"), QStringLiteral("N. 7")}));
    EXPECT_FALSE(model.index(0).flags().testFlag(Qt::ItemIsEditable));
}

TEST(ResultRows, ReplacingTheRowsIsOneReset) {
    ResultRows model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    model.setRows(rowsOf(QStringList(1000, QStringLiteral("riga"))));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count(), 0);
}

// One press of "Trova" from a given selection and memory.
TEST(ListFind, PicksTheRowToSelect) {
    ResultRows model;
    model.setRows(rowsOf({QStringLiteral("N. 1  Mario Rossi"), QStringLiteral("N. 2  Luca Bianchi"),
                          QStringLiteral("N. 3  ANNA ROSSI"), QStringLiteral("N. 4  Èlia Verdi")}));
    const struct {
        const char* name;
        qsizetype selected;
        const char* remembered;
        const char* typed;
        qsizetype expected;
    } cases[] = {
        {"new key from no selection", -1, "", "rossi", 0},
        {"new key starts at the first row, not after the selection", 2, "", "ROSSI", 0},
        {"same key goes on after the selection", 0, "rossi", "ROSSI", 2},
        {"same key wraps from the last row to the first", 2, "rossi", "Rossi", 0},
        {"a key found only in the selected row finds it again last", 1, "bianchi", "bianchi", 1},
        {"nothing found keeps the selection", 3, "", "gialli", 3},
        {"nothing found with no selection leaves the first row", -1, "", "gialli", 0},
        {"an empty key is never found", 2, "", "", 2},
        {"a trailing blank is part of the key", 1, "", "rossi ", 1},
        {"accented capitals are not folded", 0, "", "èlia", 0},
        {"accented letters match as typed", 0, "", "Èlia", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        listfind::Memory memory{QString::fromUtf8(c.remembered)};
        EXPECT_EQ(listfind::findRow(model, c.selected, QString::fromUtf8(c.typed), memory),
                  c.expected);
    }
}

TEST(ListFind, RemembersTheKeyLowerCasedForAsciiOnly) {
    ResultRows model;
    model.setRows(rowsOf({QStringLiteral("x")}));
    listfind::Memory memory;
    listfind::findRow(model, -1, u"ROSSÌ ", memory);
    EXPECT_EQ(memory.key, QStringLiteral("rossÌ "));
    memory.forget();
    EXPECT_TRUE(memory.key.isEmpty());
}
