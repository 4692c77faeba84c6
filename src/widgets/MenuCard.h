#pragma once

#include <QString>
#include <initializer_list>

class QFrame;
class QLabel;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The look that the small entry screens share (the distinte menu, the
// income summary's entry screen, the income chart's year panel): a black
// heading strip on a white card, the card centred across the screen with
// more room below it than above, and the round picture commands in the
// bottom right corner. Only looks: each screen fills the card's own layout
// and wires its commands.
namespace menucard {

// The black heading strip, white Verdana 16 bold.
QLabel* heading(QWidget* parent, const QString& text, const QString& objectName);

// A white card with a thin grey frame, no wider than `maxWidth`.
QFrame* card(QWidget* parent, const QString& objectName, int maxWidth);

// The card's column: 24 pixels of margin and 18 between its blocks.
QVBoxLayout* column(QFrame* card);

// Lays `card` out on `screen` (which must have no layout yet), with
// `corner` side by side in the bottom right corner.
void layOut(QWidget* screen, QFrame* card, std::initializer_list<QWidget*> corner);

// The round commands of the corner: help ("?", teal) and exit ("×",
// crimson), drawn when first shown, their icons `iconSide` pixels wide.
QToolButton* helpButton(QWidget* parent, const QString& objectName, int iconSide);
QToolButton* exitButton(QWidget* parent, const QString& objectName, int iconSide);

} // namespace menucard
