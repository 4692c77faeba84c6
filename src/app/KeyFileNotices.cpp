#include "app/KeyFileNotices.h"

#include "common/MessageBreaks.h"

#include <QDir>

namespace keyfilenotice {

QString missing(const QString& keyPath) {
    return QStringLiteral(
               "Attenzione: il file della password \"%1\" manca o è danneggiato." VM_PARAGRAPH
               "Ripristinarlo da una copia di sicurezza o reinstallare il software.")
        .arg(QDir::toNativeSeparators(keyPath));
}

std::optional<QString> storedPassword(const PasswordStore& store, const QString& garbled,
                                      QString* notice) {
    QString stored;
    switch (store.read(&stored)) {
    case PasswordStore::Found::Garbled:
        *notice = garbled;
        return std::nullopt;
    case PasswordStore::Found::NoKeyFile:
        // Not "password errata": no password could ever be right.
        *notice = missing(store.path());
        return std::nullopt;
    case PasswordStore::Found::Password:
        break;
    }
    return stored;
}

QString provided(PasswordStore::Provided outcome, const QString& folderPath) {
    const QString shown = QDir::toNativeSeparators(folderPath);
    switch (outcome) {
    case PasswordStore::Provided::Present:
    case PasswordStore::Provided::Created:
        return {};
    case PasswordStore::Provided::ReadOnlyFolder:
        return QStringLiteral(
                   "Attenzione: la cartella dei dati \"%1\" è di sola lettura: i dati si "
                   "possono consultare ma non modificare." VM_PARAGRAPH
                   "Per accedere usare la password di primo accesso.")
            .arg(shown);
    case PasswordStore::Provided::Failed:
        return QStringLiteral("Attenzione: non è stato possibile creare il file della password "
                              "nella cartella dei dati \"%1\"." VM_PARAGRAPH
                              "Accertarsi che il disco non sia pieno.")
            .arg(shown);
    }
    return {};
}

} // namespace keyfilenotice
