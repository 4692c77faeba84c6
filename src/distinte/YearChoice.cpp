#include "distinte/YearChoice.h"

#include "common/TextRules.h"
#include "distinte/Ricevuta.h"

namespace yearchoice {

const QString kYearWarning =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

bool isAcceptedYear(QStringView typed) {
    return typed.size() == 4;
}

QString archivePath(const ProgramFolder& folder, QStringView typed) {
    return folder.file(yearArchiveFileName(typed.toString()));
}

QString editorCaption(QStringView typed) {
    return QStringLiteral(" Vellarmo - Emissione Distinte anno ") + text::trimmed(typed);
}

} // namespace yearchoice
