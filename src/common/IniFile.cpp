#include "IniFile.h"

#include "common/TextRules.h"
#include "common/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <optional>

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// One line of the file: its bytes without the line end, and where it starts
// and ends (line end included) in the file.
struct Line {
    qsizetype begin = 0;
    qsizetype contentEnd = 0;
    qsizetype end = 0;
};

QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype pos = 0;
    // Editors that save UTF-8 may put a byte order mark first; it is no part
    // of the first section name.
    if (bytes.startsWith(kUtf8Mark))
        pos = 3;
    while (pos < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', pos);
        Line line;
        line.begin = pos;
        line.end = nl < 0 ? bytes.size() : nl + 1;
        line.contentEnd = nl < 0 ? bytes.size() : nl;
        if (line.contentEnd > line.begin && bytes[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        lines.append(line);
        pos = line.end;
    }
    return lines;
}

QString lineText(const QByteArray& bytes, const Line& line) {
    return text::fromWindows1252(
        QByteArrayView(bytes).sliced(line.begin, line.contentEnd - line.begin));
}

// The section name of a "[name]" line, or nothing for other lines.
std::optional<QString> sectionName(const QString& lineText) {
    const QString t = text::trimmed(lineText);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    const qsizetype end = close < 0 ? t.size() : close;
    return text::trimmed(QStringView(t).sliced(1, end - 1));
}

bool sameName(QStringView a, QStringView b) {
    return text::asciiLower(text::trimmed(a)) == text::asciiLower(text::trimmed(b));
}

// Where a key sits in the file: the line of the first matching section and
// the line of the first matching key inside it, -1 when missing, and the last
// line of that section that is neither blank nor a comment (where a new key
// goes).
struct Location {
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype lastFilled = -1;
};

Location locate(const QByteArray& bytes, const QList<Line>& lines, QStringView section,
                QStringView key) {
    Location loc;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = lineText(bytes, lines[i]);
        if (const auto name = sectionName(t)) {
            if (loc.section >= 0)
                break; // the end of the section we were in
            if (sameName(*name, section)) {
                loc.section = i;
                loc.lastFilled = i;
            }
            continue;
        }
        if (loc.section < 0)
            continue;
        const QString trimmedLine = text::trimmed(t);
        // Blank lines and comments at the end of a section usually belong to
        // what follows; a new key goes before them.
        if (trimmedLine.isEmpty() || trimmedLine.startsWith(u';'))
            continue;
        loc.lastFilled = i;
        const qsizetype eq = t.indexOf(u'=');
        if (eq > 0 && sameName(QStringView(t).first(eq), key)) {
            loc.key = i;
            return loc;
        }
    }
    return loc;
}

QByteArray encodedValue(QStringView value) {
    QString flat = value.toString();
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    return text::toWindows1252(flat);
}

} // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

bool IniFile::load(QByteArray* bytes) const {
    m_error.clear();
    bytes->clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

bool IniFile::read(QStringView section, QStringView key, QString* value) const {
    value->clear();
    QByteArray bytes;
    if (!load(&bytes))
        return false;
    const QList<Line> lines = splitLines(bytes);
    const Location loc = locate(bytes, lines, section, key);
    if (loc.key < 0)
        return true;
    const QString t = lineText(bytes, lines[loc.key]);
    *value = text::trimmed(QStringView(t).sliced(t.indexOf(u'=') + 1));
    return true;
}

QString IniFile::value(QStringView section, QStringView key) const {
    QString out;
    read(section, key, &out);
    return out;
}

bool IniFile::setValue(QStringView section, QStringView key, QStringView value) {
    QByteArray bytes;
    if (!load(&bytes))
        return false;
    // A read-only settings file stays as it is, as it would under Windows.
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable()) {
        m_error = QStringLiteral("%1: file is read-only").arg(m_path);
        return false;
    }

    const QList<Line> lines = splitLines(bytes);
    const Location loc = locate(bytes, lines, section, key);
    QByteArray out;
    out.reserve(bytes.size() + key.size() + value.size() + section.size() + 8);
    if (loc.key >= 0) {
        // Keep the key as it was spelt, up to and including the equals sign.
        const Line& line = lines[loc.key];
        const qsizetype eq = bytes.indexOf('=', line.begin);
        out.append(QByteArrayView(bytes).first(eq + 1));
        out.append(encodedValue(value));
        out.append(QByteArrayView(bytes).sliced(line.contentEnd));
    } else {
        const QByteArray entry =
            text::toWindows1252(text::trimmed(key)) + '=' + encodedValue(value) + kLineEnd;
        // A new key goes after the last filled line of its section; a new
        // section goes at the end of the file.
        const qsizetype at = loc.section >= 0 ? lines[loc.lastFilled].end : bytes.size();
        out.append(QByteArrayView(bytes).first(at));
        if (!out.isEmpty() && out != kUtf8Mark && !out.endsWith('\n'))
            out.append(kLineEnd);
        if (loc.section < 0)
            out.append('[' + text::toWindows1252(text::trimmed(section)) + ']' + kLineEnd);
        out.append(entry);
        out.append(QByteArrayView(bytes).sliced(at));
    }

    return writeWholeFile(m_path, out, &m_error);
}
