#pragma once

#include "widgets/DialogBase.h"

#include <QDate>
#include <optional>

class QCalendarWidget;
struct Services;

// " Importazione data": picks a date, starting on today. "Importa" (or a
// double click on a day) accepts the dialog and the caller takes
// chosenDate(); "Annulla" and Escape reject it.
class TfrmCalendario : public DialogBase {
    Q_OBJECT

public:
    TfrmCalendario(Services& services, QWidget* owner);

    // The day selected in the calendar.
    QDate chosenDate() const;

    // Opens the calendar over `owner` and waits; the day imported, if any.
    static std::optional<QDate> choose(Services& services, QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnImportaDataClick();

    QCalendarWidget* m_calendar;
};
