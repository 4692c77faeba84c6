#include "ExportTable.h"

#include "common/TextRules.h"

namespace exporttable {

QByteArrayView trimmedBytes(QByteArrayView bytes) {
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}

} // namespace exporttable

ExportTable::ExportTable(int columnCount) : m_columns(columnCount > 0 ? columnCount : 1) {}

void ExportTable::addCell(QByteArrayView windows1252) {
    m_bytes.append(exporttable::trimmedBytes(windows1252));
    m_ends.append(m_bytes.size());
}

void ExportTable::addCell(const QString& text) {
    addCell(QByteArrayView(text::toWindows1252(text)));
}

QByteArrayView ExportTable::cellBytes(qsizetype row, int column) const {
    const qsizetype index = row * m_columns + column;
    if (row < 0 || column < 0 || column >= m_columns || index >= m_ends.size())
        return {};
    const qint64 begin = index == 0 ? 0 : m_ends[index - 1];
    return QByteArrayView(m_bytes).sliced(begin, m_ends[index] - begin);
}

QByteArrayView ExportTable::rowBytes(qsizetype row) const {
    if (row < 0 || row >= rowCount())
        return {};
    const qint64 begin = row == 0 ? 0 : m_ends[row * m_columns - 1];
    const qint64 end = m_ends[(row + 1) * m_columns - 1];
    return QByteArrayView(m_bytes).sliced(begin, end - begin);
}

QString ExportTable::cell(qsizetype row, int column) const {
    return text::fromWindows1252(cellBytes(row, column));
}

void ExportTable::reserve(qsizetype rows, qsizetype bytesPerRow) {
    m_bytes.reserve(rows * bytesPerRow);
    m_ends.reserve(rows * m_columns);
}
