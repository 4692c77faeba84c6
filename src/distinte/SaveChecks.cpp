#include "distinte/SaveChecks.h"

#include "common/Dates.h"
#include "common/MessageBreaks.h"
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
        return Problem{QStringLiteral("Attenzione: la data indicata non esiste." VM_PARAGRAPH
                                      "Per poter "
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

Problem totalProblem(const distintatotal::Problem& where) {
    QString what;
    int first = Ricevuta::Quant01;
    switch (where.column) {
    case distintatotal::Problem::Quant:
        what = QStringLiteral("la quantità");
        break;
    case distintatotal::Problem::Unitario:
        what = QStringLiteral("il valore unitario");
        first = Ricevuta::Unitario01;
        break;
    case distintatotal::Problem::Importo:
        // Only a damaged stored distinta gets here; typing in the line's
        // quantity or unit value empties the amount.
        what = QStringLiteral("l'importo");
        first = Ricevuta::Importo01;
        break;
    }
    return Problem{QStringLiteral("Attenzione: impossibile calcolare il totale della distinta "
                                  "perché %1 del %2° rigo non è un numero valido." VM_PARAGRAPH
                                  "Per poter salvare la scheda è necessario correggere il "
                                  "valore indicato.")
                       .arg(what, QString::number(where.line + 1)),
                   Ricevuta::Field(first + where.line)};
}

bool dateOutsideYear(const QString& date, const QString& year) {
    return dates::yearText(dates::parseDate(date)) != text::trimmed(year);
}

QString otherYearQuestion(const QString& date, const QString& year) {
    return QStringLiteral("Attenzione: la data della distinta (%1) non appartiene all'anno %2 "
                          "dell'archivio aperto." VM_PARAGRAPH "Salvare comunque la distinta "
                          "nell'archivio dell'anno %2?")
        .arg(text::trimmed(date), text::trimmed(year));
}

QString usedNumberQuestion(const QString& number) {
    return QStringLiteral("Attenzione: il numero %1 è già stato assegnato a un'altra distinta "
                          "di questo archivio." VM_PARAGRAPH "Salvare comunque la distinta con lo "
                          "stesso numero?")
        .arg(text::trimmed(number));
}

} // namespace savechecks
