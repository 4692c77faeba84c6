#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// The keys of the record editors (the distinta and the buyer card), kept in
// one place so that both answer the same keys: Ctrl+S Salva, Ctrl+N Nuovo,
// Ctrl+P Stampa, Ctrl+F Trova, Page Up / Page Down the previous / next
// record, Ctrl+Home / Ctrl+End the first / last, F1 Guida, and keys that act
// only while the focus is in given fields (F3 on an imported line).
//
// A key clicks its command, so it does exactly what a click does, questions
// about unsaved changes included; a disabled command does nothing. The keys
// win over the fields' own use of them (Ctrl+Home in an edit field) and over
// the key filters, and act only while the focus is in the editor's own
// window, not in a dialog it opened. Each command's status hint names its
// key. It does not know what any command does.
class EditorKeys : public QObject {
public:
    // The screen's commands that the standard keys press; null ones are
    // left without a key.
    struct Commands {
        QAbstractButton* nuovo = nullptr;
        QAbstractButton* salva = nullptr;
        QAbstractButton* stampa = nullptr;
        QAbstractButton* trova = nullptr;
        QAbstractButton* primo = nullptr;
        QAbstractButton* indietro = nullptr;
        QAbstractButton* avanti = nullptr;
        QAbstractButton* ultimo = nullptr;
        QAbstractButton* guida = nullptr;
    };

    // The commands of an editor's widgets, found by their names.
    template <typename Widgets> static Commands commandsOf(const Widgets& w) {
        return {w.cmdNuovo,    w.cmdSalva,  w.cmdStampa, w.cmdTrova, w.cmdPrimo,
                w.cmdIndietro, w.cmdAvanti, w.cmdUltimo, w.cmdGuida};
    }

    // Keys for the commands of `screen`, whose status line is `panInfo`
    // (its StatusHints, already given the hints, name the keys). Owned by
    // the screen.
    EditorKeys(QWidget* screen, QLabel* panInfo, const Commands& commands);

    // `key` while the focus is in `field` clicks `command`; its hint names
    // the key as `keyName`.
    void addInField(QWidget* field, const QKeySequence& key, const QString& keyName,
                    QAbstractButton* command);
    // The key that opens a line's import (F3).
    void addImportKey(QWidget* field, QAbstractButton* command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QKeySequence key;
        QWidget* field; // null: anywhere in the screen
        QAbstractButton* command;
    };
    void bind(QWidget* field, const QKeySequence& key, const QString& keyName,
              QAbstractButton* command);
    QAbstractButton* commandFor(const QKeySequence& pressed, QObject* receiver) const;

    QWidget* m_screen;
    QLabel* m_panInfo;
    QList<Binding> m_bindings;
};
