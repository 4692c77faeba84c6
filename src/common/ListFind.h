#pragma once

#include <QString>
#include <QStringView>

class ResultRows;

// The in-list find ("Trova") of every result list: selects the next row
// whose text contains the typed text, letter case ignored for A-Z only, and
// wraps round. It does not touch any widget; the list view applies the row
// it returns.
namespace listfind {

// What a find remembers between presses of "Trova": the previous key. The
// screen owns it, so each screen decides how long it lasts (most forget it
// each time they are shown).
struct Memory {
    QString key;

    void forget() { key.clear(); }
};

// One press of "Trova" on a non-empty list. `selected` is the selected row,
// or -1 for none (then the first row counts as selected). A key that differs
// from the remembered one starts from the first row; the same key again
// starts after the selected row; either way every row is tested once at
// most, the starting point last when going on from the selection. An empty
// key is never found. Returns the row to select, or the starting selection
// when nothing contains the key, and remembers the key.
qsizetype findRow(const ResultRows& rows, qsizetype selected, QStringView typed, Memory& memory);

} // namespace listfind
