#pragma once

class QWidget;

// Shows a top-level window and waits until it is the active window, so that
// setFocus() and key clicks reach its widgets on the offscreen platform.
// Returns false when the window never became active.
bool showActive(QWidget* window);
