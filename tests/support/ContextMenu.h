#pragma once

#include <QKeySequence>

class QLineEdit;

// Uses one entry of `field`'s own context menu (Paste, Cut, ...), as a right
// click and a choice in the menu do. The entry is found by its standard
// shortcut, so the toolkit's language does not matter. Returns false when
// the menu has no such entry.
bool useContextMenu(QLineEdit* field, QKeySequence::StandardKey entry);
