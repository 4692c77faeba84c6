#include "widgets/FieldExit.h"

#include <QFocusEvent>

bool isFieldExit(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
