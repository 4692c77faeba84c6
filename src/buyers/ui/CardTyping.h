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

// A one-character box of the CAP or the province: a typed character replaces
// the box's content and the focus moves on to `next`; Backspace and Delete
// empty the box; Enter is left to the Enter chain. The box is upper case.
void makeCharacterBox(QLineEdit* box, QWidget* next);

} // namespace cardtyping
