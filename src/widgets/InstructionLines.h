#pragma once

#include <QStringList>

class QVBoxLayout;
class QWidget;

// Adds the instruction lines of a print or output dialog to `layout`: one
// word-wrapped label per line, named `lblIstruzioni1`, `lblIstruzioni2`, ...,
// the first one bold and larger as the dialog's title.
void addInstructionLines(QWidget* dialog, QVBoxLayout* layout, const QStringList& lines);
