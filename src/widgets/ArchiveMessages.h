#pragma once

#include "common/MessageBreaks.h"

#include <QString>

// The messages that the archive screens give alike, worded once so that
// every screen says the same thing about the same failure.
namespace archivemessage {

// An archive (distinte or buyer cards) could not be opened, read or written.
inline const QString kAccessFailure =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio." VM_PARAGRAPH
                   "Accertarsi di possedere "
                   "i privilegi di scrittura nella cartella di installazione del programma.");
// An editor was asked to browse an archive that holds no record.
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
// The income reports could not read the year's archive.
inline const QString kFileInaccessible =
    QStringLiteral("Attenzione: il file di archivio non risulta accessibile.");

} // namespace archivemessage
