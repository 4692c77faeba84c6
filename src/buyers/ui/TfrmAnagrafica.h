#pragma once

#include "buyers/Attachments.h"
#include "buyers/BuyerArchive.h"
#include "buyers/SchedaAnagrafica.h"
#include "buyers/ui/AnagraficaWidgets.h"
#include "buyers/ui/BuyerEditor.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/UnsavedEdits.h"

#include <QWidget>

class ScreenRouter;
struct Services;

// The buyers archive screen: one card at a time, typed in, duplicated,
// stored and paged through. The fields and the attachments are the card; its
// record position alone tells a stored card from a new one, and
// `lblPosizione` and the hidden attachment labels only show them.
// The rules live in the buyers model functions; this class moves texts
// between them and the widgets and shows their messages. Before a card the
// user changed is replaced or left (Nuovo, Duplica, the arrows, a card chosen
// in a list, Esci, the window's close), it asks whether to save it; a card
// only looked at asks nothing.
class TfrmAnagrafica : public QWidget, public BuyerEditor {
    Q_OBJECT

public:
    TfrmAnagrafica(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    // The card exactly as the screen shows it, saved or not.
    SchedaAnagrafica cardOnScreen() const;
    // Asks first when the card on screen was edited, and may stay on it.
    void showScheda(const SchedaAnagrafica& card, qint64 position) override;

    static inline const QString& kAccessFailure = archivemessage::kAccessFailure;
    static inline const QString& kEmptyArchive = archivemessage::kEmptyArchive;
    static const QString kRewritten;
    static const QString kAppended;
    static const QString kDuplicateUnsaved;
    static const QString kDuplicated;
    // Asked before an edited card would be left without saving.
    static const QString kUnsavedQuestion;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick() { save(); }
    // Stores the card on screen; false when it was not stored.
    bool save();
    using Settled = UnsavedEdits::Settled;
    Settled settleUnsavedChanges();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdTrovaClick();
    void cmdQuestioniClick();
    void btnEmailClick();
    void navigate(BuyerArchive::Step step);

    void loadCard(const SchedaAnagrafica& card);
    void setAttachments(const Attachments& attached);
    void clearCard();
    void setPosition(qint64 position);
    void showAccessFailure();

    Services& m_services;
    ScreenRouter& m_router;
    AnagraficaWidgets m_w;
    // Whether the user changed the card since it was cleared, loaded or saved.
    UnsavedEdits m_edits;
    // The three attachments of the card on screen, trimmed.
    Attachments m_attachments;
    qint64 m_position = BuyerArchive::kNotStored;
};
