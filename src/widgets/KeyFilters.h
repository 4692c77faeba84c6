#pragma once

#include <QString>

class QLineEdit;

// The two kinds of field that accept only some keys: digit fields
// (quantities, years, numbering start, partita IVA, card numbers) and amount
// fields (unit values, prices), which also take the comma.
enum class KeyFilterKind { Digits, Amount };

// Whether a key press reaches the field. `key` is the Qt::Key, `text` the
// characters it produces. Backspace, Delete and the left and right arrows
// pass; so do Enter and Return, which the screen's Enter handling takes. A key
// producing one digit (or, for amounts, a comma) passes; every other key is
// discarded, Tab, Home, End, Up and Down included.
bool keyPasses(KeyFilterKind kind, int key, const QString& text);

// Filters every key press of `field` through keyPasses. The filter sits at
// event-filter level so that it also catches Tab before the focus moves.
void installKeyFilter(QLineEdit* field, KeyFilterKind kind);
