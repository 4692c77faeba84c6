#pragma once

#include "widgets/Services.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// Test doubles for the seams: they record what a screen showed and answer
// from what the test queued, so no real dialog ever opens. Each test makes
// its own FakeServices, so nothing has to be reset by hand.
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        enum Kind { Notice, Question, Message } kind;
        Icon icon;
        QString text;
    };

    void notice(QWidget*, Icon icon, const QString& text) override {
        shown.append({Shown::Notice, icon, text});
    }
    bool question(QWidget*, const QString& text) override {
        shown.append({Shown::Question, Icon::Information, text});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    Answer questionWithCancel(QWidget*, const QString& text) override {
        shown.append({Shown::Question, Icon::Information, text});
        return threeWayAnswers.isEmpty() ? Answer::Cancel : threeWayAnswers.takeFirst();
    }
    void message(QWidget*, const QString& text) override {
        shown.append({Shown::Message, Icon::Information, text});
    }

    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown)
            out.append(s.text);
        return out;
    }

    QList<Shown> shown;
    QList<bool> answers; // answers to the next questions; No when empty
    // Answers to the next Yes/No/Cancel questions; Cancel when empty.
    QList<Answer> threeWayAnswers;
};

// Runs modal dialogs through a handler the test sets; the handler drives the
// dialog's widgets and returns its result. Without one, dialogs are rejected.
class FakeDialogRunner final : public DialogRunner {
public:
    int exec(QDialog* dialog) override {
        opened.append(dialog->objectName());
        if (!handlers.isEmpty())
            return handlers.takeFirst()(dialog);
        return QDialog::Rejected;
    }

    QStringList opened; // object names of the dialogs shown, in order
    QList<std::function<int(QDialog*)>> handlers;
};

class FakeFileDialogs final : public FileDialogs {
public:
    QString openFileName(QWidget*, const QString& title, const QString&,
                         const QString& filter) override {
        lastTitle = title;
        lastFilter = filter;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& path,
                         const QString& filter) override {
        lastTitle = title;
        lastPath = path;
        lastFilter = filter;
        return names.isEmpty() ? QString() : names.takeFirst();
    }

    QString existingFolder(QWidget*, const QString& title, const QString& folder) override {
        lastTitle = title;
        lastPath = folder;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    QStringList names;   // next chosen file names; cancelled when empty
    QStringList folders; // next chosen folders; cancelled when empty
    QString lastTitle;
    QString lastPath; // the path a save or folder dialog proposed
    QString lastFilter;
};

class FakePrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter* printer) override {
        chosen.append(printer);
        return confirm;
    }

    bool confirm = false;
    QList<QPrinter*> chosen;
};

class FakeSystemOpener final : public SystemOpener {
public:
    void open(const QString& target) override { opened.append(target); }

    QStringList opened;
};

// Answers input boxes from a queue; an empty queue cancels. Records what was
// asked.
class FakeInputBoxes final : public InputBoxes {
public:
    struct Asked {
        QString caption;
        QString prompt;
        QString preset;
    };

    std::optional<QString> askText(QWidget*, const QString& caption, const QString& prompt,
                                   const QString& preset) override {
        asked.append({caption, prompt, preset});
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QString>> answers;
    QList<Asked> asked;
};

// All doubles together, handed out as Services for one folder that holds both
// the data and the program's read-only files, or for two separate ones.
class FakeServices {
public:
    explicit FakeServices(const ProgramFolder& folder) : FakeServices(folder, folder) {}
    FakeServices(const ProgramFolder& folder, const ProgramFolder& programFiles)
        : services{folder, messages, dialogs, files, printers, opener, input, programFiles} {}

    FakeMessageBoxes messages;
    FakeDialogRunner dialogs;
    FakeFileDialogs files;
    FakePrintDialogs printers;
    FakeSystemOpener opener;
    FakeInputBoxes input;
    Services services;
};
