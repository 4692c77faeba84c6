#pragma once

#include <functional>

class QWidget;

// Runs `action` once, queued right after the first paint of `screen`, so that
// the painted screen reaches the display before it. Watchers of one screen
// run in the reverse order of their calls, as the toolkit's event filters
// do. Nothing runs if the screen goes before it is painted.
void afterFirstPaint(QWidget* screen, std::function<void()> action);
