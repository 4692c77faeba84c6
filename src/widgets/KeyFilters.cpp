#include "widgets/KeyFilters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

bool keyPasses(KeyFilterKind kind, int key, const QString& text) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    if (text.size() != 1)
        return false;
    const QChar c = text.front();
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    return kind == KeyFilterKind::Amount && c == QLatin1Char(',');
}

namespace {

class KeyFilter final : public QObject {
public:
    KeyFilter(QLineEdit* field, KeyFilterKind kind) : QObject(field), m_kind(kind) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return !keyPasses(m_kind, key->key(), key->text());
    }

private:
    KeyFilterKind m_kind;
};

} // namespace

void installKeyFilter(QLineEdit* field, KeyFilterKind kind) {
    // Composed characters arrive from an input method, not as key presses;
    // digits and the comma never need one.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    new KeyFilter(field, kind);
}
