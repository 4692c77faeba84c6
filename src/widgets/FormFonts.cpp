#include "widgets/FormFonts.h"

namespace formfont {

QString family() {
    return QStringLiteral("Verdana");
}

QFont plain(int points) {
    return QFont(family(), points);
}

QFont bold(int points) {
    return QFont(family(), points, QFont::Bold);
}

} // namespace formfont
