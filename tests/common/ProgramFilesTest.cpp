#include "common/ProgramFiles.h"

#include "support/TestFolder.h"

#include <QDir>
#include <gtest/gtest.h>

// The guide and the delivered key file lie beside the program in a build or
// a program folder, and in share/vellarmo under an installation prefix.
TEST(ProgramFiles, BesideTheProgramOrInTheSharedFolderOfItsPrefix) {
    TestFolder dir;
    const QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("Vellarmo")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("usr/bin")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("usr/share/vellarmo")));
    ASSERT_TRUE(root.mkpath(QStringLiteral("opt/bin")));
    const struct {
        const char* executableDir;
        const char* expected;
    } cases[] = {
        {"Vellarmo", "Vellarmo"},
        {"usr/bin", "usr/share/vellarmo"},
        {"usr/bin/", "usr/share/vellarmo"},
        // A prefix without the shared folder keeps everything beside the program.
        {"opt/bin", "opt/bin"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programFilesFolder(root.filePath(QString::fromLatin1(c.executableDir))),
                  root.filePath(QString::fromLatin1(c.expected)))
            << c.executableDir;
}
