#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <memory>

class CheckedDevice;

// Replaces a whole file atomically: writes a temporary file beside it, flushes
// and checks every write, syncs to disk, and only then replaces the old file;
// any failure leaves the old file byte for byte.
//
// The first failed write is remembered even when the code writing into
// device() does not look at return values (a PDF or spreadsheet writer), so
// commit() cannot report success after a lost write. A read-only existing file
// is never replaced. The writer does not lock anything: record files that two
// desks append to use RecordFile and its lock instead.
//
// The temporary name is short whatever the target's, so a target whose name
// is near the file system's limit can still be written.
class WholeFileWriter {
public:
    // What a target that is a symbolic link means: the file it points at
    // (Follow), or a place the writer must not write through (Refuse: open()
    // fails, and a link planted after open() is replaced itself, never
    // followed).
    enum class Links { Follow, Refuse };

    explicit WholeFileWriter(const QString& path, Links links = Links::Follow);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    bool open();         // false + errorString() on failure
    QIODevice& device(); // write the new content here (streaming allowed: exports are large)
    // For a library that writes a file only by its name (a workbook writer):
    // the temporary file, made empty by open(), to write the whole new content
    // into by that name instead of through device(). commit() then syncs and
    // renames it like any other; a file short of its end must be caught by the
    // caller before commit(), since the writer sees none of its bytes.
    QString temporaryPath() const { return m_temporary.fileName(); }
    bool commit(); // flush, check, fsync, rename; false + errorString() on any failure
    void cancel(); // drop the new content; old file untouched
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& what, const QString& reason);
    void dropTemporary();

    QString m_path; // the file as named by the caller
    Links m_links;
    QString m_target; // the file actually replaced (a symbolic link is followed)
    QFile m_temporary;
    std::unique_ptr<CheckedDevice> m_device;
    QString m_error;
};

// Convenience for content that is already in memory.
bool writeWholeFile(const QString& path, const QByteArray& content, QString* errorString = nullptr);
