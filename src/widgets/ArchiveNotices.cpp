#include "widgets/ArchiveNotices.h"

#include "common/MessageBreaks.h"
#include "widgets/Services.h"

#include <QSet>

namespace archivenotice {

const QString kUncoordinated = QStringLiteral(
    "Attenzione: la cartella dei dati si trova su un disco che non permette di riservare gli "
    "archivi durante il salvataggio." VM_PARAGRAPH
    "I dati sono stati salvati, ma due postazioni che "
    "usano questa cartella non sono coordinate: se salvano nello stesso momento, una delle due "
    "modifiche può andare persa.");

void afterSave(Services& services, QWidget* parent, bool uncoordinated) {
    // One data folder per run: the folders already told are those of this
    // run, and a second screen saving there says nothing more.
    static QSet<QString> told;
    if (!uncoordinated || told.contains(services.folder.path()))
        return;
    told.insert(services.folder.path());
    services.messages.notice(parent, MessageBoxes::Icon::Warning, kUncoordinated);
}

} // namespace archivenotice
