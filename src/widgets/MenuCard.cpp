#include "widgets/MenuCard.h"

#include "widgets/DeferredPictures.h"
#include "widgets/FormFonts.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace menucard {

QLabel* heading(QWidget* parent, const QString& text, const QString& objectName) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setStyleSheet(QStringLiteral("background-color: black; color: white; padding: 8px;"));
    label->setFont(formfont::bold(16));
    return label;
}

QFrame* card(QWidget* parent, const QString& objectName, int maxWidth) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setMaximumWidth(maxWidth);
    // Selected by name, so the frame's children keep their own look.
    frame->setStyleSheet(
        QLatin1Char('#') + objectName +
        QStringLiteral(" { background-color: white; border: 1px solid #B0B0B0; }"));
    return frame;
}

void layOut(QWidget* screen, QFrame* card, std::initializer_list<QWidget*> corner) {
    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(card, 1);
    centre->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QWidget* command : corner)
        bottom->addWidget(command);
    auto* layout = new QVBoxLayout(screen);
    layout->addStretch(1);
    layout->addLayout(centre);
    layout->addStretch(2);
    layout->addLayout(bottom);
}

QVBoxLayout* column(QFrame* card) {
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);
    return layout;
}

namespace {
QToolButton* roundButton(QWidget* parent, const QString& objectName, const QString& glyph,
                         const QColor& colour, int iconSide) {
    auto* b = makePictureButton(parent, objectName, deferred::pictureIcon([glyph, colour] {
                                    return pictures::roundIcon(glyph, colour, 56);
                                }));
    b->setIconSize(QSize(iconSide, iconSide));
    return b;
}
} // namespace

QToolButton* helpButton(QWidget* parent, const QString& objectName, int iconSide) {
    return roundButton(parent, objectName, QStringLiteral("?"), pictures::kTeal, iconSide);
}

QToolButton* exitButton(QWidget* parent, const QString& objectName, int iconSide) {
    return roundButton(parent, objectName, QStringLiteral("×"), pictures::kCrimson, iconSide);
}

} // namespace menucard
