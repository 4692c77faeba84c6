#pragma once

#include <QString>

class QLineEdit;

// The two kinds of field that accept only some keys: digit fields
// (quantities, years, numbering start, partita IVA, card numbers) and amount
// fields (unit values, prices), which also take the comma.
enum class KeyFilterKind { Digits, Amount };

// Whether a key press reaches the field. `key` is the Qt::Key, `text` the
// characters it produces. The keys that only move the cursor or delete
// (Backspace, Delete, the left and right arrows, Home and End, with or
// without Shift) pass; so do Enter and Return, which the screen's Enter
// handling takes. A key producing one digit (or, for amounts, a comma)
// passes; every other key is discarded, Tab, Up and Down included.
bool keyPasses(KeyFilterKind kind, int key, const QString& text);

// Whether a key press in an amount field types the decimal comma: the comma
// itself, the point (which would otherwise turn 3.10 into 310) and the
// keypad's decimal key, whatever character the keyboard layout gives it.
bool typesDecimalComma(KeyFilterKind kind, int key, const QString& text, bool keypad);

// Whether a comma may go into `text` over the selection of `selectedLength`
// characters at `selectionStart`: an amount holds one comma at most.
bool commaFits(const QString& text, int selectionStart, int selectedLength);

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

// What Ctrl+V and the Paste entry of the context menu do in a filtered field.
enum class PastePolicy {
    Filtered, // insert the clipboard as typing it would have gone in
    Refused,  // insert nothing (the partita IVA is typed, never pasted)
};

// Filters every key press of `field` through keyPasses; in an amount field
// the point and the keypad's decimal key type the comma, and a second comma
// is refused. Select all, copy and cut work as in any field: they add no
// character. Pasting keeps what typing would keep: Ctrl+V and the Paste entry
// of the field's context menu insert the clipboard through keptCharacters
// (before the length limit cuts it), or nothing under PastePolicy::Refused,
// and dropped text goes through filterInsertedText. Texts set by the program
// are not filtered. The key filter sits at event-filter level so that it
// also catches Tab before the focus moves.
void installKeyFilter(QLineEdit* field, KeyFilterKind kind,
                      PastePolicy paste = PastePolicy::Filtered);
