#include "buyers/Attachments.h"

#include "buyers/BuyerArchive.h"
#include "buyers/SchedaAnagrafica.h"
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

namespace {

constexpr qint64 kChunk = 1 << 20;
// Most file systems take names of at most 255 bytes.
constexpr qsizetype kFileSystemLimit = 255;
// Numbered names are tried this far before the copy is given up.
constexpr int kMostNumbers = 9999;

qsizetype nameCapacity() {
    return SchedaAnagrafica::layout().field(SchedaAnagrafica::File01).capacity;
}

// The extension ".pdf" of a name, empty when there is none worth keeping: a
// name's leading dot and a very long tail are part of the name itself.
QString extensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > 32)
        return QString();
    return name.mid(dot);
}

// `stem` + `tail`, the stem cut until the whole fits the card's field and the
// file system's name limit.
QString fitted(QString stem, const QString& tail) {
    const auto fits = [](const QString& name) {
        return name.size() <= nameCapacity() && name.toUtf8().size() <= kFileSystemLimit;
    };
    while (!stem.isEmpty() && !fits(stem + tail))
        stem.chop(stem.back().isLowSurrogate() && stem.size() > 1 ? 2 : 1);
    return text::trimmed(stem) + tail;
}

// The same bytes in both files; none when either cannot be read.
std::optional<bool> sameBytes(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (first.size() != second.size())
        return false;
    for (;;) {
        const QByteArray x = first.read(kChunk);
        const QByteArray y = second.read(kChunk);
        if (first.error() != QFileDevice::NoError || second.error() != QFileDevice::NoError)
            return std::nullopt;
        if (x != y)
            return false;
        if (x.isEmpty())
            return true;
    }
}

// Copies `source` to `target`, never through a link planted there.
bool copyTo(const QString& source, const QString& target) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    WholeFileWriter writer(target, WholeFileWriter::Links::Refuse);
    if (!writer.open())
        return false;
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

} // namespace

QString folderPath(const ProgramFolder& folder) {
    return folder.file(kFolderName);
}

QString filePath(const ProgramFolder& folder, const QString& name) {
    return QDir(folderPath(folder)).filePath(text::trimmed(name));
}

QString storableName(const QString& fileName) {
    QString name;
    name.reserve(fileName.size());
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const QChar c = fileName.at(i);
        // A character beyond the 16-bit range comes as two halves; it is one
        // character, so it becomes one "_".
        if (c.isHighSurrogate() && i + 1 < fileName.size() && fileName.at(i + 1).isLowSurrogate()) {
            name += QLatin1Char('_');
            ++i;
            continue;
        }
        const QByteArray stored = text::toWindows1252(QStringView(&c, 1));
        const bool holds =
            text::fromWindows1252(static_cast<unsigned char>(stored.at(0))) == c.unicode();
        name += holds ? c : QLatin1Char('_');
    }
    name = text::trimmed(name);
    if (name.isEmpty())
        return QStringLiteral("_");
    const QString extension = extensionOf(name);
    return fitted(name.chopped(extension.size()), extension);
}

QString numberedName(const QString& name, int n) {
    const QString extension = extensionOf(name);
    return fitted(name.chopped(extension.size()), QStringLiteral(" (%1)").arg(n) + extension);
}

Placed place(const ProgramFolder& folder, const QString& source, const NamesInUse& inUse,
             const std::function<bool()>& askOverwrite) {
    const QString name = storableName(QFileInfo(source).fileName());
    const QString folderName = folderPath(folder);
    if (QFileInfo(folderName).isSymLink() || !QDir().mkpath(folderName))
        return {};
    if (!QFile(source).open(QIODevice::ReadOnly))
        return {};
    const QDir dir(folderName);
    // Without the archive, any file there may be another card's; a name no
    // file has is taken then, since no card can be read to say otherwise.
    const auto namedByCard = [&inUse](const QString& candidate) {
        return inUse && inUse->contains(candidate);
    };
    const auto copied = [&source](const QString& target, const QString& candidate) {
        return copyTo(source, target) ? Placed{Placed::Copied, candidate} : Placed{};
    };
    for (int n = 1; n <= kMostNumbers; ++n) {
        const QString candidate = n == 1 ? name : numberedName(name, n);
        const QString target = dir.filePath(candidate);
        const QFileInfo info(target);
        if (info.isSymLink()) {
            // The user's own name leads nowhere safe; a numbered one is skipped.
            if (n == 1)
                return {};
            continue;
        }
        if (!info.exists()) {
            if (namedByCard(candidate))
                continue;
            return copied(target, candidate);
        }
        if (!info.isFile())
            continue;
        if (sameBytes(source, target) == true)
            return {Placed::Reused, candidate};
        if (n == 1 && inUse && !inUse->contains(candidate) && askOverwrite())
            return copied(target, candidate);
    }
    return {};
}

NamesInUse namesInUse(const ProgramFolder& folder, qint64 position, const Attachments& card,
                      int slot) {
    QSet<QString> names;
    const RecordLayout& layout = SchedaAnagrafica::layout();
    const bool read = BuyerArchive(folder).scanRecords([&](qint64 at, QByteArrayView record) {
        if (at == position)
            return true;
        for (int n = 0; n < Attachments::kSlots; ++n) {
            const QString name =
                fixedfield::decode(record, layout.field(SchedaAnagrafica::File01 + n));
            if (!name.isEmpty())
                names.insert(name);
        }
        return true;
    });
    if (!read)
        return std::nullopt;
    // One slot's document is never replaced by another's of the same card.
    const Attachments trimmed = card.trimmed();
    for (int n = 0; n < Attachments::kSlots; ++n)
        if (n != slot && !trimmed.file[n].isEmpty())
            names.insert(trimmed.file[n]);
    return names;
}

} // namespace attachments
