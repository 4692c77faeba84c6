#pragma once

#include "reports/IncomeSummary.h"
#include "widgets/DialogBase.h"

class QLabel;
class ResultList;
struct Services;
namespace listfind {
struct Memory;
}

// The income summary's result screen: the selected distinte as summary lines
// in the shared result list, the buyer, the interval and the total, with the
// in-list find and the print of the summary. It shows what the summary model
// function returned and reads nothing itself. Created for one summary by the
// entry screen, which keeps the find memory for the whole run. Keys work as
// on the other list screens (DialogBase): Enter on the focused Trova presses
// it.
class TfrmRiepLavoro : public DialogBase {
    Q_OBJECT

public:
    TfrmRiepLavoro(Services& services, QWidget* owner, listfind::Memory& findMemory);

    // Fills the screen from one summary: `filter` is the buyer filter as
    // typed, `startDate` and `endDate` the interval's ends.
    void showSummary(incomesummary::Result summary, const QString& filter, const QString& startDate,
                     const QString& endDate);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void btnStampaClick();

    Services& m_services;
    ResultList* m_list;
    QLabel* m_titTipologia;
    QLabel* m_lblIntervallo;
    QLabel* m_lblTotCosti;
    QLabel* m_lblConta;
    // Said once the list is on screen: the distinte left out as damaged.
    QString m_damageWarning;
    // The heading, interval and total the labels show, for the print.
    QString m_heading;
    QString m_interval;
    QString m_total;
};
