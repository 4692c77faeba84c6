#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The text rules every stored record and every search follow: the Windows-1252
// code page of the archives, trimming of control characters and blanks, and
// letter case that touches only the ASCII letters.
namespace text {

// Converts to Windows-1252, one byte per character; a character with no
// Windows-1252 form becomes '?'.
QByteArray toWindows1252(QStringView text);

// Converts Windows-1252 bytes to text. The five bytes the code page leaves
// undefined map to the control characters of the same code, as Windows does.
QString fromWindows1252(QByteArrayView bytes);

// The character of one Windows-1252 byte, as fromWindows1252 gives it.
char16_t fromWindows1252(unsigned char byte);

// Removes the characters with codes 0 to 32 at both ends.
QString trimmed(QStringView text);
// The same as a view into `text`, for scans that must not allocate per record.
QStringView trimmedView(QStringView text);

// Lower- and upper-casing that change only A-Z and a-z; accented letters stay.
QString asciiLower(QStringView text);
QString asciiUpper(QStringView text);

// True when haystack contains needle, both compared ASCII lower-cased.
bool containsAsciiCaseless(QStringView haystack, QStringView needle);

} // namespace text
