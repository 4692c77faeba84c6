#include "distinte/ui/DistinteButtons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QIcon& icon,
                               const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    if (!caption.isEmpty()) {
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return button;
}

QIcon greenArrowIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(3, 16);
    arrow.lineTo(15, 5);
    arrow.lineTo(15, 11);
    arrow.lineTo(29, 11);
    arrow.lineTo(29, 21);
    arrow.lineTo(15, 21);
    arrow.lineTo(15, 27);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x006400), 1.5));
    painter.setBrush(QColor(0x32CD32));
    painter.drawPath(arrow);
    return QIcon(pixmap);
}
