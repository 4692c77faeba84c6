#include "distinte/SaveChecks.h"

#include "common/Dates.h"
#include "common/TextRules.h"

namespace savechecks {

std::optional<Problem> firstProblem(const Ricevuta& d) {
    const auto blank = [](const QString& s) { return text::trimmed(s).isEmpty(); };
    if (blank(d.acqRigo[0]))
        return Problem{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                      "il nome o la ragione sociale dell'acquirente."),
                       Ricevuta::AcqRigo01};
    if (blank(d.numRic))
        return Problem{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                      "il numero della distinta."),
                       Ricevuta::NumRic};
    if (blank(d.data))
        return Problem{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                      "la data della distinta."),
                       Ricevuta::Data};
    if (!dates::isValidDate(d.data))
        return Problem{QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter "
                                      "salvare la scheda è necessario indicare una data valida "
                                      "nel formato gg/mm/anno."),
                       Ricevuta::Data};
    if (blank(d.descrizione[0]))
        return Problem{QStringLiteral("Attenzione: per salvare la scheda è necessario compilare "
                                      "la descrizione dei valori bollati acquistati (1° rigo)."),
                       Ricevuta::Descrizione01};
    if (blank(d.unitario[0]))
        return Problem{
            QStringLiteral("Attenzione: per salvare la scheda è necessario compilare "
                           "il valore unitario dei valori bollati acquistati (1° rigo)."),
            Ricevuta::Unitario01};
    return std::nullopt;
}

} // namespace savechecks
