#include "backup/ui/BackupMenu.h"

#include "backup/BackupSettings.h"
#include "backup/ui/TfrmCopiaSicurezza.h"
#include "buyers/BuyerArchive.h"
#include "buyers/ui/BuyerEditor.h"
#include "common/RecordFile.h"
#include "distinte/Ricevuta.h"
#include "distinte/ui/DistintaEditor.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

#include <QFileInfo>

namespace backupmenu {

std::optional<archivecheck::Finding> openDialog(Services& services, QWidget* owner) {
    TfrmCopiaSicurezza dialog(services, owner);
    if (services.dialogs.exec(&dialog) == QDialog::Accepted)
        return dialog.chosen();
    return std::nullopt;
}

bool askForCopy(Services& services, QWidget* owner, const QDateTime& now) {
    const BackupSettings settings(services.folder);
    const int days = settings.reminderDays();
    if (!BackupSettings::reminderDue(settings.lastCopy(), days, now))
        return false;
    return services.messages.question(owner, BackupSettings::reminderQuestion(days));
}

bool openFinding(Services& services, const Editors& editors, QWidget* from,
                 const archivecheck::Finding& finding) {
    if (!editors.router || !finding.wholeRecord || finding.position < 1)
        return false;
    const auto failed = [&] {
        services.messages.notice(from, MessageBoxes::Icon::Error, archivemessage::kAccessFailure);
        return false;
    };
    if (finding.archive == archivecheck::Finding::Acquirenti) {
        const std::optional<SchedaAnagrafica> card =
            BuyerArchive(services.folder).read(finding.position);
        if (!editors.buyers)
            return false;
        if (!card)
            return failed();
        if (!editors.router->switchTo(MainScreen::Anagrafica, from))
            return false;
        editors.buyers->showScheda(*card, finding.position);
        return true;
    }
    if (!editors.distinte)
        return false;
    RecordFile file(services.folder.file(finding.file), Ricevuta::kRecordSize);
    QByteArray record;
    if (!file.open() || !file.read(finding.position, &record))
        return failed();
    file.close();
    editors.distinte->openYear(QFileInfo(finding.file).completeBaseName());
    if (!editors.router->switchTo(MainScreen::Ricevute, from))
        return false;
    editors.distinte->showDistinta(Ricevuta::decode(record), finding.position);
    return true;
}

} // namespace backupmenu
