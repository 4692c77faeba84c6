#pragma once

#include "SpreadsheetReaders.h"
#include "output/ArchiveExports.h"
#include "output/ExportTable.h"
#include "output/XlsxDocument.h"

#include <gtest/gtest.h>
#include <optional>

// An export file as the tests wrote it, and the check of what a spreadsheet
// program read back from it against the table it was written from.
struct Export {
    const ExportSource& source;
    ExportTable table;
    QString path;
    // Whether the file has numbers: the .xlsx writes amounts as numbers.
    bool amountsAsNumbers = false;

    // What a reader must show for a cell: the stored text, except an amount
    // in the total column, which is a number.
    std::optional<double> number(qsizetype row, int column) const {
        return amountsAsNumbers && source.sheet.columns[column].amount
                   ? xlsxdoc::amountValue(table.cellBytes(row, column))
                   : std::nullopt;
    }
};

// Numbers as a CSV shows them: with two decimals, the comma or the point
// for a separator depending on the reader's locale.
inline bool showsNumber(const QString& shown, double value) {
    const QString expected = QString::number(value, 'f', 2);
    return shown == expected || shown == QString(expected).replace(u'.', u',');
}

// Every cell of a CSV conversion against the table, the header first.
// `quotedText`: the reader quotes every text cell.
inline void expectSameCells(const readers::CsvRows& rows, const Export& e, bool quotedText) {
    ASSERT_EQ(rows.size(), e.table.rowCount() + 1);
    for (qsizetype r = 0; r < rows.size(); ++r)
        ASSERT_EQ(rows[r].size(), e.table.columnCount()) << "row " << r;
    for (int c = 0; c < e.table.columnCount(); ++c)
        EXPECT_EQ(rows[0][c].text, e.source.sheet.columns[c].header);
    for (qsizetype r = 0; r < e.table.rowCount(); ++r) {
        for (int c = 0; c < e.table.columnCount(); ++c) {
            SCOPED_TRACE(testing::Message() << "row " << r + 1 << " column " << c);
            const readers::CsvField& got = rows[r + 1][c];
            if (const std::optional<double> n = e.number(r, c)) {
                // A number shown with its decimal comma is quoted all the same,
                // the comma being the separator: only its value tells.
                EXPECT_TRUE(showsNumber(got.text, *n)) << got.text.toStdString();
                continue;
            }
            const QString expected = e.table.cell(r, c);
            EXPECT_EQ(got.text, expected);
            if (quotedText) {
                EXPECT_EQ(got.quoted, !expected.isEmpty()) << got.text.toStdString();
            }
        }
    }
}
