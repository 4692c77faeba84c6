#pragma once

#include "output/ExportDocument.h"
#include "output/ExportTable.h"

#include <QAbstractTableModel>

// The export grid's rows for a view: the 1-based row number in the column
// "N.", then the export's columns under their grid headers. Cells are read
// from the table only when the view paints them, so a grid of 100,000 rows
// opens at once. Read-only: the export writes the cells as read.
class ExportGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ExportGridModel(const ExportSheet& sheet, QObject* parent = nullptr);

    // Shows `table` in place of what the grid held.
    void setTable(ExportTable table);
    const ExportTable& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The width of the row number column.
    static constexpr int kNumberWidth = 60;

private:
    const ExportSheet& m_sheet;
    ExportTable m_table;
};
