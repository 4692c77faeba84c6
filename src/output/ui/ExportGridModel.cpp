#include "ExportGridModel.h"

ExportGridModel::ExportGridModel(const ExportSheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), m_sheet(sheet), m_table(int(sheet.columns.size())) {}

void ExportGridModel::setTable(ExportTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int ExportGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_table.rowCount());
}

int ExportGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_sheet.columns.size()) + 1;
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return m_table.cell(index.row(), index.column() - 1);
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section > m_sheet.columns.size())
        return {};
    if (section == 0)
        return QStringLiteral("N.");
    return m_sheet.columns[section - 1].gridHeader;
}
