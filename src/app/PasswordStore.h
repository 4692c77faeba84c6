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

    enum class Found {
        Password,  // `password` holds the stored password
        NoKeyFile, // the key file is missing, cannot be read or holds no password
        Garbled,   // the stored value is not hexadecimal text
    };
    // The stored password, deciphered and trimmed. A folder that cannot be
    // written and has no key file (a write-protected copy of the data) could
    // never have been given one: there the first-access password holds.
    Found read(QString* password) const;
    QString path() const { return m_path; }

    // Stores `password` trimmed and upper-cased, creating the key file when
    // missing. False, with the old password kept, when the file cannot be
    // written.
    bool write(const QString& password);

    // What a typed password is compared as: upper-cased, then trimmed.
    static QString normalised(const QString& typed);

    enum class Provided { Present, Created, ReadOnlyFolder, Failed };
    // A data folder other than the program's own starts without a key file:
    // it gets a new one holding the first-access password (not a copy of the
    // program's, whose password may have been changed), so that a later
    // change stays with the data. An existing key file is never touched.
    static Provided provideKeyFile(const ProgramFolder& dataFolder);

private:
    QString m_path;
};
