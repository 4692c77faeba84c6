#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QStyle>
#include <functional>

class QLabel;

// Pictures and icons drawn when they are first seen rather than when their
// screen is made. The program makes its main screens at start-up but shows
// only the password screen then; drawing the others' pictures, and loading
// the fonts and the style's icons they need, would keep it waiting.
//
// It draws nothing of its own: the drawing is the caller's (see Pictures.h).
namespace deferred {

using Drawing = std::function<QPixmap()>;

// An icon made by `make` the first time it is painted or asked for a
// pixmap; copies share the one made.
QIcon icon(std::function<QIcon()> make);

// An icon of the one picture `draw` makes.
QIcon pictureIcon(Drawing draw);

// The application style's standard icon `which`.
QIcon styleIcon(QStyle::StandardPixmap which);

// Puts the picture `draw` makes on `label` when the label is first shown.
// The label is kept at least `size`, the size `draw` makes, so that every
// layout comes out as with the picture from the start.
void setPicture(QLabel* label, QSize size, Drawing draw);

} // namespace deferred
