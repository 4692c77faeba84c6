#pragma once

#include <QStringList>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The parts that the print and output dialogs (the buyer card print, the
// distinta print, preview and PDF) share, from the top: the instruction
// lines, then the command row. What the run command does is the dialog's.

// Adds the instruction lines to `layout`: one word-wrapped label per line,
// named `lblIstruzioni1`, `lblIstruzioni2`, ..., the first one bold and
// larger as the dialog's title.
void addInstructionLines(QWidget* dialog, QVBoxLayout* layout, const QStringList& lines);

// The command row at the foot of such a dialog, at its right: `btnStampa`
// captioned `runText`, then `btnAnnulla`, which rejects the dialog. Also
// gives the dialog its minimum width.
struct OutputCommands {
    QHBoxLayout* row;
    QPushButton* btnStampa;
    QPushButton* btnAnnulla;
};
OutputCommands addOutputCommands(QDialog* dialog, QVBoxLayout* layout, const QString& runText);
