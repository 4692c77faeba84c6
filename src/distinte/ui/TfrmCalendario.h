#pragma once

#include "widgets/DialogBase.h"

#include <QDate>

class QCalendarWidget;
struct Services;

// " Importazione data": picks a date for the distinta editor, starting on
// today. With the routing tag "ricevute_data", "Importa" accepts the dialog
// and the caller takes chosenDate(); with any other tag it does nothing and
// the calendar stays open. "Annulla" and Escape reject it.
class TfrmCalendario : public DialogBase {
    Q_OBJECT

public:
    TfrmCalendario(Services& services, QWidget* owner);

    // The day selected in the calendar.
    QDate chosenDate() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnImportaDataClick();

    QCalendarWidget* m_calendar;
};
