#pragma once

#include "common/ProgramFolder.h"

#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// The seams between screens and everything that would need a person at a
// real display: message boxes, modal dialogs, file and printer dialogs and
// the system's open service. Screens receive a Services and never call
// QMessageBox, QDialog::exec, QFileDialog or QPrintDialog themselves, so
// tests answer them with the doubles in tests/support/FakeServices.h.

// The three kinds of modal message box every screen uses.
class MessageBoxes {
public:
    enum class Icon { Warning, Error, Information };

    virtual ~MessageBoxes() = default;
    // A notice with an icon and the buttons OK and Cancel; the answer is not looked at.
    virtual void notice(QWidget* parent, Icon icon, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // A question with Yes, No and Cancel ("Sì", "No", "Annulla").
    enum class Answer { Yes, No, Cancel };
    virtual Answer questionWithCancel(QWidget* parent, const QString& text) = 0;
    // A plain message with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
};

// Shows a dialog modally and returns its result (QDialog::Accepted or
// Rejected). The caller owns and destroys the dialog.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int exec(QDialog* dialog) = 0;
};

// File choosers. An empty result means the user cancelled. A filter of the
// form "Label (*.*) (*)" shows "Label (*.*)" and matches the last list: a
// label may show the patterns users know while every name is matched.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& path,
                                 const QString& filter) = 0;
    // An existing folder (a USB stick, a network folder), starting at `folder`.
    virtual QString existingFolder(QWidget* parent, const QString& title,
                                   const QString& folder) = 0;
};

// The printer chooser: true when the user confirmed a printer in `printer`.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    virtual bool choosePrinter(QWidget* parent, QPrinter* printer) = 0;
};

// The system shell's "open" service: a file, a folder, a web address or a
// mailto: link opened with its associated application. Reports nothing.
class SystemOpener {
public:
    virtual ~SystemOpener() = default;
    virtual void open(const QString& target) = 0;
};

// The input box: a caption, a prompt and a preset answer. Gives the text the
// user confirmed, or nothing when the user cancelled.
class InputBoxes {
public:
    virtual ~InputBoxes() = default;
    virtual std::optional<QString> askText(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& preset) = 0;

    // One that cancels every question, for screens that ask nothing.
    static InputBoxes& cancelling();
};

// What every screen is handed when it is created: `folder` is the data
// folder, where every file the program writes goes; `programFiles` the
// folder of the program's own read-only files (the user guide), which a
// data folder of its own (a shared or installed layout) does not hold.
struct Services {
    ProgramFolder folder;
    MessageBoxes& messages;
    DialogRunner& dialogs;
    FileDialogs& files;
    PrintDialogs& printers;
    SystemOpener& opener;
    InputBoxes& input = InputBoxes::cancelling();
    ProgramFolder programFiles = folder;
};
