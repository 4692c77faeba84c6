#include "backup/Restore.h"

#include "backup/BackupCopy.h"
#include "backup/BackupSettings.h"
#include "backup/DataFiles.h"
#include "backup/FileSnapshot.h"
#include "common/FileLock.h"
#include "common/IniFile.h"
#include "common/WholeFileWriter.h"
#include "distinte/Impostazioni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace backup {

namespace {

const QString kKeptPrefix = QStringLiteral("Dati-prima-del-ripristino-");
const QString kStampFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
// How many file names a message lists before it sums up the rest.
constexpr int kNamed = 10;

QString named(const QStringList& names) {
    QStringList shown = names.mid(0, kNamed);
    QString text = shown.join(QStringLiteral(", "));
    if (names.size() > kNamed)
        text += QStringLiteral(" e altri %1").arg(names.size() - kNamed);
    return text;
}

QString when(const QDateTime& at) {
    return QStringLiteral("%1 alle %2")
        .arg(at.toString(QStringLiteral("dd/MM/yyyy")), at.toString(QStringLiteral("HH:mm")));
}

// Maps the progress of one of two halves of the work onto the whole.
Progress half(const Progress& progress, int which) {
    if (!progress)
        return {};
    return [progress, which](qint64 done, qint64 total) {
        return progress(which * total + done, 2 * total);
    };
}

// Replaces one data file by `bytes`, whole or not at all. An archive is
// replaced under its record lock, so that no desk's append lands in the
// middle of it.
bool putInPlace(const QString& path, const QString& name, const QByteArray& bytes,
                QString* reason) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *reason = QStringLiteral("cannot make the folder");
        return false;
    }
    QFile archive(path);
    std::optional<FileLock> lock;
    if (datafiles::recordSizeOf(name) > 0 &&
        archive.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        lock.emplace(archive);
        if (!lock->lock()) {
            *reason = lock->errorString();
            return false;
        }
    }
    return writeWholeFile(path, bytes, reason);
}

struct Replaced {
    QString name;
    bool existed;
};

// Puts back what restore() replaced, from the data it kept. True when every
// file is as it was.
bool putBack(const ProgramFolder& data, const QString& kept, const QList<Replaced>& replaced) {
    bool all = true;
    for (qsizetype i = replaced.size() - 1; i >= 0; --i) {
        const QString target = data.file(replaced[i].name);
        if (!replaced[i].existed) {
            all = QFile::remove(target) && all;
            continue;
        }
        QByteArray bytes;
        QString reason;
        all = filesnapshot::read(QDir(kept).filePath(replaced[i].name), 0, &bytes, &reason) &&
              putInPlace(target, replaced[i].name, bytes, &reason) && all;
    }
    return all;
}

} // namespace

CopyCheck checkCopy(const QString& folder, const Progress& progress) {
    CopyCheck check;
    check.folder = folder;
    const QDir copy(folder);
    const QString manifestPath = copy.filePath(manifest::kFileName);
    if (!QFileInfo(manifestPath).isFile()) {
        check.kind = CopyCheck::NoManifest;
        return check;
    }
    QByteArray text;
    QString reason;
    const auto parsed =
        filesnapshot::read(manifestPath, 0, &text, &reason) ? manifest::parse(text) : std::nullopt;
    if (!parsed) {
        check.kind = CopyCheck::BadManifest;
        return check;
    }
    check.entries = *parsed;
    check.made = copyFolderTime(QFileInfo(folder).fileName());
    if (!check.made.isValid())
        check.made = QFileInfo(manifestPath).lastModified();

    qint64 total = 0;
    for (const manifest::Entry& entry : check.entries)
        total += QFileInfo(copy.filePath(entry.name)).size();
    qint64 done = 0;
    for (const manifest::Entry& entry : check.entries) {
        const QString path = copy.filePath(entry.name);
        QByteArray bytes;
        if (!QFileInfo(path).isFile())
            check.missing.append(entry.name);
        else if (!filesnapshot::read(path, 0, &bytes, &reason) ||
                 manifest::digestOf(bytes) != entry.digest)
            check.damaged.append(entry.name);
        done += bytes.size();
        if (progress && !progress(done, total)) {
            check.kind = CopyCheck::Cancelled;
            return check;
        }
    }
    if (!check.missing.isEmpty() || !check.damaged.isEmpty())
        check.kind = CopyCheck::Damaged;
    return check;
}

QString refusalMessage(const CopyCheck& check) {
    const QString folder = QDir::toNativeSeparators(check.folder);
    switch (check.kind) {
    case CopyCheck::Good:
    case CopyCheck::Cancelled:
        return QString();
    case CopyCheck::NoManifest:
        return QStringLiteral("Attenzione: la cartella %1 non contiene il file %2. Non è una "
                              "copia di sicurezza di Vellarmo, oppure non è stata completata. "
                              "Nessun dato è stato modificato.")
            .arg(folder, manifest::kFileName);
    case CopyCheck::BadManifest:
        return QStringLiteral("Attenzione: il file %1 della cartella %2 è danneggiato. La copia "
                              "non viene ripristinata e nessun dato è stato modificato.")
            .arg(manifest::kFileName, folder);
    case CopyCheck::Damaged:
        break;
    }
    QString text = QStringLiteral("Attenzione: la copia di sicurezza in %1 non è integra e non "
                                  "viene ripristinata. Nessun dato è stato modificato.")
                       .arg(folder);
    if (!check.missing.isEmpty())
        text += QStringLiteral("\nFile mancanti: %1.").arg(named(check.missing));
    if (!check.damaged.isEmpty())
        text += QStringLiteral("\nFile danneggiati: %1.").arg(named(check.damaged));
    return text;
}

