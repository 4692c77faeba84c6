#include "widgets/ScreenRouter.h"

#include "widgets/WindowStyle.h"

#include <QWidget>
#include <utility>

QWidget* ScreenRouter::screen(MainScreen id) const {
    runPending();
    return m_screens.value(id, nullptr);
}

void ScreenRouter::runPending() const {
    // Moved out first: the screens it makes may ask the router again.
    if (std::function<void()> makeScreens = std::exchange(m_pending, nullptr))
        makeScreens();
}

bool ScreenRouter::switchTo(MainScreen target, QWidget* from) {
    QWidget* to = screen(target);
    if (to == nullptr)
        return false;
    showMaximizedOnScreen(to);
    to->raise();
    to->activateWindow();
    if (from != nullptr && from != to)
        from->hide();
    return true;
}
