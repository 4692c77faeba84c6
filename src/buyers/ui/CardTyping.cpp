#include "buyers/ui/CardTyping.h"

#include "common/TextRules.h"
#include "widgets/ModifierKeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace cardtyping {

namespace {

QString ruled(const QString& text, Rule rule) {
    switch (rule) {
    case Rule::UpperCase:
        return text::asciiUpper(text::trimmed(text));
    case Rule::Trimmed:
        return text::trimmed(text);
    case Rule::None:
        break;
    }
    return text;
}

void enforce(QLineEdit* field, Rule rule) {
    const QString now = ruled(field->text(), rule);
    if (now == field->text())
        return;
    const int cursor = std::min<int>(field->cursorPosition(), int(now.size()));
    field->setText(now);
    field->setCursorPosition(cursor);
}

class CharacterBox final : public QObject {
public:
    CharacterBox(QLineEdit* box, QWidget* next) : QObject(box), m_box(box), m_next(next) {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Left:
        case Qt::Key_Right:
        // Tab keeps its way through the fields, backwards too.
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            // Edited as by the user, so the card counts as changed.
            m_box->selectAll();
            m_box->del();
            return true;
        default:
            // A modifier alone is half of a key: Shift+a is one "A".
            if (isModifierOnly(key->key()))
                return false;
            break;
        }
        // Any other key moves on, after its character, if it has one, has
        // replaced the box's content.
        const QString typed = key->text();
        if (!typed.isEmpty() && typed.at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            m_box->selectAll();
            m_box->insert(typed.left(1));
        }
        if (m_next)
            m_next->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QLineEdit* m_box;
    QPointer<QWidget> m_next;
};

} // namespace

void applyRule(QLineEdit* field, Rule rule) {
    if (rule == Rule::None)
        return;
    QObject::connect(field, &QLineEdit::textEdited, field, [field, rule] { enforce(field, rule); });
}

void makeCharacterBox(QLineEdit* box, QWidget* next) {
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    applyRule(box, Rule::UpperCase);
    new CharacterBox(box, next);
}

} // namespace cardtyping
