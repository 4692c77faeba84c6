#pragma once

#include "distinte/Ricevuta.h"
#include "support/TestFolder.h"

#include <QByteArray>
#include <QString>
#include <initializer_list>

// A distinta with just what the income reports look at.
inline Ricevuta distinta(const QString& numRic, const QString& data, const QString& totale,
                         const QString& acquirente = QStringLiteral("ROSSI MARIO")) {
    Ricevuta d;
    d.numRic = numRic;
    d.data = data;
    d.totale = totale;
    d.acqRigo[0] = acquirente;
    d.quant[0] = QStringLiteral("1");
    d.descrizione[0] = QStringLiteral("Marca da bollo");
    d.unitario[0] = totale;
    d.saldato = kSaldatoNo;
    return d;
}

// Writes `<year>.ric` with the distinte in order and returns its path.
inline QString writeArchive(const TestFolder& dir, const QString& year,
                            std::initializer_list<Ricevuta> distinte) {
    QByteArray bytes;
    for (const Ricevuta& d : distinte)
        bytes += d.encode();
    dir.writeBytes(year + QStringLiteral(".ric"), bytes);
    return dir.file(year + QStringLiteral(".ric"));
}
