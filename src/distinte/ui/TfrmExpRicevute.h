#pragma once

#include "output/ui/ExportScreen.h"

// The spreadsheet export of one year's distinte: the archive the distinta
// editor has open, written to `Archivio_Distinte.xls` in the data folder.
class TfrmExpRicevute : public ExportScreen {
    Q_OBJECT

public:
    TfrmExpRicevute(Services& services, QWidget* owner, const QString& archivePath);
};
