#pragma once

#include "widgets/ResultList.h"

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The pieces that the list screens (searches, unpaid list, pending
// questions) lay out around their ResultList: heading and instruction
// pictures, the find row, the double-click hint and plain buttons. Only
// looks: no behaviour lives here.
namespace listscreen {

// The instruction of the find in the list, the same on every list screen.
extern const QString kFindInstruction;
// The text of `lblRigo03`.
extern const QString kDoubleClickHint;

// A heading picture (navy, large) whose text stays readable as its
// accessible name.
QLabel* heading(QWidget* parent, const QString& text, const QString& objectName);
// An instruction strip picture, with its text as accessible name.
QLabel* instruction(QWidget* parent, const QString& text, const QString& objectName);
// `lblRigo03`, crimson.
QLabel* doubleClickHint(QWidget* parent);
// A hidden label that carries state.
QLabel* hiddenLabel(QWidget* parent, const QString& objectName, const QString& text);
// A push button that Enter does not press by default, with the hand cursor.
QPushButton* button(QWidget* parent, const QString& objectName, const QString& caption);
// The find field and its button side by side, field first.
QHBoxLayout* findRow(const ResultList::FindControls& find);

} // namespace listscreen
