#include "widgets/NumberSettings.h"

#include <QLocale>

void applyNumberSettings() {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    if (QLocale() != italian)
        QLocale::setDefault(italian);
}
