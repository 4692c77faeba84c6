#include "support/RequireTool.h"

#include <QStandardPaths>

QString toolPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

bool toolsRequired() {
    return qEnvironmentVariable("VELLARMO_REQUIRE_TOOLS") == QLatin1String("1");
}
