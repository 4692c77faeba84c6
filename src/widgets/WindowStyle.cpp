#include "widgets/WindowStyle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <QtMath>

namespace {

// What the window system usually adds around a window: borders and a title
// bar. Used only until the window is on screen and its real frame is known.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 36;
// Room the title bar needs beside the caption (icon, close button, margins).
constexpr int kCaptionAllowance = 110;

QScreen* screenOf(const QWidget* window) {
    if (QScreen* screen = window->screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

QRect freeArea(const QWidget* window) {
    QScreen* screen = screenOf(window);
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// The room the window's frame takes, around the client area.
QMargins frameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (window->isVisible() && outer != inner)
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const int side = kFrameWidth / 2;
    return QMargins(side, kFrameHeight - side, side, side);
}

// The largest client area whose frame fits in `area`.
QRect clientArea(const QWidget* window, const QRect& area) {
    return area.marginsRemoved(frameMargins(window));
}

QSize clientRoom(const QWidget* window, const QRect& area) {
    return clientArea(window, area).size();
}

// Moves the window's layout, with the widgets it manages, into a scroll area
// that becomes the window's only content. The widgets keep their names and
// parents below the window, so nothing that finds them changes; hidden
// widgets outside the layout stay where they are. Done once per window.
void scrollContent(QWidget* window) {
    QLayout* layout = window->layout();
    if (layout == nullptr || window->property("vellarmoScrolled").toBool())
        return;
    window->setProperty("vellarmoScrolled", true);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("bkgContenuto"));
    // setLayout takes the layout away from the window and moves its widgets.
    content->setLayout(layout);
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("sfoContenuto"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    // Only a frame around the content: Tab goes from field to field, never to
    // the frame, where typing would go nowhere.
    scroll->setFocusPolicy(Qt::NoFocus);
    // The window's own background shows through (setWidget turned it off).
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    // Made while the window is being shown, after its children were.
    if (window->isVisible())
        scroll->show();
}

bool fits(const QSize& needed, const QSize& room) {
    return needed.width() <= room.width() && needed.height() <= room.height();
}

int captionWidth(const QWidget* window) {
    // Window managers draw captions larger and bolder than the controls: a
    // fifth larger, and a tenth wider again for the bold. Measured with the
    // controls' own font, which is loaded already, rather than a bold one
    // loaded for this alone.
    constexpr qreal kLargerAndBolder = 1.2 * 1.1;
    const qreal plain =
        QFontMetricsF(QApplication::font()).horizontalAdvance(window->windowTitle());
    return qCeil(plain * kLargerAndBolder) + kCaptionAllowance;
}

} // namespace

void setFixedFrame(QWidget* window) {
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
               Qt::WindowContextHelpButtonHint);
    window->setWindowFlags(flags);
}

void fixSizeAndCentre(QWidget* window, QWidget* owner) {
    const QRect area = freeArea(window);
    const QSize room =
        area.isValid() ? clientRoom(window, area) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A size the screen fixed itself stays; otherwise the layout decides.
    const bool fixed =
        window->minimumSize() == window->maximumSize() && !window->minimumSize().isEmpty();
    QSize size = window->size();
    if (!fixed && window->layout() != nullptr)
        size = window->sizeHint().expandedTo(window->minimumSize());
    size.setWidth(qMax(size.width(), captionWidth(window)));
    if (!fits(size, room) ||
        (window->layout() != nullptr && !fits(window->layout()->minimumSize(), room))) {
        scrollContent(window);
        size = size.boundedTo(room);
    }
    window->setFixedSize(size);

    QRect over;
    if (owner != nullptr && owner->window()->isVisible())
        over = owner->window()->frameGeometry();
    else
        over = area;
    if (!over.isValid())
        return;
    QRect placed(over.center() - QPoint(size.width() / 2, size.height() / 2), size);
    if (area.isValid()) {
        // The whole frame stays on the free area, the title bar above all.
        const QRect client = clientArea(window, area);
        placed.moveRight(qMin(placed.right(), client.right()));
        placed.moveBottom(qMin(placed.bottom(), client.bottom()));
        placed.moveLeft(qMax(placed.left(), client.left()));
        placed.moveTop(qMax(placed.top(), client.top()));
    }
    // A window's position is its frame's corner.
    const QMargins frame = frameMargins(window);
    window->move(placed.topLeft() - QPoint(frame.left(), frame.top()));
}

void showMaximizedOnScreen(QWidget* window) {
    const QRect area = freeArea(window);
    if (area.isValid()) {
        const QSize room = clientRoom(window, area);
        if (!fits(window->minimumSizeHint(), room))
            scrollContent(window);
        if (!window->isVisible()) {
            window->resize(room);
            window->move(area.topLeft());
        }
    }
    window->showMaximized();
}

void resizeWithinScreen(QWidget* window, int width, int height) {
    QSize size(width, height);
    const QRect area = freeArea(window);
    if (area.isValid())
        size = size.boundedTo(clientRoom(window, area));
    window->resize(size);
}
