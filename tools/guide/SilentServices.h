#pragma once

#include "widgets/Services.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>

// The dialog seams for a run with nobody at the screen: every message is
// kept instead of shown, every modal dialog and file or printer chooser is
// cancelled and nothing is opened. The guide generator only shows screens, so
// a message here means that its sample data went wrong.
//
// After printInto(), a print goes ahead instead: questions are answered yes,
// input boxes (the number of copies) with "1", and the printer chooser sends
// the pages into the given PDF file.
class SilentServices {
public:
    explicit SilentServices(const ProgramFolder& folder)
        : services{folder, m_messages, m_dialogs, m_files, m_printers, m_opener, m_input} {}

    void printInto(const QString& pdfPath) {
        m_messages.yes = true;
        m_input.answer = QStringLiteral("1");
        m_printers.pdfPath = pdfPath;
    }

    // Every text a screen tried to show, in order.
    const QStringList& shownTexts() const { return m_messages.shown; }

private:
    struct Messages final : MessageBoxes {
        void notice(QWidget*, Icon, const QString& text) override { shown.append(text); }
        bool question(QWidget*, const QString& text) override {
            shown.append(text);
            return yes;
        }
        Answer questionWithCancel(QWidget*, const QString& text) override {
            shown.append(text);
            return Answer::No;
        }
        void message(QWidget*, const QString& text) override { shown.append(text); }
        QStringList shown;
        bool yes = false;
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
        QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    };
    struct Printers final : PrintDialogs {
        bool choosePrinter(QWidget*, QPrinter* printer) override {
            if (pdfPath.isEmpty())
                return false;
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            return true;
        }
        QString pdfPath;
    };
    struct Opener final : SystemOpener {
        void open(const QString&) override {}
    };
    struct Input final : InputBoxes {
        std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                       const QString&) override {
            return answer;
        }
        std::optional<QString> answer;
    };

    Messages m_messages;
    Dialogs m_dialogs;
    Files m_files;
    Printers m_printers;
    Opener m_opener;
    Input m_input;

public:
    // Declared last: it refers to the members above.
    Services services;
};
