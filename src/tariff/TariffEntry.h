#pragma once

#include <QString>
#include <QStringView>

// One row of the reseller's tariff list: a fixed-width line with the stamp's
// name in the first 50 characters, a fixed price label, then the price from
// character 65 on, so that prices line up in a fixed-width font. This file
// only builds and splits such lines; it does not check or normalise prices.
namespace tariff {

constexpr qsizetype kNameWidth = 50;

// The label between the padded name and the price: four blanks, "Prezzo:",
// a blank, the euro sign, a blank.
QString priceLabel();

// The line for `name` and `price`, both trimmed; the name is padded with
// blanks (or cut) to exactly 50 characters.
QString makeEntry(QStringView name, QStringView price);

// The name of a line: its first 50 characters, trimmed.
QString entryName(QStringView entry);

// The price of a line: from character 64 on, at most `width` characters
// (all the rest when `width` is negative), trimmed; empty for a line shorter
// than that. The screens read a fixed span of their own: see the widths below.
QString entryPrice(QStringView entry, qsizetype width = -1);

// The spans the screens read a price from: the modify dialog characters
// 64 - 93, the import screen characters 64 - 77.
constexpr qsizetype kEditPriceSpan = 30;
constexpr qsizetype kImportPriceSpan = 14;

} // namespace tariff

// A tariff entry as it goes into a stamp line of a distinta: the stamp's name
// (the line's description) and its unit price, both trimmed.
struct TariffEntry {
    QString name;
    QString price;

    bool operator==(const TariffEntry&) const = default;
};
