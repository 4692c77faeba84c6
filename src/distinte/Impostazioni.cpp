#include "distinte/Impostazioni.h"

#include "common/IniFile.h"
#include "common/TextRules.h"

namespace {

const QString kNumerazione = QStringLiteral("Numerazione Distinte");
const QString kInizio = QStringLiteral("Inizio");
const QString kRivenditore = QStringLiteral("Dati Rivenditore");
const QString kNome = QStringLiteral("Nome");

QString rigoKey(int index) {
    return QStringLiteral("Rigo %1").arg(index + 1);
}

} // namespace

Impostazioni::Impostazioni(const ProgramFolder& folder) : m_path(folder.file(fileName())) {}

QString Impostazioni::numberingStart() const {
    return IniFile(m_path).value(kNumerazione, kInizio);
}

bool Impostazioni::setNumberingStart(const QString& start) const {
    return IniFile(m_path).setValue(kNumerazione, kInizio, text::trimmed(start));
}

DatiRivenditore Impostazioni::rivenditore() const {
    IniFile ini(m_path);
    DatiRivenditore dati;
    for (int i = 0; i < DatiRivenditore::kLines; ++i)
        dati.righe[i] = ini.value(kRivenditore, rigoKey(i));
    dati.nome = ini.value(kRivenditore, kNome);
    return dati;
}

bool Impostazioni::setRivenditore(const DatiRivenditore& dati) const {
    IniFile ini(m_path);
    bool ok = true;
    // Every value is attempted even after a failure, so that as much as
    // possible of the reseller data survives.
    for (int i = 0; i < DatiRivenditore::kLines; ++i)
        ok = ini.setValue(kRivenditore, rigoKey(i), text::trimmed(dati.righe[i])) && ok;
    ok = ini.setValue(kRivenditore, kNome, text::trimmed(dati.nome)) && ok;
    return ok;
}
