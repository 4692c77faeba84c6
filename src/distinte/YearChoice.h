#pragma once

#include "common/ProgramFolder.h"

#include <QString>
#include <QStringView>

// The calendar year chosen in the distinte menu and what it opens.
namespace yearchoice {

// The warning shown when the year field does not hold four characters.
extern const QString kYearWarning;

// The menu accepts exactly four digits and looks no further: any four digits
// open (and later create) that year's archive, 0000 included.
bool isAcceptedYear(QStringView typed);

// The full path of the year's archive, `<folder>/<year>.ric`.
QString archivePath(const ProgramFolder& folder, QStringView typed);

// The editor's window caption for the year.
QString editorCaption(QStringView typed);

} // namespace yearchoice
