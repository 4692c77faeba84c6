#include "widgets/CommandButtons.h"

#include "widgets/FormFonts.h"

#include <QPushButton>

namespace commandbutton {

namespace {
QPushButton* make(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}
} // namespace

QPushButton* plain(QWidget* parent, const QString& objectName, const QString& caption) {
    QPushButton* b = make(parent, objectName, caption);
    b->setMinimumWidth(110);
    return b;
}

QPushButton* bold(QWidget* parent, const QString& objectName, const QString& caption,
                  QSize minimum) {
    QPushButton* b = make(parent, objectName, caption);
    b->setFont(formfont::bold(10));
    b->setMinimumSize(minimum);
    return b;
}

} // namespace commandbutton
