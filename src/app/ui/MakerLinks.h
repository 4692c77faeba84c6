#pragma once

#include "widgets/Services.h"

#include <QString>

class QLayout;
class QWidget;

// The maker's details shown by the about and splash boxes.
namespace maker {

inline QString name() {
    return QStringLiteral("Vellarmo");
}
// The version of this build, the same as the installed package's.
inline QString version() {
    return QStringLiteral(VELLARMO_VERSION);
}
inline QString webSite() {
    return QStringLiteral("https://www.vellarmo.it");
}
inline QString email() {
    return QStringLiteral("info@vellarmo.it");
}

// The two text links `lnkSito` and `lnkEmail`, children of `parent`, opening
// the web site and a new e-mail to the maker through the open service.
QLayout* createLinks(Services& services, QWidget* parent);

} // namespace maker
