#include "backup/Manifest.h"

#include "common/LateLibrary.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <openssl/evp.h>

namespace manifest {

namespace {

constexpr int kDigestBytes = 32;

QByteArray escaped(const QByteArray& name, bool* needed) {
    *needed = name.contains('\\') || name.contains('\n') || name.contains('\r');
    if (!*needed)
        return name;
    QByteArray out;
    for (char c : name) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<QByteArray> unescaped(QByteArrayView name) {
    QByteArray out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') {
            out += name[i];
            continue;
        }
        if (++i >= name.size())
            return std::nullopt;
        switch (name[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// libcrypto's one-shot digest, loaded at the first digest; both null where
// the library cannot be loaded.
struct OpenSslDigest {
    decltype(EVP_Digest)* digest = nullptr;
    decltype(EVP_sha256)* sha256 = nullptr;
};

const OpenSslDigest& openSsl() {
    static const OpenSslDigest loaded = [] {
        OpenSslDigest functions;
        LateLibrary crypto(QStringLiteral("crypto"), 3);
        if (!crypto.load() || !crypto.resolve("EVP_Digest", functions.digest) ||
            !crypto.resolve("EVP_sha256", functions.sha256))
            return OpenSslDigest{};
        return functions;
    }();
    return loaded;
}

} // namespace

// OpenSSL's SHA-256 uses the processor's own instructions where it has
// them: several times faster than the toolkit's, which would otherwise be
// most of the time a copy of the data folder takes. Without libcrypto the
// toolkit's gives the same digest, only slower.
QByteArray digestOf(QByteArrayView bytes) {
    const OpenSslDigest& openssl = openSsl();
    if (!openssl.digest)
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    QByteArray digest(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int length = 0;
    if (openssl.digest(bytes.data(), std::size_t(bytes.size()),
                       reinterpret_cast<unsigned char*>(digest.data()), &length, openssl.sha256(),
                       nullptr) != 1)
        return {}; // never matches a stored digest: the file counts as damaged
    digest.resize(length);
    return digest;
}

QByteArray format(const QList<Entry>& entries) {
    QByteArray text;
    for (const Entry& entry : entries) {
        bool escape = false;
        const QByteArray name = escaped(QFile::encodeName(entry.name), &escape);
        if (escape)
            text += '\\';
        text += entry.digest.toHex();
        text += "  ";
        text += name;
        text += '\n';
    }
    return text;
}

std::optional<QList<Entry>> parse(QByteArrayView text) {
    QList<Entry> entries;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n')
            ++end;
        QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        const bool escape = line.startsWith('\\');
        if (escape)
            line = line.sliced(1);
        // "digest", then "  " (text mode) or " *" (binary mode), then the name.
        if (line.size() < 2 * kDigestBytes + 3 || line[2 * kDigestBytes] != ' ' ||
            (line[2 * kDigestBytes + 1] != ' ' && line[2 * kDigestBytes + 1] != '*'))
            return std::nullopt;
        const QByteArrayView hex = line.first(2 * kDigestBytes);
        for (char c : hex) {
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
                return std::nullopt;
        }
        QByteArray name = line.sliced(2 * kDigestBytes + 2).toByteArray();
        if (escape) {
            const std::optional<QByteArray> plain = unescaped(name);
            if (!plain)
                return std::nullopt;
            name = *plain;
        }
        Entry entry{QFile::decodeName(name), QByteArray::fromHex(hex.toByteArray())};
        if (!isSafeName(entry.name))
            return std::nullopt;
        entries.append(entry);
    }
    return entries;
}

bool isSafeName(const QString& name) {
    if (name.isEmpty() || QDir::isAbsolutePath(name))
        return false;
#ifdef Q_OS_WIN
    // There a backslash separates folders and a colon names a drive.
    if (name.contains(u'\\') || name.contains(u':'))
        return false;
#endif
    for (const QString& step : name.split(u'/')) {
        if (step.isEmpty() || step == QLatin1String(".") || step == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace manifest
