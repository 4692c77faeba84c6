#pragma once

#include "widgets/DeferredPictures.h"

#include <QIcon>
#include <QLabel>
#include <QString>

class QToolButton;

// A clickable picture (the `img`, `btn` and `imp` controls drawn as
// pictures): shows a pixmap with the hand cursor and reports a click when the
// left button is released over it. It takes no focus unless the screen makes
// it reachable from the keyboard.
class PictureButton : public QLabel {
    Q_OBJECT

public:
    explicit PictureButton(const QPixmap& picture, QWidget* parent = nullptr);
    // The same with the picture drawn when the button is first shown (see
    // DeferredPictures.h); `size` is the size `draw` makes.
    PictureButton(QSize size, deferred::Drawing draw, QWidget* parent = nullptr);

    // Lets Tab reach the picture and Enter or Space click it, with a focus
    // mark drawn around it while it has the focus.
    void makeKeyboardReachable();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A clickable picture drawn as a flat tool button, for screens whose pictures
// come with a caption under them or must act as buttons (commands, import
// arrows, help and exit): the hand cursor, an optional caption, and no place
// in the Tab order, so the focus stays in the fields.
QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QIcon& icon,
                               const QString& caption = QString());
