#pragma once

#include <QKeySequence>

class QLineEdit;

// Uses one entry (Paste, Cut, ...) of the context menu a right click on
// `field` opens, then closes the menu. The entry is found by its standard
// shortcut, so the toolkit's language does not matter. Returns false when no
// menu opened or it has no such entry.
bool useContextMenu(QLineEdit* field, QKeySequence::StandardKey entry);
