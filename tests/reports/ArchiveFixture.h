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
                            std::initializer_list<Ricevuta> distinte) {
    dir.writeBytes(year + QStringLiteral(".ric"), archiveBytes(QList<Ricevuta>(distinte)));
    return dir.file(year + QStringLiteral(".ric"));
}
