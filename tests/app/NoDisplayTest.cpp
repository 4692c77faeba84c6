#include "app/DisplayCheck.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char* platform;
    const char* x11;
    const char* wayland;
    bool has;
};

TEST(DisplayCheck, TellsWhetherThePlatformHasItsDisplay) {
    const DisplayCase cases[] = {
        {"", "", "", false},
        {"", ":0", "", true},
        {"", "", "wayland-0", true},
        {"xcb", "", "wayland-0", false},
        {"xcb", ":1", "", true},
        {"wayland", ":0", "", false},
        {"wayland-egl", "", "wayland-0", true},
        {"offscreen", "", "", true},
        {"offscreen:configfile=/x.json", "", "", true},
        {"", "  ", "", false},
    };
    for (const DisplayCase& c : cases)
        EXPECT_EQ(hasDisplay(c.platform, c.x11, c.wayland), c.has)
            << c.platform << " / " << c.x11 << " / " << c.wayland;
}

// Started with no display at all, or with one that cannot be reached, the
// program says so in one Italian line and ends with a failure status instead
// of the toolkit's abort.
TEST(DisplayCheck, ProgramWithoutADisplaySaysSoInOneLine) {
    const QString program = QStringLiteral(VELLARMO_PROGRAM);
    const QList<QPair<QString, QString>> setups = {
        {QString(), QString()},
        {QStringLiteral("DISPLAY"), QStringLiteral(":97531")},
    };
    for (const auto& [name, value] : setups) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* unset : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(unset));
        if (!name.isEmpty())
            env.insert(name, value);
        QProcess run;
        run.setProcessEnvironment(env);
        run.start(program, {});
        ASSERT_TRUE(run.waitForFinished(30000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << value.toStdString();
        EXPECT_EQ(run.exitCode(), 1) << value.toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(run.readAllStandardError()),
                  noDisplayMessage(program) + QLatin1Char('\n'))
            << value.toStdString();
    }
}

} // namespace
