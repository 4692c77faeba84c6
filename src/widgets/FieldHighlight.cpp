#include "widgets/FieldHighlight.h"

#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

const QColor kBorder(0x87CEEB);
const QColor kFocused(0xFFFF00);
const QColor kRectangle(0xFFFF00);
constexpr int kRectangleMargin = 4;

QString fieldStyle(const char* className, const QColor& background) {
    return QStringLiteral("%1 { background-color: %2; border: 1px solid %3; }")
        .arg(QLatin1String(className), background.name(), kBorder.name());
}

// Restyles its field on focus changes. Parented to the field, so it lives
// exactly as long as the field does.
class StyledHighlight final : public QObject {
public:
    StyledHighlight(QWidget* field, const char* className, const QColor& normal)
        : QObject(field), m_field(field), m_className(className), m_normal(normal) {
        setObjectName(QStringLiteral("styledHighlight"));
        field->installEventFilter(this);
        restyle();
    }

    void setNormal(const QColor& normal) {
        m_normal = normal;
        restyle();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_field &&
            (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
            restyle();
        return false;
    }

private:
    void restyle() {
        const QColor& background = m_field->hasFocus() ? kFocused : m_normal;
        m_field->setStyleSheet(fieldStyle(m_className, background));
    }

    QWidget* m_field;
    const char* m_className;
    QColor m_normal;
};

void styled(QWidget* field, const char* className, const QColor& normal) {
    if (auto* existing = field->findChild<StyledHighlight*>(QStringLiteral("styledHighlight"),
                                                            Qt::FindDirectChildrenOnly)) {
        existing->setNormal(normal);
        return;
    }
    new StyledHighlight(field, className, normal);
}

class RectangleHighlight final : public QObject {
public:
    RectangleHighlight(QWidget* field, QWidget* rectangle)
        : QObject(field), m_field(field), m_rectangle(rectangle) {
        field->installEventFilter(this);
        follow();
        m_rectangle->setVisible(field->hasFocus());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_field || m_rectangle.isNull())
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            m_rectangle->show();
            break;
        case QEvent::FocusOut:
            m_rectangle->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            follow();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow() {
        if (m_rectangle.isNull() || m_rectangle->parentWidget() != m_field->parentWidget())
            return;
        m_rectangle->setGeometry(m_field->geometry().adjusted(-kRectangleMargin, -kRectangleMargin,
                                                              kRectangleMargin, kRectangleMargin));
        m_rectangle->stackUnder(m_field);
    }

    QWidget* m_field;
    QPointer<QWidget> m_rectangle;
};

} // namespace

void applyStyledHighlight(QLineEdit* field, const QColor& normal) {
    styled(field, "QLineEdit", normal);
}

void applyStyledHighlight(QTextEdit* field, const QColor& normal) {
    styled(field, "QTextEdit", normal);
}

void applyStyledHighlight(QPlainTextEdit* field, const QColor& normal) {
    styled(field, "QPlainTextEdit", normal);
}

void applyReadOnlyStyle(QLineEdit* field, const QColor& background) {
    field->setReadOnly(true);
    field->setStyleSheet(fieldStyle("QLineEdit", background));
}

void applyRectangleHighlight(QWidget* field, QWidget* rectangle) {
    new RectangleHighlight(field, rectangle);
}

QWidget* createFocusRectangle(QWidget* field, const QString& objectName) {
    auto* rectangle = new QFrame(field->parentWidget());
    rectangle->setObjectName(objectName);
    rectangle->setAutoFillBackground(true);
    QPalette palette = rectangle->palette();
    palette.setColor(QPalette::Window, kRectangle);
    rectangle->setPalette(palette);
    rectangle->hide();
    applyRectangleHighlight(field, rectangle);
    return rectangle;
}
