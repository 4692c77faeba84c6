#include "checks/ui/TfrmCodFisc.h"

#include "checks/CodiceFiscale.h"

TfrmCodFisc::TfrmCodFisc(Services& services, const QString& codFisc, QWidget* owner)
    : CheckDialog(
          services,
          {QStringLiteral("TfrmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
           QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
           QStringLiteral("txtCodFisc"), checks::kCodiceFiscaleLength, false, true},
          codFisc, owner) {}

CheckDialog::Verdict TfrmCodFisc::verdict(const QString& fieldText) const {
    using checks::CodiceFiscaleResult;
    switch (checks::checkCodiceFiscale(fieldText)) {
    case CodiceFiscaleResult::WrongLength:
        return {MessageBoxes::Icon::Warning,
                QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                               "alfanumerici."),
                true};
    case CodiceFiscaleResult::Valid:
        return {MessageBoxes::Icon::Information,
                QStringLiteral("Il codice fiscale digitato è VALIDO.")};
    case CodiceFiscaleResult::Wrong:
        break;
    }
    return {MessageBoxes::Icon::Warning,
            QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.")};
}
