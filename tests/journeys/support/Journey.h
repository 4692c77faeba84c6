#pragma once

#include "app/ui/Program.h"
#include "checks/PrintQString.h"
#include "support/FakeServices.h"
#include "support/PdfCapture.h"
#include "support/TestFolder.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// One run of the whole program for a journey test, as a reseller meets it: a
// fresh program folder holding what an installation brings (the guide), a
// separate and empty data folder, and the program started the way start-up
// starts it, on the password screen.
//
// Every step goes through what a user clicks and types, found by object name
// on the screen that is showing; nothing is constructed or stored behind the
// program's back. Modal dialogs are answered, in the order they open, by
// steps queued with onDialog(); message boxes by the answers queued in
// messages(); printed pages go to a PDF file that printed() reads back.
//
// A control that is missing, hidden or disabled fails the test with its
// name and the step does nothing, so a broken journey reports where it broke
// instead of crashing. When the journey ends, the program folder must be as
// it was installed: everything the program writes belongs in the data folder.
class Journey {
public:
    Journey();
    ~Journey();
    Journey(const Journey&) = delete;
    Journey& operator=(const Journey&) = delete;

    // --- what the user sees
    // The one main screen showing (not a dialog), or null when none or several.
    QWidget* screen() const;
    // The control `name` of `within` (the main screen showing by default),
    // or null after failing the test.
    template <typename T = QWidget> T* find(const QString& name, QWidget* within = nullptr) const {
        return qobject_cast<T*>(control(name, within));
    }
    // The text of a line edit, label, check box or button.
    QString text(const QString& name, QWidget* within = nullptr) const;

    // --- what the user does
    // Clicks a button, picture, link or check box.
    void click(const QString& name, QWidget* within = nullptr);
    // Puts the focus into a field and types `typed` over its contents.
    void type(const QString& name, const QString& typed, QWidget* within = nullptr);
    // Presses one key, with `modifiers` held, in the control that has the
    // focus: the one of the dialog `within` when given.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               QWidget* within = nullptr);
    // The control that has the focus, or null.
    QWidget* focused() const;
    // Double-clicks the first row of the result list `lstRecords` (of the
    // dialog or screen `within`) that contains `containing`.
    void doubleClickRow(const QString& containing, QWidget* within = nullptr);
    // Clicks that row once.
    void clickRow(const QString& containing, QWidget* within = nullptr);
    // Opens the drop-down list of the combo box `name` and clicks `choice`.
    void choose(const QString& name, const QString& choice, QWidget* within = nullptr);
    // The rows of the list `lstRecords` of `within`.
    QStringList rows(QWidget* within = nullptr) const;

    // --- answering what the program asks
    // Queues the steps for the next modal dialog: it must be `objectName`;
    // it is shown, `steps` drive it, and it returns the result its own
    // buttons gave it (Rejected when they gave none).
    void onDialog(const QString& objectName, std::function<void(QDialog*)> steps = {});
    // Every dialog opened so far, by object name, and whether all queued
    // dialog steps were used.
    QStringList dialogsOpened() const { return m_fake.dialogs.opened; }
    bool allDialogsAnswered() const { return m_fake.dialogs.handlers.isEmpty(); }
    // The message boxes: queue Yes/No answers in messages().answers; what was
    // shown is in messages().shown. takeMessages() hands over the texts shown
    // since its last call.
    FakeMessageBoxes& messages() { return m_fake.messages; }
    QStringList takeMessages();
    // What the user types into the next input boxes and confirms.
    void answerInputBoxes(const QStringList& typed) {
        for (const QString& t : typed)
            m_fake.input.answers.append(t);
    }
    // Files the user chooses in the next file dialogs.
    void chooseFiles(const QStringList& paths) { m_fake.files.names += paths; }
    // Folders the user chooses in the next folder dialogs.
    void chooseFolders(const QStringList& paths) { m_fake.files.folders += paths; }
    // The path the last save or folder dialog proposed.
    QString proposedPath() const { return m_fake.files.lastPath; }
    // What the system's open service was asked to open, in order.
    QStringList opened() const { return m_fake.opener.opened; }

    // --- what the program left behind
    // The text of the pages printed last (read back with pdftotext), or an
    // empty text after failing the test when nothing was printed; the pages
    // are then thrown away, so the next print starts afresh.
    QString printed();
    const TestFolder& dataFolder() const { return m_data; }
    const TestFolder& programFolder() const { return m_program; }
    Program& program() { return *m_run; }

private:
    QWidget* control(const QString& name, QWidget* within) const;
    void clickRow(const QString& containing, QWidget* within, bool twice);
    QString paperPath() const { return m_paper.file(QStringLiteral("stampa.pdf")); }

    TestFolder m_program;
    TestFolder m_data;
    TestFolder m_paper;
    QStringList m_installed;
    FakeServices m_fake;
    PrintToPdf m_printers;
    Services m_services;
    std::unique_ptr<Program> m_run;
};
