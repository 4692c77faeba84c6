#include "checks/ui/TfrmCarta.h"

#include "checks/CartaCredito.h"
#include "common/MessageBreaks.h"

namespace {
constexpr int kNumeroLength = 30;
}

TfrmCarta::TfrmCarta(Services& services, const QString& numero, QWidget* owner)
    : CheckDialog(services,
                  {QStringLiteral("TfrmCarta"), QStringLiteral(" Controllo carta di credito"),
                   QStringLiteral("Immettere il numero di carta di credito e premere il "
                                  "pulsante di controllo."),
                   QStringLiteral("txtNumero"), kNumeroLength, true, true},
                  numero, owner) {}

CheckDialog::Verdict TfrmCarta::verdict(const QString& fieldText) const {
    using Outcome = checks::CartaResult::Outcome;
    const checks::CartaResult result = checks::checkCarta(fieldText);
    switch (result.outcome) {
    case Outcome::Blank:
        return {MessageBoxes::Icon::Warning,
                QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                               "premere il pulsante di controllo."),
                true};
    case Outcome::Valid:
        return {MessageBoxes::Icon::Information,
                QStringLiteral("Il numero di carta di credito ") + result.number +
                    QStringLiteral(" risulta valido." VM_PARAGRAPH_CRLF
                                   "La carta di credito è del tipo ") +
                    result.type + QStringLiteral(".")};
    case Outcome::UnknownType:
        // Passing the Luhn test with no known type is neither a wrong number
        // nor a reason to close without a word.
        return {MessageBoxes::Icon::Information,
                QStringLiteral("Il numero di carta di credito ") + result.number +
                    QStringLiteral(" risulta formalmente valido." VM_PARAGRAPH_CRLF
                                   "Non è però possibile "
                                   "riconoscere il tipo di carta di credito.")};
    case Outcome::Wrong:
        break;
    }
    return {MessageBoxes::Icon::Warning,
            QStringLiteral("Attenzione: il numero digitato risulta ERRATO!" VM_PARAGRAPH_CRLF
                           "Non è quindi "
                           "possibile fornire informazioni relative al tipo di carta di credito.")};
}
