#include "checks/ui/TfrmPartitaIva.h"

#include "checks/PartitaIva.h"
#include "common/MessageBreaks.h"

TfrmPartitaIva::TfrmPartitaIva(Services& services, const QString& partitaIva, QWidget* owner)
    : CheckDialog(services,
                  {QStringLiteral("TfrmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                   QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di "
                                  "controllo."),
                   QStringLiteral("txtPartitaIva"), checks::kPartitaIvaLength, true, false},
                  partitaIva, owner) {}

CheckDialog::Verdict TfrmPartitaIva::verdict(const QString& fieldText) const {
    using Outcome = checks::PartitaIvaResult::Outcome;
    const checks::PartitaIvaResult result = checks::checkPartitaIva(fieldText);
    const QString valid =
        QStringLiteral("Il numero di partita IVA digitato risulta VALIDO." VM_PARAGRAPH_CRLF);
    switch (result.outcome) {
    case Outcome::WrongLength:
        return {MessageBoxes::Icon::Warning,
                QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri "
                               "numerici."),
                true};
    case Outcome::Valid:
        // An office code the table does not know is named, so the sentence
        // never ends in an empty office name.
        if (result.officeName.isEmpty())
            return {MessageBoxes::Icon::Information,
                    valid + QStringLiteral("Il codice ufficio ") + result.officeCode +
                        QStringLiteral(" non corrisponde ad alcun Ufficio IVA presente "
                                       "nell'elenco.")};
        return {MessageBoxes::Icon::Information,
                valid + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                    result.officeName + QStringLiteral(".")};
    case Outcome::Wrong:
        break;
    }
    return {MessageBoxes::Icon::Warning,
            QStringLiteral(
                "Attenzione: il numero di partita IVA digitato risulta ERRATO!" VM_PARAGRAPH_CRLF
                "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                "che lo ha rilasciato.")};
}
