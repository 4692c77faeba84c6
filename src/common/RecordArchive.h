#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The editor commands every record archive shares, on whole records: store a
// record and move between records from the position on screen. Each call
// opens the file, works and closes it before returning; a missing archive is
// created empty by the first call. Failures come back as values. It does not
// know what a record holds: the distinte's and the buyer cards' archives
// encode and decode their own records around it, and the screens show their
// own messages.
class RecordArchive {
public:
    RecordArchive(QString path, int recordSize)
        : m_path(std::move(path)), m_recordSize(recordSize) {}

    // The position of a record that has never been stored.
    static constexpr qint64 kNotStored = 0;

    struct Saved {
        bool ok = false;
        qint64 position = 0; // the record's position after saving
        bool appended = false;
        // Written without a lock: the file system takes none, so another
        // desk on the same folder was not kept out.
        bool uncoordinated = false;
    };
    // Appends `record` when `position` is kNotStored, otherwise writes it over
    // the record at that 1-based position, which must exist.
    Saved save(QByteArrayView record, qint64 position) const;

    enum class Step { First, Previous, Next, Last };
    // Where a move led; each archive adds the record it decoded.
    struct Outcome {
        enum Kind {
            Failed,  // the archive could not be read
            Nothing, // already at that end: nothing changes, nothing is shown
            Empty,   // the archive holds no record
            Loaded,  // a record was read from `position`
        } kind = Failed;
        qint64 position = 0;
        // Next on an empty archive also forgets the position on screen.
        bool clearPosition = false;
    };
    struct Move : Outcome {
        QByteArray record; // the stored bytes, when Loaded
    };
    // Where First, Previous, Next and Last lead from the position on screen
    // (kNotStored for a record never stored). From there both Next and
    // Previous lead to the first record; there is no wrap-around.
    Move move(Step step, qint64 current) const;

    // `raw` as an archive's own move result `Result` (an Outcome with a record
    // member `field`), the record decoded by `Record::decode` when loaded.
    template <typename Result, typename Record>
    static Result decoded(const Move& raw, Record Result::*field) {
        Result result;
        static_cast<Outcome&>(result) = raw;
        if (raw.kind == Outcome::Loaded)
            result.*field = Record::decode(raw.record);
        return result;
    }

private:
    QString m_path;
    int m_recordSize;
};
