#include "app/PasswordStore.h"

#include "app/PasswordCipher.h"
#include "common/IniFile.h"
#include "common/TextRules.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

// Whether a file can be made in the folder, asked of the system by making
// one: permission bits alone miss a write-protected medium, and the access
// check of the system looks at the real user, not the one the program runs as.
bool canWriteIn(const QString& folder) {
    QFile probe(QStringLiteral("%1/.vellarmo-%2.tmp")
                    .arg(folder)
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

PasswordStore::PasswordStore(const ProgramFolder& folder) : m_path(folder.file(fileName())) {}

PasswordStore::Found PasswordStore::read(QString* password) const {
    password->clear();
    const QFileInfo key(m_path);
    if (!key.exists()) {
        if (canWriteIn(key.absolutePath()))
            return Found::NoKeyFile;
        *password = normalised(firstAccessPassword());
        return Found::Password;
    }
    QString stored;
    if (!IniFile(m_path).read(kSection, kKey, &stored) || text::trimmed(stored).isEmpty())
        return Found::NoKeyFile;
    const std::optional<QString> plain = PasswordCipher::decipher(stored);
    if (!plain)
        return Found::Garbled;
    *password = text::trimmed(*plain);
    return Found::Password;
}

bool PasswordStore::write(const QString& password) {
    const QString hex = text::trimmed(PasswordCipher::encipher(normalised(password)));
    return IniFile(m_path).setValue(kSection, kKey, hex);
}

QString PasswordStore::normalised(const QString& typed) {
    return text::trimmed(text::asciiUpper(typed));
}

PasswordStore::Provided PasswordStore::provideKeyFile(const ProgramFolder& dataFolder) {
    PasswordStore store(dataFolder);
    if (QFileInfo::exists(store.m_path))
        return Provided::Present;
    if (!canWriteIn(dataFolder.path()))
        return Provided::ReadOnlyFolder;
    // Written whole or not at all (IniFile goes through the whole-file
    // writer): a half-written key file would lock the user out.
    return store.write(firstAccessPassword()) ? Provided::Created : Provided::Failed;
}
