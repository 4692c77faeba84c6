#include "support/ChildProcess.h"
#include "widgets/NumberSettings.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test binary runs with a real QApplication on the offscreen platform,
// so screens can be created and driven without a display. An offscreen
// platform chosen with options (a screen size) is kept.
int main(int argc, char** argv) {
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As start-up does for the program.
    applyNumberSettings();
    // A second desk started by a test runs its part and no tests.
    if (int exitCode = 0; runChildIfAsked(argc, argv, &exitCode))
        return exitCode;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
