#pragma once

#include "widgets/ResultList.h"

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;
struct Services;

// The pieces that the list screens (searches, unpaid list, pending
// questions) lay out around their ResultList: heading and instruction
// pictures, the find row, the double-click hint and plain buttons, and the
// whole results part of a list dialog (ResultsPart) built from them. The
// pieces are only looks; ResultsPart also wires the commands that every
// list dialog has alike (Trova, Stampa, Chiudi).
namespace listscreen {

// The instruction of the find in the list, the same on every list screen.
extern const QString kFindInstruction;
// The text of `lblRigo03`.
extern const QString kDoubleClickHint;

// A heading picture (navy, large) whose text stays readable as its
// accessible name.
QLabel* heading(QWidget* parent, const QString& text, const QString& objectName);
// An instruction strip picture, with its text as accessible name.
QLabel* instruction(QWidget* parent, const QString& text, const QString& objectName);
// `lblRigo03`, crimson.
QLabel* doubleClickHint(QWidget* parent);
// A hidden label that carries state.
QLabel* hiddenLabel(QWidget* parent, const QString& objectName, const QString& text);
// The find field and its button side by side, field first.
QHBoxLayout* findRow(const ResultList::FindControls& find);

// The results part of a list dialog, added to `layout` from the top: the
// heading picture, the find instruction `imgTrova`, the find row, the shared
// result list taking the spare height, the double-click hint, and a row of
// commands with `btnStampa` (prints the list under the print title) and
// `btnChiudi` (rejects the dialog) at its right. It keeps the find memory
// for the dialog's lifetime. What a double click opens is the screen's
// business: it connects list()'s rowDoubleClicked. What Stampa prints
// through is the screen's too: it hands in the list report's printer
// (output/ui/ListPrinter.h), as the widget kit does not print.
class ResultsPart {
public:
    struct Texts {
        QString heading;
        QString headingName;
        QString printTitle;
    };
    // Prints `lines` under `title`; true when they were printed.
    using PrintAction = std::function<bool(const QString& title, const QStringList& lines)>;

    ResultsPart() = default;
    ResultsPart(const ResultsPart&) = delete;
    ResultsPart& operator=(const ResultsPart&) = delete;

    // Builds the part once, its widgets children of `parent`.
    void build(QDialog* dialog, QWidget* parent, QVBoxLayout* layout, Services& services,
               const Texts& texts, PrintAction print);

    ResultList* list() const { return m_list; }
    QLineEdit* findField() const { return m_txtTrova; }
    // The row of commands; a screen may put its own widgets at its left.
    QHBoxLayout* commands() const { return m_commands; }
    // The title Stampa prints the list under, from now on.
    void setPrintTitle(const QString& title) { m_printTitle = title; }
    // Forgets the remembered find text and empties the find field, as each
    // showing of the dialog does.
    void resetFind();

private:
    listfind::Memory m_findMemory;
    ResultList* m_list = nullptr;
    QLineEdit* m_txtTrova = nullptr;
    QHBoxLayout* m_commands = nullptr;
    QString m_printTitle;
};

} // namespace listscreen
