#include "distinte/YearChoice.h"

#include "common/TextRules.h"
#include "distinte/Ricevuta.h"

namespace yearchoice {

const QString kYearWarning =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

bool isAcceptedYear(QStringView typed) {
    // The key filter lets only digits in, but a pasted text is not filtered:
    // anything else would name a file that is not a year's archive, or one
    // outside the program folder ("../x").
    if (typed.size() != 4)
        return false;
    for (const QChar c : typed)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString archivePath(const ProgramFolder& folder, QStringView typed) {
    return folder.file(yearArchiveFileName(typed.toString()));
}

QString editorCaption(QStringView typed) {
    return QStringLiteral(" Vellarmo - Emissione Distinte anno ") + text::trimmed(typed);
}

} // namespace yearchoice
