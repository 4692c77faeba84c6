#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QStringList>

// One row of a result list: the summary line the user sees and the 1-based
// position of the record it was built from, so that opening a row reads that
// record instead of searching the archive for a line that looks the same.
// A list drawn from several yearly archives also keeps the year of the
// archive the record is in; lists of one archive leave it empty. A row with
// position 0 stands for no record (a note in the list).
struct ResultRow {
    QString text;
    qint64 position = 0;
    QString year = {};

    bool operator==(const ResultRow&) const = default;
};

// The rows of a result list (distinte search, unpaid list, income summary,
// buyer search, pending questions), in the order they were found. A plain
// list model: it shows each row's text and hands back its record position;
// it does not search, sort, read files or know about fonts and widths (the
// shared view in widgets/ResultList.h draws it).
//
// Rows are replaced all at once with setRows(), which resets the model: a
// 100,000-row list is moved in, not inserted row by row.
class ResultRows : public QAbstractListModel {
    Q_OBJECT

public:
    // The record position of a row, as a qint64, and the year of its archive.
    static constexpr int PositionRole = Qt::UserRole + 1;
    static constexpr int YearRole = Qt::UserRole + 2;

    explicit ResultRows(QObject* parent = nullptr);

    void setRows(QList<ResultRow> rows);
    void clear();

    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const ResultRow& at(qsizetype row) const { return m_rows.at(row); }
    // The rows' texts in order, as the list report prints them.
    QStringList lines() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<ResultRow> m_rows;
};
