#pragma once

#include "backup/ArchiveCheck.h"

#include <QDateTime>
#include <optional>

class BuyerEditor;
class DistintaEditor;
class QWidget;
class ScreenRouter;
struct Services;

// What the main menu does about safety copies: opens the copy dialog, asks
// at the end of the program whether to make one when the last is too old,
// and opens a record the archive check listed in the screen it belongs to.
namespace backupmenu {

// Opens TfrmCopiaSicurezza over `owner` and waits until it closes; gives
// the record the user chose from the check's results, if any.
std::optional<archivecheck::Finding> openDialog(Services& services, QWidget* owner);

// When the reminder is due at `now` (BackupSettings::reminderDue) asks
// whether to make a copy now; true when the user answered Yes. False at
// once when it is not due.
bool askForCopy(Services& services, QWidget* owner, const QDateTime& now);

// The screens a listed record opens in.
struct Editors {
    ScreenRouter* router = nullptr;
    DistintaEditor* distinte = nullptr;
    BuyerEditor* buyers = nullptr;
};

// Shows the distinta or buyer card of `finding` in its screen, which takes
// the place of `from`. A distinta opens on its year in the distinta editor,
// which first asks about unsaved edits as for any listed distinta. False,
// with nothing switched, when the record cannot be read (the access message
// of the archive is shown) or there is no screen for it.
bool openFinding(Services& services, const Editors& editors, QWidget* from,
                 const archivecheck::Finding& finding);

} // namespace backupmenu
