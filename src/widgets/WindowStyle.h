#pragma once

class QWidget;

// Window frames of the small screens (dialogs, the password screens): a title
// bar with no minimise, maximise or close button, and a size fixed to what
// the window's layout needs.
void setFixedFrame(QWidget* window);

// Fixes the window's size to its layout's size hint (or its current size
// when it has no layout or the window fixed its size already) and centres it
// over `owner`'s window, or on the screen when `owner` is null.
void fixSizeAndCentre(QWidget* window, QWidget* owner);
