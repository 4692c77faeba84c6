#pragma once

#include "distinte/DistintaArchive.h"
#include "distinte/Ricevuta.h"
#include "distinte/ui/RicevuteWidgets.h"

#include <QWidget>

class ScreenRouter;
struct Services;

// The distinta editor: fills in, stores, finds again and corrects the
// distinte of the year whose archive path the distinte menu writes into
// `lblFile`. The fields are the distinta; `lblPosizione` alone tells a stored
// distinta (its position) from a new one (empty). The rules live in the
// distinte model functions; this class moves texts between them and the
// widgets and shows their messages.
class TfrmRicevute : public QWidget {
    Q_OBJECT

public:
    TfrmRicevute(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    // The distinta exactly as the fields show it, saved or not (print and
    // preview take it from here). The paid flag follows the paid box.
    Ricevuta distintaOnScreen() const;
    // Puts a stored distinta on screen at its position, as the search and the
    // unpaid list do when the user picks one. Nothing is recomputed.
    void showStored(const Ricevuta& distinta, qint64 position);
    // The archive the editor works on.
    QString archivePath() const;

    static const QString kAccessFailure;
    static const QString kEmptyArchive;
    static const QString kRewritten;
    static const QString kAppended;
    // Shown when the reseller data cannot be stored on closing.
    static const QString kResellerNotSaved;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void navigate(DistintaArchive::Step step);
    void btnTotaleClick();
    void impDataClick();
    void impNumerazioneClick();
    void openCalendar();
    void txtUnitarioExit(int line);

    void loadDistinta(const Ricevuta& distinta);
    void clearDistinta();
    void showAccessFailure(bool asError);

    Services& m_services;
    ScreenRouter& m_router;
    RicevuteWidgets m_w;
};
