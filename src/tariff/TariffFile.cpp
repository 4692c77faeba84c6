#include "TariffFile.h"

#include "common/MessageBreaks.h"
#include "common/TextRules.h"
#include "common/WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace tariff {
namespace {

// A list of a few hundred stamps takes some tens of kilobytes; a file far
// beyond that is not a tariff list and is not loaded.
constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

std::optional<QString> decodeWithBom(QByteArrayView bytes) {
    const auto bom = [&bytes](std::initializer_list<unsigned char> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (unsigned char b : mark) {
            if (static_cast<unsigned char>(bytes[i++]) != b)
                return false;
        }
        return true;
    };
    std::optional<QStringDecoder::Encoding> encoding;
    qsizetype skip = 0;
    if (bom({0xEF, 0xBB, 0xBF})) {
        encoding = QStringDecoder::Utf8;
        skip = 3;
    } else if (bom({0xFF, 0xFE})) {
        encoding = QStringDecoder::Utf16LE;
        skip = 2;
    } else if (bom({0xFE, 0xFF})) {
        encoding = QStringDecoder::Utf16BE;
        skip = 2;
    }
    if (!encoding)
        return text::fromWindows1252(bytes);

    const QByteArrayView body = bytes.sliced(skip);
    // A stateless decoder does not flag a cut-off last character itself.
    if (*encoding != QStringDecoder::Utf8 && body.size() % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(*encoding, QStringDecoder::Flag::Stateless);
    QString decoded = decoder(body);
    if (decoder.hasError() || decoded.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return decoded;
}

} // namespace

QString tariffFileName() {
    return QStringLiteral("Valori_Bollati.lst");
}

std::optional<QStringList> decodeTariffText(QByteArrayView bytes) {
    const std::optional<QString> decoded = decodeWithBom(bytes);
    if (!decoded || decoded->contains(QChar(0)))
        return std::nullopt;

    QStringList lines;
    const QString& t = *decoded;
    qsizetype start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text::trimmed(QStringView(t).sliced(start, i - start)));
        if (c == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    // Text after the last line end is a last line without its line end.
    if (start < t.size())
        lines.append(text::trimmed(QStringView(t).sliced(start)));
    return lines;
}

QByteArray encodeTariffText(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out.append(text::toWindows1252(line));
        out.append("\r\n");
    }
    return out;
}

ReadResult readTariffFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {ReadResult::Status::Missing, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {ReadResult::Status::Unreadable, {}};
    if (file.size() > kMaxFileSize)
        return {ReadResult::Status::Damaged, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ReadResult::Status::Unreadable, {}};
    std::optional<QStringList> lines = decodeTariffText(bytes);
    if (!lines)
        return {ReadResult::Status::Damaged, {}};
    return {ReadResult::Status::Ok, std::move(*lines)};
}

QString unreadableTariffMessage(const QString& path) {
    return QStringLiteral("Attenzione: non è stato possibile leggere il file del tariffario "
                          "\"%1\"." VM_PARAGRAPH
                          "Il file non verrà sovrascritto, a meno che non si "
                          "modifichi l'elenco.")
        .arg(QDir::toNativeSeparators(path));
}

WriteResult writeTariffFile(const QString& path, const QStringList& lines) {
    QString reason;
    if (!writeWholeFile(path, encodeTariffText(lines), &reason))
        return {false, reason};
    return {true, {}};
}

} // namespace tariff
