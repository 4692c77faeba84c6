#pragma once

#include "widgets/Services.h"

#include <QDialog>
#include <QStringList>

// The dialog seams for a run with nobody at the screen: every message is
// kept instead of shown, every modal dialog and file or printer chooser is
// cancelled and nothing is opened. The guide generator only shows screens, so
// a message here means that its sample data went wrong.
class SilentServices {
public:
    explicit SilentServices(const ProgramFolder& folder)
        : services{folder, m_messages, m_dialogs, m_files, m_printers, m_opener} {}

    // Every text a screen tried to show, in order.
    const QStringList& shownTexts() const { return m_messages.shown; }

private:
    struct Messages final : MessageBoxes {
        void notice(QWidget*, Icon, const QString& text) override { shown.append(text); }
        bool question(QWidget*, const QString& text) override {
            shown.append(text);
            return false;
        }
        Answer questionWithCancel(QWidget*, const QString& text) override {
            shown.append(text);
            return Answer::No;
        }
        void message(QWidget*, const QString& text) override { shown.append(text); }
        QStringList shown;
    };
    struct Dialogs final : DialogRunner {
        int exec(QDialog*) override { return QDialog::Rejected; }
    };
    struct Files final : FileDialogs {
        QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
            return {};
        }
        QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
            return {};
        }
    };
    struct Printers final : PrintDialogs {
        bool choosePrinter(QWidget*, QPrinter*) override { return false; }
    };
    struct Opener final : SystemOpener {
        void open(const QString&) override {}
    };

    Messages m_messages;
    Dialogs m_dialogs;
    Files m_files;
    Printers m_printers;
    Opener m_opener;

public:
    // Declared last: it refers to the members above.
    Services services;
};
