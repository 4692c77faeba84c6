#pragma once

class QWidget;

// Window frames and sizes, so that every window fits the screen it is on,
// down to a 1024x768 till screen.

// Window frames of the small screens (dialogs, the password screens): a title
// bar with no minimise, maximise or close button, and a size fixed to what
// the window's layout needs.
void setFixedFrame(QWidget* window);

// Fixes the window's size to its layout's size hint (or its current size
// when it has no layout or the window fixed its size already), wide enough
// for its caption, and centres it over `owner`'s window, or on the screen
// when `owner` is null. The window always ends up inside the screen's free
// area: one larger than that area shows its content in a scroll area.
void fixSizeAndCentre(QWidget* window, QWidget* owner);

// Shows a main screen maximised. It is first sized to the screen's free
// area, so that it fills the screen even where nothing maximises windows;
// a screen whose layout needs more room than that shows its content in a
// scroll area instead of running off the screen.
void showMaximizedOnScreen(QWidget* window);

// Resizes a resizable window to `width` x `height`, or less where the
// screen's free area is smaller.
void resizeWithinScreen(QWidget* window, int width, int height);
