#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "widgets/DialogBase.h"

#include <QDateTime>

struct Services;

// " Stampa scheda": prints the buyer card as the editor shows it, saved or
// not, on one A4 page through the printer dialog (no preview). A failure
// shows the print warning; either way the dialog then closes.
class TfrmStampaAnagrafica : public DialogBase {
    Q_OBJECT

public:
    TfrmStampaAnagrafica(Services& services, const SchedaAnagrafica& card, QWidget* owner);

    // The moment the footer names; the clock by default.
    void setPrintTime(const QDateTime& when) { m_when = when; }

private:
    void btnStampaClick();

    Services& m_services;
    SchedaAnagrafica m_card;
    QDateTime m_when;
};
