#pragma once

class QLineEdit;
class QWidget;

// The typing rules of the buyer card's fields, applied while the user types.
// Each installs a small helper owned by the field.
namespace cardtyping {

enum class Rule { None, UpperCase, Trimmed };

// After every typed change the text is trimmed (Trimmed) or trimmed and its
// a-z made capitals (UpperCase); accented letters stay as they are. A blank
// typed at the end therefore disappears at once.
void applyRule(QLineEdit* field, Rule rule);

// A one-character box of the CAP or the province: any key moves the focus on
// to `next`, after its character, if it has one, has replaced the box's
// content; Backspace and Delete empty the box; Enter, Tab, the left and right
// arrows and the modifier keys keep their usual work. The box is upper case.
void makeCharacterBox(QLineEdit* box, QWidget* next);

} // namespace cardtyping
