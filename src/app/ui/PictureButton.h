#pragma once

#include <QLabel>

// A clickable picture (the `img`, `btn` and `imp` controls drawn as
// pictures): shows a pixmap with the hand cursor and reports a click when the
// left button is released over it.
class PictureButton : public QLabel {
    Q_OBJECT

public:
    explicit PictureButton(const QPixmap& picture, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
