#pragma once

#include <QCloseEvent>
#include <QWidget>

// A screen of the password step that tells its owner when it was closed,
// however: the password screen's close ends the program, the change
// screen's brings the password screen back.
class ClosingScreen : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        emit closed();
    }
};
