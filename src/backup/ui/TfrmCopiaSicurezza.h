#pragma once

#include "backup/ArchiveCheck.h"
#include "widgets/DialogBase.h"

#include <optional>

class QLabel;
class QPushButton;
struct Services;

// The safety copy and archive check dialog of the main menu: the last good
// copy, making a copy on a folder the user chooses, restoring from one, and
// the archive check with its result list. The work is the model's
// (backup::makeCopy, backup::checkCopy, backup::restore,
// archivecheck::check); this screen asks, shows progress with "Annulla" and
// tells the outcome.
//
// When the user opens a record from the check's results the dialog closes
// accepted and chosen() names it; the caller opens it where it belongs.
class TfrmCopiaSicurezza : public DialogBase {
    Q_OBJECT

public:
    TfrmCopiaSicurezza(Services& services, QWidget* owner);

    // The record to open after the dialog has closed, if any.
    const std::optional<archivecheck::Finding>& chosen() const { return m_chosen; }

private:
    void refreshLastCopy();
    void btnCopiaClick();
    void btnRipristinaClick();
    void btnVerificaClick();
    // Where the folder dialogs start: the folder of the last copy.
    QString startFolder() const;

    Services& m_services;
    QLabel* m_lblUltimaCopia;
    std::optional<archivecheck::Finding> m_chosen;
};
