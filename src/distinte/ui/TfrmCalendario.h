#pragma once

#include "widgets/DialogBase.h"

class QCalendarWidget;
struct Services;

// " Importazione data": picks a date for the distinta editor. With the
// routing tag "ricevute_data", "Importa" writes the chosen date as dd/mm/yyyy
// into its owner's `txtData` and closes; with any other tag it does nothing
// and the calendar stays open. "Annulla" closes without writing.
class TfrmCalendario : public DialogBase {
    Q_OBJECT

public:
    TfrmCalendario(Services& services, QWidget* owner);

    static const QString kTagData;

private:
    void btnImportaDataClick();

    QCalendarWidget* m_calendar;
};
