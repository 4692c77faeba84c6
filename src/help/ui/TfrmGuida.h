#pragma once

#include "help/HelpTopics.h"
#include "widgets/DialogBase.h"

#include <QString>
#include <QStringList>

struct Services;
class QLabel;
class QPlainTextEdit;

// The help window: one topic's title and text, read-only, and the way to the
// full user guide (`lnkWeb` and the PDF icon `imgPDF` open Guida.pdf of the
// folder of the program's own files with the application the system
// associates with it, or say where it was looked for when it is missing).
// It changes nothing and knows no topic by itself: callers hand it one.
class TfrmGuida : public DialogBase {
    Q_OBJECT

public:
    TfrmGuida(Services& services, QWidget* owner);

    // Writes the title into `lblTitolo` and the paragraphs, separated by one
    // empty line, into `txtGuida`.
    void setTopic(const QString& title, const QStringList& paragraphs);

private:
    void openUserGuide();

    Services& m_services;
    QLabel* m_lblTitolo;
    QPlainTextEdit* m_txtGuida;
};

// What every help button does: opens a help window owned by `owner` on the
// topic, modally, and destroys it when it closes.
void showHelpTopic(Services& services, QWidget* owner, const QString& title,
                   const QStringList& paragraphs);
void showHelpTopic(Services& services, QWidget* owner, help::Topic topic);
