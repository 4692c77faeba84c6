#include "backup/DataFiles.h"

#include "buyers/Attachments.h"
#include "buyers/SchedaAnagrafica.h"
#include "distinte/Impostazioni.h"
#include "distinte/Ricevuta.h"
#include "tariff/TariffFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace datafiles {

namespace {

// The key file and the logo are named by the shell and the distinte
// screens, which sit above this folder; their names are part of every
// existing data folder and never change.
const QString kKeyFile = QStringLiteral("unins000.dll");
const QString kLogoFile = QStringLiteral("Logo.bmp");

bool isYearArchive(const QString& name) {
    return name.endsWith(QLatin1String(".ric"), Qt::CaseInsensitive);
}

} // namespace

int recordSizeOf(const QString& name) {
    if (isYearArchive(name) && !name.contains(u'/'))
        return Ricevuta::kRecordSize;
    if (name.compare(kBuyersArchiveFileName, Qt::CaseInsensitive) == 0)
        return SchedaAnagrafica::kRecordSize;
    return 0;
}

bool list(const ProgramFolder& folder, QList<DataFile>* files, QString* error) {
    files->clear();
    const QDir dir(folder.path());
    if (!dir.exists()) {
        *error = QStringLiteral("%1: folder not found").arg(folder.path());
        return false;
    }
    const QStringList archives =
        dir.entryList({QStringLiteral("*.ric")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : archives)
        files->append({name, Ricevuta::kRecordSize});

    const QString single[] = {kBuyersArchiveFileName, tariff::tariffFileName(),
                              Impostazioni::fileName(), kKeyFile, kLogoFile};
    for (const QString& name : single) {
        if (QFileInfo(dir.filePath(name)).isFile())
            files->append({name, recordSizeOf(name)});
    }

    const QString attached = dir.filePath(attachments::kFolderName);
    if (QFileInfo(attached).isDir()) {
        if (!QFileInfo(attached).isReadable()) {
            *error = QStringLiteral("%1: folder cannot be read").arg(attached);
            return false;
        }
        QStringList names;
        QDirIterator it(attached, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            names.append(dir.relativeFilePath(it.next()));
        names.sort();
        for (const QString& name : names)
            files->append({name, 0});
    }
    return true;
}

} // namespace datafiles
