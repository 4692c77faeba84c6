#include "backup/BackupSettings.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {
const QDateTime kNow(QDate(2026, 12, 10), QTime(19, 0, 0));
} // namespace

TEST(BackupSettings, ReminderAsksAfterTheDaysAndNeverWhenOff) {
    const struct {
        const char* name;
        std::optional<QDateTime> last;
        int days;
        bool due;
    } cases[] = {
        {"8 days ago", kNow.addDays(-8), 7, true},
        {"6 days ago", kNow.addDays(-6), 7, false},
        {"no copy yet", std::nullopt, 7, true},
        {"off, 8 days ago", kNow.addDays(-8), 0, false},
        {"off, no copy yet", std::nullopt, 0, false},
        {"3 days ago, 2 wanted", kNow.addDays(-3), 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<BackupSettings::LastCopy> last;
        if (c.last)
            last = BackupSettings::LastCopy{*c.last, QStringLiteral("/media/chiavetta")};
        EXPECT_EQ(BackupSettings::reminderDue(last, c.days, kNow), c.due);
    }
}

TEST(BackupSettings, LastCopyAndDaysLiveInTheSettingsFile) {
    TestFolder dir;
    const BackupSettings settings(dir.folder());
    EXPECT_FALSE(settings.lastCopy());
    EXPECT_EQ(settings.reminderDays(), 7);
    EXPECT_EQ(BackupSettings::lastCopyText(settings.lastCopy()),
              QStringLiteral("Nessuna copia di sicurezza registrata."));

    dir.writeBytes("Impostazioni.ini", "[Numerazione]\r\nInizio=5\r\n");
    ASSERT_TRUE(settings.setLastCopy(
        {kNow, QStringLiteral("/media/chiavetta/Vellarmo-copia-2026-12-10-190000")}));
    EXPECT_EQ(dir.readBytes("Impostazioni.ini"),
              "[Numerazione]\r\nInizio=5\r\n[Copia di sicurezza]\r\nData=10/12/2026\r\n"
              "Ora=19:00:00\r\nCartella=/media/chiavetta/Vellarmo-copia-2026-12-10-190000\r\n");
    ASSERT_TRUE(settings.lastCopy());
    EXPECT_EQ(settings.lastCopy()->when, kNow);
    EXPECT_EQ(BackupSettings::lastCopyText(settings.lastCopy()),
              QStringLiteral("Ultima copia di sicurezza: 10/12/2026 alle 19:00, in "
                             "/media/chiavetta/Vellarmo-copia-2026-12-10-190000"));

    for (const auto& [stored, days] : {std::pair{"0", 0}, {"3", 3}, {"tanti", 7}}) {
        dir.writeBytes("Impostazioni.ini",
                       QByteArray("[Copia di sicurezza]\r\nPromemoria giorni=") + stored + "\r\n");
        EXPECT_EQ(settings.reminderDays(), days) << stored;
    }
    EXPECT_EQ(BackupSettings::reminderQuestion(7),
              QStringLiteral("Non è stata fatta una copia di sicurezza negli ultimi 7 giorni. "
                             "Farla adesso?"));
}
