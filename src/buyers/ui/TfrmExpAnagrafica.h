#pragma once

#include "output/ui/ExportScreen.h"

// The spreadsheet export of the buyers archive `Anagrafica.pro` of the data
// folder, written to `Anagrafica.xls` beside it.
class TfrmExpAnagrafica : public ExportScreen {
    Q_OBJECT

public:
    TfrmExpAnagrafica(Services& services, QWidget* owner);
};
