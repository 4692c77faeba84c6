#include "widgets/EditorKeys.h"

#include "widgets/StatusHints.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>
#include <algorithm>

EditorKeys::EditorKeys(QWidget* screen, QLabel* panInfo, const Commands& commands)
    : QObject(screen), m_screen(screen), m_panInfo(panInfo) {
    // The names are those printed on Italian keyboards.
    const struct {
        QKeySequence key;
        const char* name;
        QAbstractButton* command;
    } standard[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), "Ctrl+S", commands.salva},
        {QKeySequence(Qt::CTRL | Qt::Key_N), "Ctrl+N", commands.nuovo},
        {QKeySequence(Qt::CTRL | Qt::Key_P), "Ctrl+P", commands.stampa},
        {QKeySequence(Qt::CTRL | Qt::Key_F), "Ctrl+F", commands.trova},
        {QKeySequence(Qt::Key_PageUp), "Pag \u2191", commands.indietro},
        {QKeySequence(Qt::Key_PageDown), "Pag \u2193", commands.avanti},
        {QKeySequence(Qt::CTRL | Qt::Key_Home), "Ctrl+Home", commands.primo},
        {QKeySequence(Qt::CTRL | Qt::Key_End), "Ctrl+Fine", commands.ultimo},
        {QKeySequence(Qt::Key_F1), "F1", commands.guida},
    };
    for (const auto& s : standard)
        if (s.command != nullptr)
            bind(nullptr, s.key, QString::fromUtf8(s.name), s.command);
    // Seen before any widget of the screen, so that the fields' own use of
    // a key (Ctrl+Home, Page Up) and the key filters never hide it.
    QCoreApplication::instance()->installEventFilter(this);
}

void EditorKeys::addInField(QWidget* field, const QKeySequence& key, const QString& keyName,
                            QAbstractButton* command) {
    bind(field, key, keyName, command);
}

void EditorKeys::addImportKey(QWidget* field, QAbstractButton* command) {
    addInField(field, QKeySequence(Qt::Key_F3), QStringLiteral("F3"), command);
}

void EditorKeys::bind(QWidget* field, const QKeySequence& key, const QString& keyName,
                      QAbstractButton* command) {
    // A command bound from several fields names its key once.
    const bool named = std::any_of(m_bindings.cbegin(), m_bindings.cend(),
                                   [command](const Binding& b) { return b.command == command; });
    m_bindings.append({key, field, command});
    if (!named)
        if (StatusHints* hints = StatusHints::of(m_panInfo))
            hints->nameKey(command, keyName);
}

QAbstractButton* EditorKeys::commandFor(const QKeySequence& pressed, QObject* receiver) const {
    for (const Binding& b : m_bindings)
        if (b.key == pressed && (b.field == nullptr || b.field == receiver))
            return b.command;
    return nullptr;
}

bool EditorKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only the editor's own window: a dialog it opened has keys of its own.
    if (widget == nullptr || (widget != m_screen && !m_screen->isAncestorOf(widget)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keypad's Page Up and Home are the same keys.
    const QKeySequence pressed(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    QAbstractButton* command = commandFor(pressed, watched);
    if (command == nullptr)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken as a key press, not by the field nor by any shortcut.
        event->accept();
        return true;
    }
    if (command->isEnabled())
        command->click();
    return true;
}
