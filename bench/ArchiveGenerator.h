#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "distinte/Ricevuta.h"

#include <QString>
#include <QStringList>
#include <random>

// Makes believable archives for timing and manual testing: distinte with
// numbers in sequence, dates through one year, accented buyer names, one to
// ten stamp lines with consistent amounts and totals, and buyer cards with
// every field filled the way the editor would. The same seed always gives the
// same records, so timings compare across runs.
class ArchiveGenerator {
public:
    explicit ArchiveGenerator(quint32 seed = 20231);

    // The next distinta; `number` is its distinta number.
    Ricevuta ricevuta(qint64 number);
    SchedaAnagrafica scheda();

    // Write `count` records end to end to a new or emptied file.
    // On failure they return false with the reason in `error`.
    static bool writeDistinte(const QString& path, qint64 count, QString* error);
    static bool writeSchede(const QString& path, qint64 count, QString* error);

private:
    int between(int low, int high);
    const QString& pick(const QStringList& list);
    QString digits(int count);
    QString date(int yearFrom, int yearTo);
    QString personName();

    std::mt19937 m_random;
    int m_dayOfYear = 0;
};
