#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ProgramFolder;

// The help pages of the program: one topic per working area, each a title
// and a few paragraphs of plain Italian text. Only the words live here (plain
// QtCore, so the user guide can print the same text); showing a topic is the
// help window's job.
namespace help {

enum class Topic {
    Panoramica,        // the main menu: the whole program
    Distinte,          // the distinte menu and the distinta editor
    Acquirenti,        // the buyers archive
    Tariffario,        // the tariff list
    Statistiche,       // the income chart
    Riepilogo,         // the income summary
    EsportaDistinte,   // the export of the distinte archive
    EsportaAnagrafica, // the export of the buyers archive
    CopiaSicurezza,    // the safety copy, the restore and the archive check
};

struct HelpTopic {
    QString title;
    QStringList paragraphs;
};

// The topic's title and paragraphs, in reading order.
HelpTopic topic(Topic id);

// Every topic, in the order a guide would present them.
QList<Topic> allTopics();

// The text shown for a topic: the paragraphs joined by CR LF CR LF, so that
// exactly one empty line separates them and none comes before the first.
QString joinParagraphs(const QStringList& paragraphs);

// The name of the full user guide in the folder of the program's own files.
QString userGuideFileName();

// What the help window hands to the open service: the guide's full path
// between double quotes, as paths that may hold blanks are written.
QString quotedUserGuidePath(const ProgramFolder& folder);

// What the help window says when the guide is not at `path`.
QString missingUserGuideMessage(const QString& path);

} // namespace help
