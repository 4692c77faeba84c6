#pragma once

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A small file system of its own (a tmpfs) that a test can fill to the last
// block, to make real writes fail for lack of space. Mounting needs root; as
// any other user the disk is not there and reason() says why. The file system
// is unmounted when the object goes.
class FullDisk {
public:
    explicit FullDisk(int kilobytes = 256);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.path() + u'/' + name; }

    // Takes every free block, then gives back `leaveBytes` (rounded up to whole
    // blocks) so that a write can fail part-way.
    void fill(qint64 leaveBytes = 0);
    // Gives the space taken by fill() back.
    void release();

    // Where the tests must run (CI), a missing disk is a failure, not a skip.
    static bool required();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

// Skips the test, with the reason shown, when the disk could not be made;
// fails it instead where these tests are required to run.
#define REQUIRE_FULL_DISK(disk)                                                                    \
    do {                                                                                           \
        if (!(disk).mounted()) {                                                                   \
            if (FullDisk::required())                                                              \
                FAIL() << "full-disk test could not run: " << (disk).reason().toStdString();       \
            GTEST_SKIP() << "full-disk test skipped: " << (disk).reason().toStdString();           \
        }                                                                                          \
    } while (false)
