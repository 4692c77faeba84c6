#include "widgets/KeyFilters.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

bool keyPasses(KeyFilterKind kind, int key, const QString& text) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
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

bool typesDecimalComma(KeyFilterKind kind, int key, const QString& text, bool keypad) {
    if (kind != KeyFilterKind::Amount)
        return false;
    if (text == QStringLiteral(",") || text == QStringLiteral("."))
        return true;
    return keypad && (key == Qt::Key_Period || key == Qt::Key_Comma);
}

bool commaFits(const QString& text, int selectionStart, int selectedLength) {
    const qsizetype start = std::clamp<qsizetype>(selectionStart, 0, text.size());
    const qsizetype length = std::clamp<qsizetype>(selectedLength, 0, text.size() - start);
    return !QStringView(text).first(start).contains(QLatin1Char(',')) &&
           !QStringView(text).sliced(start + length).contains(QLatin1Char(','));
}

QString keptCharacters(KeyFilterKind kind, const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
            (kind == KeyFilterKind::Amount && c == QLatin1Char(',')))
            kept.append(c);
    }
    return kept;
}

FilteredEdit filterInsertedText(KeyFilterKind kind, const QString& before, const QString& after,
                                int cursor) {
    // The edit replaced before[start, before.size() - tail) with
    // after[start, end). The cursor marks the end of the insertion; when it
    // does not (the text after it is not the old ending), the longest common
    // ending is taken instead.
    qsizetype end = std::clamp<qsizetype>(cursor, 0, after.size());
    qsizetype tail = after.size() - end;
    if (tail > before.size() || !before.endsWith(QStringView(after).sliced(end))) {
        tail = 0;
        while (tail < before.size() && tail < after.size() &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        end = after.size() - tail;
    }
    const qsizetype limit = std::min(end, before.size() - tail);
    qsizetype start = 0;
    while (start < limit && before[start] == after[start])
        ++start;
    const QString kept = keptCharacters(kind, after.sliced(start, end - start));
    return {after.first(start) + kept + after.sliced(end), int(start + kept.size())};
}

namespace {

// Pastes the clipboard as typing it would have gone in: filtered before the
// field's length limit cuts it, so that no digit is lost to a dropped
// separator.
void pasteFiltered(QLineEdit* field, KeyFilterKind kind, PastePolicy paste) {
    if (!field->isReadOnly() && paste == PastePolicy::Filtered)
        field->insert(keptCharacters(kind, QGuiApplication::clipboard()->text()));
}

// The keys of the field's own editing that type nothing.
bool isEditingCommand(const QKeyEvent* key) {
    return key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Copy) ||
           key->matches(QKeySequence::Cut);
}

class KeyFilter final : public QObject {
public:
    KeyFilter(QLineEdit* field, KeyFilterKind kind, PastePolicy paste)
        : QObject(field), m_field(field), m_kind(kind), m_paste(paste), m_before(field->text()) {
        field->installEventFilter(this);
        // Dropped text arrives as an edit, not as key presses. The text
        // before each edit is kept so that only what the edit brought in is
        // filtered; what the program sets stays as it is.
        connect(field, &QLineEdit::textEdited, this, [this](const QString& after) {
            const FilteredEdit filtered =
                filterInsertedText(m_kind, m_before, after, m_field->cursorPosition());
            if (filtered.text == after)
                return;
            m_field->setText(filtered.text);
            m_field->setCursorPosition(filtered.cursor);
        });
        // Read from the field, not the signal: an edit filtered above has
        // already replaced the text the signal still carries.
        connect(field, &QLineEdit::textChanged, this, [this] { m_before = m_field->text(); });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            pasteFiltered(m_field, m_kind, m_paste);
            return true;
        }
        if (isEditingCommand(key))
            return false;
        if (typesDecimalComma(m_kind, key->key(), key->text(),
                              key->modifiers().testFlag(Qt::KeypadModifier))) {
            typeComma();
            return true;
        }
        return !keyPasses(m_kind, key->key(), key->text());
    }

private:
    // The comma typed as the field would type it, over the selection; a
    // second comma goes nowhere.
    void typeComma() {
        if (m_field->isReadOnly())
            return;
        const int start =
            m_field->hasSelectedText() ? m_field->selectionStart() : m_field->cursorPosition();
        if (commaFits(m_field->text(), start, int(m_field->selectedText().size())))
            m_field->insert(QStringLiteral(","));
    }

    // The field's own menu, as the field would show it, with its Paste entry
    // pasting as Ctrl+V does here.
    void showContextMenu(const QPoint& at) {
        QMenu* menu = m_field->createStandardContextMenu();
        const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* action : menu->actions()) {
            if (!action->text().startsWith(paste))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            if (m_paste == PastePolicy::Refused)
                action->setEnabled(false);
            connect(action, &QAction::triggered, m_field,
                    [field = m_field, kind = m_kind, paste = m_paste] {
                        pasteFiltered(field, kind, paste);
                    });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }

    QLineEdit* m_field;
    KeyFilterKind m_kind;
    PastePolicy m_paste;
    QString m_before;
};

} // namespace

void installKeyFilter(QLineEdit* field, KeyFilterKind kind, PastePolicy paste) {
    // Composed characters arrive from an input method, not as key presses;
    // digits and the comma never need one.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    new KeyFilter(field, kind, paste);
}
