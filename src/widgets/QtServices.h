#pragma once

#include "widgets/Services.h"

#include <memory>

class QMessageBox;

// The real implementations of the seams, for the running program.
class QtMessageBoxes final : public MessageBoxes {
public:
    // The boxes as shown, before they run: their buttons carry the toolkit's
    // own (translated) texts.
    static std::unique_ptr<QMessageBox> makeNotice(QWidget* parent, Icon icon, const QString& text);
    static std::unique_ptr<QMessageBox> makeQuestion(QWidget* parent, const QString& text);

    void notice(QWidget* parent, Icon icon, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    Answer questionWithCancel(QWidget* parent, const QString& text) override;
    void message(QWidget* parent, const QString& text) override;
};

class QtDialogRunner final : public DialogRunner {
public:
    int exec(QDialog* dialog) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& path,
                         const QString& filter) override;
    QString existingFolder(QWidget* parent, const QString& title, const QString& folder) override;
};

class QtPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget* parent, QPrinter* printer) override;
};

class QtSystemOpener final : public SystemOpener {
public:
    void open(const QString& target) override;
};

class QtInputBoxes final : public InputBoxes {
public:
    std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& preset) override;
};

// Owns one of each, and hands them out as Services for a data folder and the
// folder of the program's read-only files.
class QtServices {
public:
    QtServices(const ProgramFolder& folder, const ProgramFolder& programFiles)
        : services{folder, messages, dialogs, files, printers, opener, input, programFiles} {}

    QtMessageBoxes messages;
    QtDialogRunner dialogs;
    QtFileDialogs files;
    QtPrintDialogs printers;
    QtSystemOpener opener;
    QtInputBoxes input;
    Services services;
};
