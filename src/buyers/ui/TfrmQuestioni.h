#pragma once

#include "buyers/BuyerSearch.h"
#include "widgets/DialogBase.h"

#include <optional>

struct Services;
class BuyerListPanel;

// " Riepilogo questioni in sospeso": the cards whose pending questions are
// not empty, one line per card, sorted, read when the screen is shown. A
// double click closes the screen with that card as its result (chosen()),
// which always goes to the buyer editor. The archive is only read.
class TfrmQuestioni : public DialogBase {
    Q_OBJECT

public:
    TfrmQuestioni(Services& services, QWidget* owner);

    std::optional<buyersearch::Chosen> chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void lstRecordsDblClick();

    Services& m_services;
    BuyerListPanel* m_list;
    std::optional<buyersearch::Chosen> m_chosen;
};
