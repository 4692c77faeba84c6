#include "support/SampleTariff.h"

#include "tariff/TariffEntry.h"

#include <utility>

QStringList sampleTariffEntries() {
    QStringList entries;
    for (const auto& [name, price] : {std::pair{"Marca da bollo", "16,00"},
                                      {"Marca da bollo", "2,00"},
                                      {"Francobollo posta ordinaria", "1,25"},
                                      {"Francobollo posta prioritaria", "2,95"},
                                      {"Marca per passaporto", "73,50"},
                                      {"Contrassegno telematico", "0,52"}})
        entries.append(tariff::makeEntry(QString::fromUtf8(name), QString::fromUtf8(price)));
    return entries;
}
