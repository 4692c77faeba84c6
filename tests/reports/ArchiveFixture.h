#pragma once

#include "distinte/Ricevuta.h"
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"
#include "support/TestFolder.h"

#include <QByteArray>
#include <QString>
#include <initializer_list>

// A distinta with just what the income reports look at.
inline Ricevuta distinta(const QString& numRic, const QString& data, const QString& totale,
                         const QString& acquirente = QStringLiteral("ROSSI MARIO")) {
    return DistintaBuilder(numRic)
        .date(data)
        .buyer({acquirente})
        .line(0, QStringLiteral("1"), QStringLiteral("Marca da bollo"), totale)
        .total(totale);
}

// Writes `<year>.ric` with the distinte in order and returns its path.
inline QString writeArchive(const TestFolder& dir, const QString& year,
                            const QList<Ricevuta>& distinte) {
    dir.writeBytes(year + QStringLiteral(".ric"), archiveBytes(distinte));
    return dir.file(year + QStringLiteral(".ric"));
}

// One distinta of a test archive as a row of a table: number, date, total
// and, when given, the buyer.
struct DistintaRow {
    const char* number;
    const char* date;
    const char* total;
    const char* buyer = nullptr;
};

// writeArchive() for distinte given as rows.
inline QString writeArchiveRows(const TestFolder& dir, const QString& year,
                                std::initializer_list<DistintaRow> rows) {
    QList<Ricevuta> distinte;
    for (const DistintaRow& r : rows) {
        const QString number = QString::fromUtf8(r.number);
        const QString date = QString::fromUtf8(r.date);
        const QString total = QString::fromUtf8(r.total);
        distinte.append(r.buyer ? distinta(number, date, total, QString::fromUtf8(r.buyer))
                                : distinta(number, date, total));
    }
    return writeArchive(dir, year, distinte);
}
