#include "backup/BackupSettings.h"

#include "common/IniFile.h"
#include "distinte/Impostazioni.h"

#include <QDir>

const QString BackupSettings::kSection = QStringLiteral("Copia di sicurezza");
const QString BackupSettings::kReminderDaysKey = QStringLiteral("Promemoria giorni");

namespace {

const QString kDate = QStringLiteral("Data");
const QString kTime = QStringLiteral("Ora");
const QString kFolder = QStringLiteral("Cartella");
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

} // namespace

BackupSettings::BackupSettings(const ProgramFolder& folder)
    : m_path(folder.file(Impostazioni::fileName())) {}

std::optional<BackupSettings::LastCopy> BackupSettings::lastCopy() const {
    const IniFile ini(m_path);
    const QDateTime when =
        QDateTime::fromString(ini.value(kSection, kDate) + u' ' + ini.value(kSection, kTime),
                              kDateFormat + u' ' + kTimeFormat);
    if (!when.isValid())
        return std::nullopt;
    return LastCopy{when, ini.value(kSection, kFolder)};
}

bool BackupSettings::setLastCopy(const LastCopy& copy) const {
    IniFile ini(m_path);
    return ini.setValue(kSection, kDate, copy.when.toString(kDateFormat)) &&
           ini.setValue(kSection, kTime, copy.when.toString(kTimeFormat)) &&
           ini.setValue(kSection, kFolder, copy.folder);
}

int BackupSettings::reminderDays() const {
    bool number = false;
    const int days = IniFile(m_path).value(kSection, kReminderDaysKey).toInt(&number);
    return number ? days : kDefaultReminderDays;
}

bool BackupSettings::reminderDue(const std::optional<LastCopy>& last, int days,
                                 const QDateTime& now) {
    if (days <= 0)
        return false;
    if (!last)
        return true;
    return last->when.addDays(days) < now;
}

QString BackupSettings::lastCopyText(const std::optional<LastCopy>& last) {
    if (!last)
        return QStringLiteral("Nessuna copia di sicurezza registrata.");
    return QStringLiteral("Ultima copia di sicurezza: %1 alle %2, in %3")
        .arg(last->when.toString(kDateFormat), last->when.toString(QStringLiteral("HH:mm")),
             QDir::toNativeSeparators(last->folder));
}

QString BackupSettings::reminderQuestion(int days) {
    if (days == 1)
        return QStringLiteral("Non è stata fatta una copia di sicurezza nell'ultimo giorno. "
                              "Farla adesso?");
    return QStringLiteral("Non è stata fatta una copia di sicurezza negli ultimi %1 giorni. "
                          "Farla adesso?")
        .arg(days);
}
