#pragma once

#include "distinte/DistintaArchive.h"
#include "distinte/DistintaTotal.h"
#include "distinte/Ricevuta.h"
#include "distinte/ui/DistintaEditor.h"
#include "distinte/ui/RicevuteWidgets.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/UnsavedEdits.h"

#include <QWidget>

class ScreenRouter;
struct Services;

// The distinta editor: fills in, stores, finds again and corrects the
// distinte of the year the distinte menu opened (openYear). The fields are
// the distinta; the record position alone tells a stored distinta from a new
// one, and `lblFile` and `lblPosizione` only show the archive and the
// position. The rules live in the distinte model functions; this class moves
// texts between them and the widgets and shows their messages. Before a
// distinta the user changed is replaced or left, it asks whether to save it;
// only the user's own changes (typing, the paid box, the imports and the
// date commands) count, never texts the screen loads or computes. Other
// screens reach it only through DistintaEditor.
class TfrmRicevute : public QWidget, public DistintaEditor {
    Q_OBJECT

public:
    TfrmRicevute(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    void openYear(const QString& year) override;
    QString archivePath() const override { return m_archivePath; }
    void showDistinta(const Ricevuta& distinta, qint64 position) override;
    void putBuyerLines(const std::array<QString, Ricevuta::kPartyLines>& lines) override;
    void putTariffEntry(int line, const TariffEntry& entry) override;

    // The distinta exactly as the fields show it, saved or not (print and
    // preview take it from here). The paid flag follows the paid box.
    Ricevuta distintaOnScreen() const;

    static inline const QString& kAccessFailure = archivemessage::kAccessFailure;
    static inline const QString& kEmptyArchive = archivemessage::kEmptyArchive;
    static const QString kRewritten;
    static const QString kAppended;
    // Shown when the reseller data cannot be stored on closing.
    static const QString kResellerNotSaved;
    // Asked before an edited distinta would be left without saving.
    static const QString kUnsavedQuestion;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdNuovoClick();
    void cmdSalvaClick() { save(); }
    // Saves the distinta on screen; false when it was not stored.
    bool save();
    // Before the distinta on screen is replaced or left: asks whether to save
    // one the user edited.
    using Settled = UnsavedEdits::Settled;
    Settled settleUnsavedChanges();
    // Opens the distinta behind a row the search handed back: on its own
    // year when the search ran over every year (the archive, the caption and
    // the numbering follow that year), after the question about unsaved
    // edits as every opening asks it.
    void openFoundRow(const ResultRow& row);
    // A quantity or unit value of line `line` (0-based) changed.
    void lineChanged(int line);
    void navigate(DistintaArchive::Step step);
    void btnTotaleClick() { computeTotalOnScreen(); }
    // Computes the line amounts and the total into the fields; where it
    // stopped when a text is not a number.
    std::optional<distintatotal::Problem> computeTotalOnScreen();
    void impDataClick();
    void impNumerazioneClick();
    void openCalendar();
    void impBollatoClick(int line);
    void txtUnitarioExit(int line);
    // The date as the user sets it (today's button, the calendar, Delete).
    void setDateByUser(const QString& date);

    void loadDistinta(const Ricevuta& distinta);
    void clearDistinta();
    void setPosition(qint64 position);
    void showAccessFailure(bool asError);

    Services& m_services;
    ScreenRouter& m_router;
    RicevuteWidgets m_w;
    QString m_archivePath;
    QString m_year;
    // Whether the user changed the distinta since it was cleared, loaded or
    // saved.
    UnsavedEdits m_edits;
    // DistintaArchive::kNotStored while the distinta has never been stored.
    qint64 m_position = DistintaArchive::kNotStored;
};
