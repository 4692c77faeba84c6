#pragma once

#include <QString>
#include <QStringList>

// The distinte an income report had to leave out because a field it needs
// (the date or the total) cannot be read. The report still shows the right
// figures for every other distinta and warns afterwards, naming the first
// few of the ones left out.
class DamagedRecords {
public:
    // How many are named in the warning; the rest are summed up as "…".
    static constexpr int kNamed = 10;

    // Notes one left-out distinta by its number; a blank number is named by
    // its position in the archive.
    void add(const QString& numRic, qint64 position);

    qint64 count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    // The first kNamed names.
    const QStringList& names() const { return m_names; }

    // The warning shown after the report, empty when nothing was left out.
    QString warning() const;

private:
    qint64 m_count = 0;
    QStringList m_names;
};
