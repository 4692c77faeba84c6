#include "widgets/DeferredPictures.h"

#include <QApplication>
#include <QEvent>
#include <QIconEngine>
#include <QLabel>
#include <memory>

namespace deferred {

namespace {

// Stands for the icon `make` makes until something needs its pixels.
class DeferredIconEngine final : public QIconEngine {
public:
    struct Shared {
        std::function<QIcon()> make;
        QIcon made;
        bool done = false;
    };

    explicit DeferredIconEngine(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return made().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return made().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_shared); }
    QString key() const override { return QStringLiteral("deferred"); }
    bool isNull() override { return false; }

private:
    const QIcon& made() {
        if (!m_shared->done) {
            m_shared->made = m_shared->make();
            m_shared->make = nullptr;
            m_shared->done = true;
        }
        return m_shared->made;
    }

    std::shared_ptr<Shared> m_shared;
};

// Draws the label's picture at its first show, then goes.
class DrawOnShow final : public QObject {
public:
    DrawOnShow(QLabel* label, Drawing draw) : QObject(label), m_draw(std::move(draw)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            static_cast<QLabel*>(watched)->setPixmap(m_draw());
            deleteLater();
        }
        return false;
    }

private:
    Drawing m_draw;
};

} // namespace

QIcon icon(std::function<QIcon()> make) {
    auto shared = std::make_shared<DeferredIconEngine::Shared>();
    shared->make = std::move(make);
    return QIcon(new DeferredIconEngine(std::move(shared)));
}

QIcon pictureIcon(Drawing draw) {
    return icon([draw = std::move(draw)] { return QIcon(draw()); });
}

QIcon styleIcon(QStyle::StandardPixmap which) {
    return icon([which] { return QApplication::style()->standardIcon(which); });
}

void setPicture(QLabel* label, QSize size, Drawing draw) {
    if (label->isVisible()) {
        label->setPixmap(draw());
        return;
    }
    // As small as the picture allows, as a label showing it is; no blank
    // picture is made to stand in for it, which would cost as much memory.
    label->setMinimumSize(size);
    label->installEventFilter(new DrawOnShow(label, std::move(draw)));
}

} // namespace deferred
