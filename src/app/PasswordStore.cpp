#include "app/PasswordStore.h"

#include "app/PasswordCipher.h"
#include "common/IniFile.h"
#include "common/TextRules.h"
#include "common/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

} // namespace

PasswordStore::PasswordStore(const ProgramFolder& folder) : m_path(folder.file(fileName())) {}

bool PasswordStore::read(QString* password) const {
    QString stored;
    if (!IniFile(m_path).read(kSection, kKey, &stored))
        return false;
    const std::optional<QString> plain = PasswordCipher::decipher(stored);
    if (!plain)
        return false;
    *password = text::trimmed(*plain);
    return true;
}

bool PasswordStore::write(const QString& password) {
    const QString hex = text::trimmed(PasswordCipher::encipher(normalised(password)));
    return IniFile(m_path).setValue(kSection, kKey, hex);
}

QString PasswordStore::normalised(const QString& typed) {
    return text::trimmed(text::asciiUpper(typed));
}

bool PasswordStore::provideKeyFile(const ProgramFolder& dataFolder,
                                   const ProgramFolder& programFolder) {
    const QString target = dataFolder.file(fileName());
    const QString delivered = programFolder.file(fileName());
    if (QFileInfo::exists(target) || !QFileInfo(delivered).isFile())
        return true;
    QFile source(delivered);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    // Written whole or not at all: a half-written key file would lock the
    // user out.
    return writeWholeFile(target, bytes);
}
