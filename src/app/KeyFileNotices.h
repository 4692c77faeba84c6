#pragma once

#include "app/PasswordStore.h"

#include <QString>

// The messages about the key file itself, as opposed to the password in it:
// a key file that is missing or damaged, and what became of the key file of
// a new data folder at start-up. Paths are shown as the system writes them.
namespace keyfilenotice {

// The key file at `keyPath` is missing, cannot be read or holds no password.
QString missing(const QString& keyPath);

// What start-up tells the user after providing the key file of the data
// folder at `folderPath`; empty when there is nothing to say.
QString provided(PasswordStore::Provided outcome, const QString& folderPath);

} // namespace keyfilenotice
