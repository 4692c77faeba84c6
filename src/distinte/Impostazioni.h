#pragma once

#include "common/ProgramFolder.h"
#include "distinte/Ricevuta.h"

#include <QString>
#include <array>

// The reseller's data as the editor shows it: five lines and the name.
struct DatiRivenditore {
    static constexpr int kLines = Ricevuta::kPartyLines;
    std::array<QString, kLines> righe;
    QString nome;
};

// The settings file `Impostazioni.ini` in the program folder: the numbering
// start of the distinte and the reseller data. Each value is read or written
// on its own when it is needed; nothing is kept between calls.
class Impostazioni {
public:
    explicit Impostazioni(const ProgramFolder& folder);

    // The stored numbering start, as written (empty when missing).
    QString numberingStart() const;
    bool setNumberingStart(const QString& start) const;

    // The reseller data; missing values read as empty.
    DatiRivenditore rivenditore() const;
    // Writes every line and the name, trimmed. False when any write failed.
    bool setRivenditore(const DatiRivenditore& dati) const;

    static QString fileName() { return QStringLiteral("Impostazioni.ini"); }

private:
    QString m_path;
};
