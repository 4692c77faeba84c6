#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <functional>

class FileLock;

// A file of fixed-size records with no header: record n (1-based) starts at
// byte (n - 1) * recordSize, and bytes of an incomplete last record are not a
// record. One object serves one user command: open it, work, let it go; the
// destructor closes the file, so nothing stays open between commands.
//
// Failures are reported as return values with errorString(); the caller shows
// its own fixed message. An existing file that cannot be opened for reading
// and writing is never replaced: only a missing file is created. A file that
// can be read but not written (a write-protected stick, a read-only share)
// opens for reading, and only writes to it fail.
//
// Several desks may share the file: every append and rewrite takes an
// exclusive lock on the file for that one write (FileLock), counts the
// records again under it and syncs the write to disk before letting go.
// Reads take no lock. On a file system that refuses locks altogether the
// write goes ahead without one, as it did before the program took locks, and
// uncoordinated() says so; a lock that is only busy still waits and fails.
class RecordFile {
public:
    RecordFile(const QString& path, int recordSize);
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for reading and writing, or for reading only when the file cannot
    // be written; a missing file is created empty.
    bool open();
    void close() { m_file.close(); }
    bool isReadOnly() const { return m_readOnly; }
    // How long a write waits for another desk's write (milliseconds).
    void setLockWait(int ms) { m_lockWaitMs = ms; }

    // Whole records in the file; -1 when the file is not open.
    qint64 count() const;

    bool read(qint64 position, QByteArray* record);
    bool write(qint64 position, QByteArrayView record);
    // Writes after the last whole record, over any partial trailing bytes.
    // Returns the new record's position, or 0 on failure; a failed append
    // leaves no partial record behind where the file can still be shortened.
    qint64 append(QByteArrayView record);

    // Visits records from `from` to the last, in file order, reading in large
    // blocks. The visitor returns false to stop early. The record view is only
    // valid during the call.
    using Visitor = std::function<bool(qint64 position, QByteArrayView record)>;
    bool scan(const Visitor& visit, qint64 from = 1);

    int recordSize() const { return m_recordSize; }
    QString errorString() const { return m_error; }
    // Whether a write went ahead without a lock because the file system takes
    // none: another desk on the same folder was not kept out.
    bool uncoordinated() const { return m_uncoordinated; }

private:
    bool fail(const QString& what);
    // Takes `lock` for one write; true also where the file system takes no
    // locks (the write is then uncoordinated).
    bool lockForWrite(FileLock& lock);
    bool seekTo(qint64 position);
    bool writeOut(QByteArrayView record);
    bool writable();

    QFile m_file;
    int m_recordSize;
    bool m_readOnly = false;
    int m_lockWaitMs;
    bool m_uncoordinated = false;
    QString m_error;
};
