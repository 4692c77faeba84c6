#pragma once

#include <QString>

struct Services;
class QWidget;

// Opens the identifier check screens the way the buyer editor's check
// buttons do: each screen is made for one check with the field's trimmed
// text, shown modally over `owner` through the services, and destroyed when
// it closes. The screens hand nothing back.

// A codice fiscale made of digits only is a company's, and its partita IVA:
// it gets the partita IVA check; anything else, blank included, the codice
// fiscale check.
void openCodFiscCheck(Services& services, const QString& codFisc, QWidget* owner);
void openPartitaIvaCheck(Services& services, const QString& partitaIva, QWidget* owner);
void openIbanCheck(Services& services, const QString& iban, QWidget* owner);
void openCartaCheck(Services& services, const QString& carta, QWidget* owner);
