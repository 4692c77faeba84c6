// Any bytes as a settings file: reading the program's keys never crashes,
// ignores the case of ASCII letters in names, and writing one value into a
// copy reads back as written while every other key keeps its value.

#include "common/IniFile.h"
#include "common/TextRules.h"

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

struct Name {
    QString section;
    QString key;
};

const std::array<Name, 6> kNames = {{
    {QStringLiteral("Accesso"), QStringLiteral("Valore")},
    {QStringLiteral("Numerazione Distinte"), QStringLiteral("Inizio")},
    {QStringLiteral("Dati Rivenditore"), QStringLiteral("Nome")},
    {QStringLiteral("Dati Rivenditore"), QStringLiteral("Rigo 1")},
    {QStringLiteral("Dati Rivenditore"), QStringLiteral("Rigo 5")},
    {QStringLiteral("Nuova Sezione"), QStringLiteral("Chiave")},
}};

void writeFile(const QString& path, QByteArrayView bytes) {
    QFile out(path);
    require(out.open(QIODevice::WriteOnly | QIODevice::Truncate), "temp file");
    require(out.write(bytes.data(), bytes.size()) == bytes.size(), "temp write");
}

// The value to write: part of the input as text, with a line break and a
// character that Windows-1252 lacks now and then.
QString valueFrom(QByteArrayView bytes) {
    const qsizetype start = bytes.size() / 2;
    QString value =
        text::fromWindows1252(bytes.sliced(start, std::min<qsizetype>(40, bytes.size() - start)));
    if (bytes.size() % 3 == 1)
        value.append(QStringLiteral("\r\nriga ✓ più"));
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QByteArrayView bytes(data, qsizetype(size));
    const QString original = folder.filePath(QStringLiteral("Impostazioni.ini"));
    const QString copy = folder.filePath(QStringLiteral("Copia.ini"));
    writeFile(original, bytes);
    writeFile(copy, bytes);

    IniFile ini(original);
    std::array<QString, kNames.size()> before;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        require(ini.read(kNames[i].section, kNames[i].key, &before[i]), "read");
        require(!before[i].contains(u'\n'), "a value spans lines");
        require(before[i] == text::trimmed(before[i]), "value not trimmed");
        require(ini.value(text::asciiUpper(kNames[i].section), text::asciiLower(kNames[i].key)) ==
                    before[i],
                "names compared with letter case");
    }

    const std::size_t target = size == 0 ? 0 : data[0] % kNames.size();
    const QString value = valueFrom(bytes);
    IniFile written(copy);
    require(written.setValue(kNames[target].section, kNames[target].key, value), "write");
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString expected = text::trimmed(text::fromWindows1252(text::toWindows1252(flat)));
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const QString after = written.value(kNames[i].section, kNames[i].key);
        if (i == target)
            require(after == expected, "written value reads back");
        else
            require(after == before[i], "other keys unchanged");
    }
    require(IniFile(original).value(kNames[target].section, kNames[target].key) == before[target],
            "the original file untouched");
    return 0;
}
