#pragma once

#include <functional>

class QWidget;

// The Enter key of the screens: Enter or Return in a field moves the focus
// along a fixed chain, or acts like a click. The key is consumed in both
// cases. Setting either again on the same widget replaces what it did.

// Enter in `from` gives the focus to `to` (a field, whose text is then
// selected, or a button).
void setEnterNext(QWidget* from, QWidget* to);

// Enter in `from` runs `action`.
void setEnterAction(QWidget* from, std::function<void()> action);
