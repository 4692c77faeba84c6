#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The cells of an archive export, row by row, kept as the Windows-1252 bytes
// the archives store and the export document is written in. All cells share
// one byte buffer, so a year of 100,000 distinte costs a few tens of MB and
// writing it out copies bytes without converting them.
//
// Every cell is trimmed of the codes 0 to 32 at both ends when added (they
// are the same codes in Windows-1252 and in text). The table does not know
// what its columns mean: the export sources fill it and name the columns.
class ExportTable {
public:
    explicit ExportTable(int columnCount);

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const { return m_ends.size() / m_columns; }

    // Rows are built by adding their cells left to right; a row is complete
    // once it has `columnCount()` cells.
    void addCell(QByteArrayView windows1252);
    void addCell(const QString& text);

    QByteArrayView cellBytes(qsizetype row, int column) const;
    QString cell(qsizetype row, int column) const;
    // The bytes of all cells of a row, end to end.
    QByteArrayView rowBytes(qsizetype row) const;

    // Room for `rows` rows of about `bytesPerRow` bytes, to spare regrowth.
    void reserve(qsizetype rows, qsizetype bytesPerRow);

private:
    int m_columns;
    QByteArray m_bytes;
    QList<qint64> m_ends; // where each cell's bytes end in m_bytes
};

namespace exporttable {

// The bytes without the codes 0 to 32 at both ends.
QByteArrayView trimmedBytes(QByteArrayView bytes);

} // namespace exporttable
