#pragma once

#include "common/ProgramFolder.h"

#include <QString>

// The access password kept enciphered in the key file of the program folder,
// an INI file with section "Accesso", key "Valore". Every call opens, works
// and closes the file. Failures are returned, never shown: the screens pick
// their own messages.
class PasswordStore {
public:
    static QString fileName() { return QStringLiteral("unins000.dll"); }
    // The password the program is delivered with.
    static QString firstAccessPassword() { return QStringLiteral("aperturacassaz"); }

    explicit PasswordStore(const ProgramFolder& folder);

    // The stored password, deciphered and trimmed. A missing file, section or
    // key gives an empty password. False when the file cannot be read or the
    // value is not hexadecimal text.
    bool read(QString* password) const;

    // Stores `password` trimmed and upper-cased, creating the key file when
    // missing. False, with the old password kept, when the file cannot be
    // written.
    bool write(const QString& password);

    // What a typed password is compared as: upper-cased, then trimmed.
    static QString normalised(const QString& typed);

    // A data folder other than the program's own starts without a key file:
    // it gets a copy of the one delivered beside the program, so that the
    // first-access password opens it too and a later change stays with the
    // data. An existing key file is never touched, and nothing happens when
    // the program has no key file either. False only when a needed copy
    // could not be written.
    static bool provideKeyFile(const ProgramFolder& dataFolder, const ProgramFolder& programFolder);

private:
    QString m_path;
};
