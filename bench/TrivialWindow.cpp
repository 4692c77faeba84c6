// The anchor of the start-up benchmark: the toolkit alone, showing one plain
// window and ending right after its first paint, as the program does with
// VELLARMO_EXIT_AFTER_FIRST_PAINT=1. Nothing of the program is linked in.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

class Window final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        // Queued, so that the painted window reaches the screen first; no
        // tearing down, so that the time ends with the paint.
        QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window;
    window.setWindowTitle(QStringLiteral("Vellarmo"));
    window.resize(480, 300);
    window.show();
    return app.exec();
}