QString keptDataFolderName(const QDateTime& at) {
    return kKeptPrefix + at.toString(kStampFormat);
}

QString restoreQuestion(const ProgramFolder& data, const CopyCheck& check, const QDateTime& at) {
    return QStringLiteral("Ripristinare i dati dalla copia di sicurezza del %1? I dati attuali "
                          "saranno prima copiati e verificati nella cartella %2.")
        .arg(when(check.made), QDir::toNativeSeparators(data.file(keptDataFolderName(at))));
}

RestoreOutcome restore(const ProgramFolder& data, const CopyCheck& check, const QDateTime& at,
                       const Progress& progress) {
    RestoreOutcome outcome;
    outcome.keptFolder = data.file(keptDataFolderName(at));
    const CopyOutcome kept = copyDataTo(data, outcome.keptFolder, half(progress, 0));
    if (!kept.ok()) {
        outcome.kind = kept.kind == CopyOutcome::Cancelled ? RestoreOutcome::Cancelled
                                                           : RestoreOutcome::NotKept;
        outcome.file = kept.file;
        outcome.reason = kept.reason;
        return outcome;
    }

    // The record of the copies belongs to this data folder's history, not
    // to the copy's.
    const BackupSettings settings(data);
    const std::optional<BackupSettings::LastCopy> lastCopy = settings.lastCopy();
    const QString iniPath = data.file(Impostazioni::fileName());
    const QString days =
        IniFile(iniPath).value(BackupSettings::kSection, BackupSettings::kReminderDaysKey);

    qint64 total = 0;
    for (const manifest::Entry& entry : check.entries)
        total += QFileInfo(QDir(check.folder).filePath(entry.name)).size();
    const Progress second = half(progress, 1);
    qint64 done = 0;
    QList<Replaced> replaced;
    for (const manifest::Entry& entry : check.entries) {
        QByteArray bytes;
        const QString target = data.file(entry.name);
        if (!filesnapshot::read(QDir(check.folder).filePath(entry.name), 0, &bytes,
                                &outcome.reason) ||
            manifest::digestOf(bytes) != entry.digest) {
            outcome.kind = RestoreOutcome::CopyChanged;
        } else {
            const bool existed = QFileInfo::exists(target);
            if (putInPlace(target, entry.name, bytes, &outcome.reason)) {
                replaced.append({entry.name, existed});
                ++outcome.files;
                done += bytes.size();
                if (!second || second(done, total))
                    continue;
                outcome.kind = RestoreOutcome::Cancelled;
            } else {
                outcome.kind = RestoreOutcome::WriteFailed;
            }
        }
        outcome.file = entry.name;
        outcome.putBack = putBack(data, outcome.keptFolder, replaced);
        outcome.files = 0;
        return outcome;
    }

    if (lastCopy)
        settings.setLastCopy(*lastCopy);
    if (!days.isEmpty())
        IniFile(iniPath).setValue(BackupSettings::kSection, BackupSettings::kReminderDaysKey, days);
    return outcome;
}

QString restoreMessage(const RestoreOutcome& outcome) {
    const QString kept = QDir::toNativeSeparators(outcome.keptFolder);
    switch (outcome.kind) {
    case RestoreOutcome::Done:
        return QStringLiteral("Ripristino completato: %1 file ripristinati dalla copia di "
                              "sicurezza. I dati di prima sono conservati nella cartella %2.")
            .arg(outcome.files)
            .arg(kept);
    case RestoreOutcome::NotKept:
        return QStringLiteral("Attenzione: non è stato possibile conservare i dati attuali prima "
                              "del ripristino (file %1). Il ripristino non è stato fatto e "
                              "nessun dato è stato modificato.")
            .arg(outcome.file);
    case RestoreOutcome::Cancelled:
        if (outcome.putBack)
            return QStringLiteral("Ripristino annullato: i dati sono rimasti come prima.");
        break;
    case RestoreOutcome::CopyChanged:
    case RestoreOutcome::WriteFailed:
        if (outcome.putBack)
            return QStringLiteral("Attenzione: il ripristino non è riuscito (file %1). I dati "
                                  "sono rimasti come prima; una copia verificata è anche nella "
                                  "cartella %2.")
                .arg(outcome.file, kept);
        break;
    }
    return QStringLiteral("Attenzione: il ripristino non è riuscito (file %1) e non è stato "
                          "possibile rimettere tutti i file come prima. I dati di prima sono "
                          "conservati, verificati, nella cartella %2: ripristinarli da lì con "
                          "«Ripristina da una copia...».")
        .arg(outcome.file, kept);
}

} // namespace backup
