#pragma once

#include <functional>

class QLabel;

// The text links of the menus, the help screen, the about box and the splash
// box: dark blue, orange while the mouse button is held on them, dark blue
// again when it is released. Releasing the button over the link runs
// `onClick`. Sets the hand cursor.
void applyLinkFeedback(QLabel* link, std::function<void()> onClick);
