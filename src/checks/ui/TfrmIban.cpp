#include "checks/ui/TfrmIban.h"

#include "checks/Iban.h"

TfrmIban::TfrmIban(Services& services, const QString& iban, QWidget* owner)
    : CheckDialog(services,
                  {QStringLiteral("TfrmIban"), QStringLiteral(" Controllo IBAN"),
                   QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                   QStringLiteral("txtIban"), checks::kIbanLength, false, true},
                  iban, owner) {}

CheckDialog::Verdict TfrmIban::verdict(const QString& fieldText) const {
    switch (checks::checkIban(fieldText)) {
    case checks::IbanResult::WrongLength:
        return {
            MessageBoxes::Icon::Warning,
            QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."),
            true};
    case checks::IbanResult::Valid:
        return {MessageBoxes::Icon::Information, QStringLiteral("L'IBAN digitato è VALIDO.")};
    case checks::IbanResult::Wrong:
        break;
    }
    return {MessageBoxes::Icon::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!")};
}
