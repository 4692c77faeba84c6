#pragma once

#include "output/ui/ExportScreen.h"

// The spreadsheet export of the buyers archive `Anagrafica.pro`, written to
// `Anagrafica.xls` in the program folder.
class TfrmExpAnagrafica : public ExportScreen {
    Q_OBJECT

public:
    TfrmExpAnagrafica(Services& services, QWidget* owner);
};
