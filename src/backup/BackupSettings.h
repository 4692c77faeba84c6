#pragma once

#include "common/ProgramFolder.h"

#include <QDateTime>
#include <QString>
#include <optional>

// The settings of the safety copies, in section "Copia di sicurezza" of
// `Impostazioni.ini`: the date, time and folder of the last good copy, and
// after how many days without one the program reminds the user when it ends
// ("Promemoria giorni", 7 when missing, 0 for never). Each call reads or
// writes one value at a time; nothing is kept between calls.
class BackupSettings {
public:
    static constexpr int kDefaultReminderDays = 7;
    static const QString kSection;
    static const QString kReminderDaysKey;

    explicit BackupSettings(const ProgramFolder& folder);

    struct LastCopy {
        QDateTime when;
        QString folder;
    };
    // The last good copy, or none when none is recorded (or the record
    // cannot be read as a date and time).
    std::optional<LastCopy> lastCopy() const;
    bool setLastCopy(const LastCopy& copy) const;

    // The stored number of days, the default when missing or not a number.
    int reminderDays() const;

    // Whether ending the program should suggest a copy: the reminder is on
    // and the last copy is more than `days` days old, or there is none.
    static bool reminderDue(const std::optional<LastCopy>& last, int days, const QDateTime& now);

    // What the main menu shows about the last copy.
    static QString lastCopyText(const std::optional<LastCopy>& last);
    // The question asked when the program ends.
    static QString reminderQuestion(int days);

private:
    QString m_path;
};
