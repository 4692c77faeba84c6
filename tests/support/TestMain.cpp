#include "support/ChildProcess.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test binary runs with a real QApplication on the offscreen platform,
// so screens can be created and driven without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A second desk started by a test runs its part and no tests.
    if (int exitCode = 0; runChildIfAsked(argc, argv, &exitCode))
        return exitCode;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
