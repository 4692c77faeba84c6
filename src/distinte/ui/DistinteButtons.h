#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

// The clickable pictures of the distinte screens (commands, import arrows,
// help and exit): a flat button with a picture and an optional caption
// under it, the hand cursor, and no place in the Tab order.
QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QIcon& icon,
                               const QString& caption = QString());

// The green arrow of the import buttons, pointing into the field on its left.
QIcon greenArrowIcon();
