#pragma once

#include "app/PasswordStore.h"

#include <QString>
#include <optional>

// The messages about the key file itself, as opposed to the password in it:
// a key file that is missing or damaged, and what became of the key file of
// a new data folder at start-up. Paths are shown as the system writes them.
namespace keyfilenotice {

// The key file at `keyPath` is missing, cannot be read or holds no password.
QString missing(const QString& keyPath);

// The password kept in `store`; nullopt when there is none to compare with,
// and `notice` then says why: `garbled` (each screen words it for what it
// was doing) for a key file that cannot be deciphered, missing() otherwise.
std::optional<QString> storedPassword(const PasswordStore& store, const QString& garbled,
                                      QString* notice);

// What start-up tells the user after providing the key file of the data
// folder at `folderPath`; empty when there is nothing to say.
QString provided(PasswordStore::Provided outcome, const QString& folderPath);

} // namespace keyfilenotice
