#pragma once

#include "buyers/BuyerArchive.h"
#include "buyers/SchedaAnagrafica.h"
#include "buyers/ui/AnagraficaWidgets.h"
#include "buyers/ui/BuyerEditor.h"
#include "widgets/ArchiveMessages.h"

#include <QWidget>

class ScreenRouter;
struct Services;

// The buyers archive screen: one card at a time, typed in, duplicated,
// stored and paged through. The fields are the card; `lblPosizione` alone
// tells a stored card (its position) from a new one (empty). The rules live
// in the buyers model functions; this class moves texts between them and the
// widgets and shows their messages.
class TfrmAnagrafica : public QWidget, public BuyerEditor {
    Q_OBJECT

public:
    TfrmAnagrafica(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    // The card exactly as the screen shows it, saved or not.
    SchedaAnagrafica cardOnScreen() const;
    void showScheda(const SchedaAnagrafica& card, qint64 position) override;

    static inline const QString& kAccessFailure = archivemessage::kAccessFailure;
    static inline const QString& kEmptyArchive = archivemessage::kEmptyArchive;
    static const QString kRewritten;
    static const QString kAppended;
    static const QString kDuplicateUnsaved;
    static const QString kDuplicated;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdTrovaClick();
    void cmdQuestioniClick();
    void btnEmailClick();
    void navigate(BuyerArchive::Step step);

    void loadCard(const SchedaAnagrafica& card);
    void clearCard();
    void showAccessFailure();

    Services& m_services;
    ScreenRouter& m_router;
    AnagraficaWidgets m_w;
};
