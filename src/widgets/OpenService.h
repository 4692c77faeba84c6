#pragma once

#include "widgets/Services.h"

#include <QString>

// Opens a file, a folder, a web address or a "mailto:" link with the
// application the system associates with it. Reports nothing and ignores
// failures: a missing file simply opens nothing.
class OpenService {
public:
    explicit OpenService(SystemOpener& opener) : m_opener(opener) {}

    // A path wrapped in double quotes, as callers write paths that may hold
    // blanks, is opened without them.
    void open(const QString& target) const {
        QString plain = target.trimmed();
        if (plain.size() >= 2 && plain.startsWith(QLatin1Char('"')) &&
            plain.endsWith(QLatin1Char('"')))
            plain = plain.mid(1, plain.size() - 2);
        if (!plain.isEmpty())
            m_opener.open(plain);
    }

private:
    SystemOpener& m_opener;
};
