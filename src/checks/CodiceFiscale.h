#pragma once

#include <QChar>
#include <QStringView>
#include <optional>

// The check character of the Italian personal tax code (codice fiscale):
// characters 1 to 15 summed through the published odd- and even-position
// value tables, the sum modulo 26 naming a letter. Only the check character
// is examined; the order of letters and digits, the month letter and the day
// are not. Letters standing for digits (omocodia) need nothing special, since
// every letter has a value in both tables.
namespace checks {

inline constexpr int kCodiceFiscaleLength = 16;

enum class CodiceFiscaleResult {
    WrongLength, // not exactly 16 characters
    Valid,
    Wrong, // wrong check character, or a character the tables do not know
};

// The check character that the first 15 characters of `code` call for, or
// nothing when `code` is shorter or one of them lies outside '0' to 'Z'.
// Expects upper case.
std::optional<QChar> codiceFiscaleCheckCharacter(QStringView code);

// The whole check of a typed code: upper-cased (ASCII letters only), then
// length and check character.
CodiceFiscaleResult checkCodiceFiscale(QStringView text);

// Whether a codice fiscale field holds a company's code, which is its
// partita IVA and gets that check instead: once trimmed, not empty and made
// of the digits 0 to 9 only.
bool isCompanyCodiceFiscale(QStringView text);

} // namespace checks
