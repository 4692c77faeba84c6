#include "backup/BackupCopy.h"

#include "backup/DataFiles.h"
#include "backup/FileSnapshot.h"
#include "backup/Manifest.h"
#include "common/DiskSync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cstring>

namespace backup {

namespace {

const QString kCopyPrefix = QStringLiteral("Vellarmo-copia-");
const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
const QString kIncompleteSuffix = QStringLiteral("-INCOMPLETA");
// Written and compared in blocks, so that the progress window repaints and
// "Annulla" is seen within a moment even on a slow stick.
constexpr qint64 kBlock = 4 << 20;

enum class Step { Ok, Failed, Cancelled };

// Counts the work done (bytes written plus bytes read back) against the
// total and asks the progress whether to go on.
class Tally {
public:
    Tally(Progress progress, qint64 total) : m_progress(std::move(progress)), m_total(total) {}
    bool add(qint64 bytes) {
        m_done = std::min(m_done + bytes, m_total);
        return !m_progress || m_progress(m_done, m_total);
    }

private:
    Progress m_progress;
    qint64 m_total;
    qint64 m_done = 0;
};

// Writes `bytes` into the new file `path` (never over an existing one) and
// syncs it to the medium.
Step writeNew(const QString& path, QByteArrayView bytes, Tally& tally, QString* reason) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        *reason = out.errorString();
        return Step::Failed;
    }
    for (qint64 at = 0; at < bytes.size();) {
        const qint64 n = std::min(kBlock, bytes.size() - at);
        if (out.write(bytes.data() + at, n) != n) {
            *reason = out.errorString();
            return Step::Failed;
        }
        at += n;
        if (!tally.add(n))
            return Step::Cancelled;
    }
    if (!disksync::syncFile(out, reason))
        return Step::Failed;
    // The read-back must come from the medium, not from what the system
    // still holds in memory.
    disksync::dropCache(out);
    out.close();
    if (out.error() != QFileDevice::NoError) {
        *reason = out.errorString();
        return Step::Failed;
    }
    return Step::Ok;
}

// Reads the file back and compares it with `expected`.
Step readBack(const QString& path, QByteArrayView expected, Tally& tally, bool* same,
              QString* reason) {
    QFile in(path);
    *same = false;
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *reason = in.errorString();
        return Step::Failed;
    }
    if (in.size() != expected.size())
        return Step::Ok;
    QByteArray block(std::min(kBlock, std::max<qint64>(expected.size(), 1)), Qt::Uninitialized);
    for (qint64 at = 0; at < expected.size();) {
        const qint64 n = in.read(block.data(), std::min(kBlock, expected.size() - at));
        if (n <= 0) {
            *reason = in.errorString();
            return Step::Failed;
        }
        if (std::memcmp(block.constData(), expected.data() + at, size_t(n)) != 0)
            return Step::Ok;
        at += n;
        if (!tally.add(n))
            return Step::Cancelled;
    }
    *same = true;
    return Step::Ok;
}

// Removes an unfinished copy, or at least renames it so that nobody takes
// it for a good one.
void discard(CopyOutcome& outcome) {
    QDir dir(outcome.folder);
    if (dir.removeRecursively() || !dir.exists()) {
        outcome.leftover = CopyOutcome::Removed;
        return;
    }
    const QString renamed = outcome.folder + kIncompleteSuffix;
    if (QDir().rename(outcome.folder, renamed)) {
        outcome.leftover = CopyOutcome::RenamedIncomplete;
        outcome.folder = renamed;
        return;
    }
    outcome.leftover = CopyOutcome::LeftInPlace;
}

