#include "buyers/Attachments.h"

#include "common/TextRules.h"
#include "common/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Attachments Attachments::trimmed() const {
    Attachments out;
    for (int i = 0; i < kSlots; ++i) {
        out.file[i] = text::trimmed(file[i]);
        out.desc[i] = text::trimmed(desc[i]);
    }
    return out;
}

namespace attachments {

QString folderPath(const ProgramFolder& folder) {
    return folder.file(kFolderName);
}

QString filePath(const ProgramFolder& folder, const QString& name) {
    return QDir(folderPath(folder)).filePath(text::trimmed(name));
}

bool copyIn(const ProgramFolder& folder, const QString& source) {
    if (!QDir().mkpath(folderPath(folder)))
        return false;
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    WholeFileWriter writer(filePath(folder, QFileInfo(source).fileName()));
    if (!writer.open())
        return false;
    constexpr qint64 kChunk = 1 << 20;
    QByteArray chunk;
    while (!(chunk = input.read(kChunk)).isEmpty()) {
        if (writer.device().write(chunk) != chunk.size()) {
            writer.cancel();
            return false;
        }
    }
    // A read error ends the loop like the end of the file does.
    if (input.error() != QFileDevice::NoError) {
        writer.cancel();
        return false;
    }
    return writer.commit();
}

} // namespace attachments
