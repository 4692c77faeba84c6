#include "common/ResultRows.h"

ResultRows::ResultRows(QObject* parent) : QAbstractListModel(parent) {}

void ResultRows::setRows(QList<ResultRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultRows::clear() {
    setRows({});
}

QStringList ResultRows::lines() const {
    QStringList out;
    out.reserve(m_rows.size());
    for (const ResultRow& row : m_rows)
        out.append(row.text);
    return out;
}

int ResultRows::rowCount(const QModelIndex& parent) const {
    // A list has no children below its rows.
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ResultRows::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ResultRow& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return row.text;
    case PositionRole:
        return row.position;
    case YearRole:
        return row.year;
    default:
        return {};
    }
}

Qt::ItemFlags ResultRows::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