// Copies one file into the copy and verifies it; its digest goes into
// `entry`.
CopyOutcome::Kind copyOne(const QString& source, int recordSize, const QString& target,
                          Tally& tally, manifest::Entry* entry, qint64* bytes, QString* reason) {
    QByteArray content;
    if (!filesnapshot::read(source, recordSize, &content, reason))
        return CopyOutcome::ReadFailed;
    entry->digest = manifest::digestOf(content);
    *bytes = content.size();
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        *reason = QStringLiteral("cannot make the folder");
        return CopyOutcome::WriteFailed;
    }
    bool same = false;
    Step step = writeNew(target, content, tally, reason);
    if (step == Step::Ok)
        step = readBack(target, content, tally, &same, reason);
    if (step != Step::Ok)
        return step == Step::Cancelled ? CopyOutcome::Cancelled : CopyOutcome::WriteFailed;
    return same ? CopyOutcome::Done : CopyOutcome::VerifyFailed;
}

bool isInside(const QString& path, const QString& folder) {
    const QString inner = QFileInfo(path).canonicalFilePath();
    const QString outer = QFileInfo(folder).canonicalFilePath();
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    return inner == outer || inner.startsWith(outer + u'/');
}

QString megabytes(qint64 bytes) {
    return QLocale(QLocale::Italian).toString(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

} // namespace

QString copyFolderName(const QDateTime& when) {
    return kCopyPrefix + when.toString(kStampFormat);
}

QDateTime copyFolderTime(const QString& name) {
    if (!name.startsWith(kCopyPrefix))
        return {};
    return QDateTime::fromString(name.mid(kCopyPrefix.size()), kStampFormat);
}

CopyOutcome copyDataTo(const ProgramFolder& data, const QString& target, const Progress& progress) {
    CopyOutcome outcome;
    outcome.folder = target;
    QList<datafiles::DataFile> files;
    if (!datafiles::list(data, &files, &outcome.reason)) {
        outcome.kind = CopyOutcome::ReadFailed;
        outcome.file = data.path();
        return outcome;
    }
    if (QFileInfo::exists(target)) {
        outcome.kind = CopyOutcome::AlreadyThere;
        return outcome;
    }
    if (!QDir().mkdir(target)) {
        outcome.kind = CopyOutcome::NotCreated;
        return outcome;
    }

    qint64 total = 0;
    for (const datafiles::DataFile& file : files)
        total += QFileInfo(data.file(file.name)).size();
    // Each byte is written once and read back once.
    Tally tally(progress, 2 * total + 1);
    const QDir copy(target);
    QList<manifest::Entry> entries;
    for (const datafiles::DataFile& file : files) {
        manifest::Entry entry{file.name, {}};
        qint64 bytes = 0;
        outcome.kind = copyOne(data.file(file.name), file.recordSize, copy.filePath(file.name),
                               tally, &entry, &bytes, &outcome.reason);
        if (outcome.kind != CopyOutcome::Done) {
            outcome.file = file.name;
            discard(outcome);
            return outcome;
        }
        entries.append(entry);
        ++outcome.files;
        outcome.bytes += bytes;
    }

    // The manifest comes last: a folder without it was never finished.
    const QByteArray text = manifest::format(entries);
    Tally quiet({}, 2 * text.size() + 1);
    bool same = false;
    Step step = writeNew(copy.filePath(manifest::kFileName), text, quiet, &outcome.reason);
    if (step == Step::Ok)
        step = readBack(copy.filePath(manifest::kFileName), text, quiet, &same, &outcome.reason);
    CopyOutcome::Kind last = CopyOutcome::Done;
    if (step != Step::Ok)
        last = CopyOutcome::WriteFailed;
    else if (!same)
        last = CopyOutcome::VerifyFailed;
    else if (progress && !progress(2 * total + 1, 2 * total + 1))
        last = CopyOutcome::Cancelled;
    if (last != CopyOutcome::Done) {
        outcome.kind = last;
        outcome.file = manifest::kFileName;
        discard(outcome);
        return outcome;
    }
    // Every name in the copy, and the copy's own name, reach the medium.
    for (const QString& folder : copy.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        disksync::syncFolder(copy.filePath(folder));
    disksync::syncFolder(target);
    disksync::syncFolder(QFileInfo(target).absolutePath());
    outcome.kind = CopyOutcome::Done;
    return outcome;
}

CopyOutcome makeCopy(const ProgramFolder& data, const QString& destination, const QDateTime& when,
                     const Progress& progress) {
    CopyOutcome outcome;
    const QFileInfo chosen(destination);
    if (destination.isEmpty() || !chosen.isDir()) {
        outcome.kind = CopyOutcome::NoDestination;
        outcome.folder = destination;
        return outcome;
    }
    // The data folder itself, a folder inside it, or one reached through a
    // link into it: a copy there dies with the data.
    if (isInside(destination, data.path())) {
        outcome.kind = CopyOutcome::InsideDataFolder;
        outcome.folder = destination;
        return outcome;
    }
    return copyDataTo(data, QDir(chosen.absoluteFilePath()).filePath(copyFolderName(when)),
                      progress);
}

QString copyMessage(const CopyOutcome& outcome) {
    const QString folder = QDir::toNativeSeparators(outcome.folder);
    QString left;
    switch (outcome.leftover) {
    case CopyOutcome::Nothing:
        break;
    case CopyOutcome::Removed:
        left = QStringLiteral(" La copia incompleta è stata eliminata.");
        break;
    case CopyOutcome::RenamedIncomplete:
        left = QStringLiteral(" La copia incompleta non si è potuta eliminare ed è stata "
                              "rinominata %1: non va usata.")
                   .arg(folder);
        break;
    case CopyOutcome::LeftInPlace:
        left = QStringLiteral(" La cartella incompleta %1 non si è potuta né eliminare né "
                              "rinominare: non va usata.")
                   .arg(folder);
        break;
    }
    switch (outcome.kind) {
    case CopyOutcome::Done:
        return QStringLiteral("Copia di sicurezza completata in %1: %2 file, %3 MB, tutti "
                              "riletti e verificati.")
            .arg(folder)
            .arg(outcome.files)
            .arg(megabytes(outcome.bytes));
    case CopyOutcome::Cancelled:
        return QStringLiteral("Copia di sicurezza annullata.") + left;
    case CopyOutcome::InsideDataFolder:
        return QStringLiteral("Attenzione: la copia di sicurezza non può stare nella cartella "
                              "dei dati. Scegliere un'altra cartella, per esempio su una "
                              "chiavetta USB.");
    case CopyOutcome::NoDestination:
        return QStringLiteral("Attenzione: la cartella %1 non esiste.").arg(folder);
    case CopyOutcome::AlreadyThere:
        return QStringLiteral("Attenzione: la cartella %1 esiste già e non viene "
                              "sovrascritta. Riprovare tra qualche secondo.")
            .arg(folder);
    case CopyOutcome::NotCreated:
        return QStringLiteral("Attenzione: non è stato possibile creare la cartella %1. "
                              "Accertarsi che il disco sia collegato e non protetto da "
                              "scrittura.")
            .arg(folder);
    case CopyOutcome::ReadFailed:
        return QStringLiteral("Attenzione: non è stato possibile leggere il file %1 dei "
                              "dati. La copia di sicurezza non è stata fatta.")
                   .arg(outcome.file) +
               left;
    case CopyOutcome::WriteFailed:
        return QStringLiteral("Attenzione: la scrittura della copia di sicurezza non è "
                              "riuscita (file %1). Il disco potrebbe essere pieno o essere "
                              "stato scollegato. La copia non è valida.")
                   .arg(outcome.file) +
               left;
    case CopyOutcome::VerifyFailed:
        return QStringLiteral("Attenzione: il file %1 riletto dalla copia non corrisponde "
                              "all'originale. Il disco di destinazione potrebbe essere "
                              "danneggiato. La copia non è valida.")
                   .arg(outcome.file) +
               left;
    }
    return QString();
}

} // namespace backup
