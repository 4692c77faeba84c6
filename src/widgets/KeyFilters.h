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

// `text` without the characters typing would drop: only digits, and for
// amounts also commas, are kept.
QString keptCharacters(KeyFilterKind kind, const QString& text);

// A field's text after a user's edit, with what the edit inserted filtered.
struct FilteredEdit {
    QString text;
    int cursor = 0; // where the cursor goes: after the kept inserted text
};
// The user changed `before` into `after` in one step (typing, pasting,
// dropping) and the cursor now stands at `cursor`, at the end of what was
// inserted. Only the inserted text loses what typing would drop; the rest of
// the field stays as it was, also characters the program itself put there.
FilteredEdit filterInsertedText(KeyFilterKind kind, const QString& before, const QString& after,
                                int cursor);

// Filters every key press of `field` through keyPasses. Pasting keeps what
// typing would keep: Ctrl+V and the Paste entry of the field's context menu
// insert the clipboard through keptCharacters (before the length limit cuts
// it), and dropped text goes through filterInsertedText. Texts set by the
// program are not filtered. The key filter sits at event-filter level so
// that it also catches Tab before the focus moves.
void installKeyFilter(QLineEdit* field, KeyFilterKind kind);
