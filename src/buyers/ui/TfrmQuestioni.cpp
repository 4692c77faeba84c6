#include "buyers/ui/TfrmQuestioni.h"

#include "buyers/ui/BuyerListPanel.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmQuestioni::TfrmQuestioni(Services& services, QWidget* owner)
    : DialogBase(owner), m_services(services),
      m_list(new BuyerListPanel(services, QStringLiteral("QUESTIONI IN SOSPESO"),
                                QStringLiteral("Riepilogo questioni in sospeso"), false, this)) {
    setObjectName(QStringLiteral("TfrmQuestioni"));
    setWindowTitle(QStringLiteral(" Riepilogo questioni in sospeso"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    connect(m_list, &BuyerListPanel::closeRequested, this, &QDialog::reject);
    connect(m_list, &BuyerListPanel::rowChosen, this, &TfrmQuestioni::lstRecordsDblClick);
}

void TfrmQuestioni::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (event->spontaneous())
        return;
    m_list->resetFind();
    buyersearch::Result found = buyersearch::pendingQuestions(BuyerArchive(m_services.folder));
    m_list->setRows(std::move(found.rows));
    m_list->findField()->setFocus();
    // An archive that could not be read to the end is said so, after the
    // rows read so far: an empty or short list would otherwise look complete.
    if (!found.ok)
        m_services.messages.message(this, archivemessage::kAccessFailure);
}

void TfrmQuestioni::done(int result) {
    m_list->list()->clear();
    DialogBase::done(result);
}

void TfrmQuestioni::lstRecordsDblClick() {
    if (const std::optional<ResultRow> row = m_list->list()->selectedRow()) {
        m_chosen = buyersearch::choose(BuyerArchive(m_services.folder),
                                       buyersearch::LineKind::Questions, *row);
        if (m_chosen) {
            accept();
            return;
        }
    }
    reject();
}
