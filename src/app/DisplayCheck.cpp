#include "app/DisplayCheck.h"

#include <QList>

bool hasDisplay(const QByteArray& platform, const QByteArray& x11Display,
                const QByteArray& waylandDisplay) {
    // "xcb:option=value" names the platform before the first colon.
    const QByteArray name = platform.split(':').first().trimmed();
    const bool x11 = !x11Display.trimmed().isEmpty();
    const bool wayland = !waylandDisplay.trimmed().isEmpty();
    if (name.isEmpty())
        return x11 || wayland;
    if (name == "xcb")
        return x11;
    if (name.startsWith("wayland"))
        return wayland;
    return true;
}

QString noDisplayMessage(const QString& program) {
    return QStringLiteral("Vellarmo ha bisogno di una sessione grafica e non ha trovato nessuno "
                          "schermo: avviarlo dal desktop, oppure in uno schermo virtuale con "
                          "\"xvfb-run -a %1\".")
        .arg(program);
}
