#pragma once

#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

// The program's text buttons: the hand cursor says they are clickable, and
// they are never pressed by an Enter typed into a field of their dialog
// (not auto-default); Enter on a focused one is the screen's own choice.
namespace commandbutton {

// A plain button at least 110 pixels wide, for the list and copy dialogs.
QPushButton* plain(QWidget* parent, const QString& objectName, const QString& caption);
// The larger bold buttons of the income screens, at least `minimum` big.
QPushButton* bold(QWidget* parent, const QString& objectName, const QString& caption,
                  QSize minimum);

} // namespace commandbutton
