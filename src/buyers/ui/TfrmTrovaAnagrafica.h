#pragma once

#include "buyers/BuyerSearch.h"
#include "widgets/DialogBase.h"

#include <array>
#include <optional>

struct Services;
class BuyerListPanel;
class QLabel;
class QLineEdit;
class QStackedWidget;

// " Trova dati anagrafici in archivio": finds buyer cards by up to ten
// criteria and lists them sorted, one summary line per card. A double click
// on a line closes the screen with that card as its result (chosen()), for
// the caller to show: the buyer editor shows the card, the distinta editor
// fills its buyer lines from it. The archive is only read.
class TfrmTrovaAnagrafica : public DialogBase {
    Q_OBJECT

public:
    TfrmTrovaAnagrafica(Services& services, QWidget* owner);

    // The card picked by the double click, once the dialog was accepted.
    std::optional<buyersearch::Chosen> chosen() const { return m_chosen; }

    // What the two editors do with the screen: open it over `owner` and
    // wait; the card chosen, if any.
    static std::optional<buyersearch::Chosen> choose(Services& services, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void btnCercaClick();
    void lstRecordsDblClick();

    Services& m_services;
    std::array<QLineEdit*, buyersearch::CriterionCount> m_criteria{};
    QStackedWidget* m_pages;
    QLabel* m_lblAttendere;
    QLabel* m_lblConta;
    BuyerListPanel* m_results;
    std::optional<buyersearch::Chosen> m_chosen;
};
