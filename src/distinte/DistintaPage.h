#pragma once

#include "distinte/Ricevuta.h"
#include "output/Report.h"

// The A4 distinta handed to the buyer: logo, number and date, reseller and
// buyer blocks, payment, the ten stamp lines, total, revenue-stamp box,
// custody note, the reseller's declaration and the VAT exemption footer.
// One page, one band; the screens set the logo picture (`imgLogo`) and print.
namespace distintapage {

// The page with empty fields.
Report design();

// Copies the distinta into the page's memos, each text trimmed and otherwise
// printed as it is.
void fill(Report& page, const Ricevuta& ricevuta);

// design() filled with the distinta.
Report filled(const Ricevuta& ricevuta);

} // namespace distintapage
