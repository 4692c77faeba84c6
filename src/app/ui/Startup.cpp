#include "app/ui/Startup.h"

#include "app/PasswordStore.h"
#include "app/ui/Program.h"
#include "common/ProgramFolder.h"
#include "widgets/ItalianToolkit.h"
#include "widgets/QtServices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    // Without the translation the toolkit's buttons read English; the
    // program still works.
    speakItalian();
    // Only the password screen and the main menu end the program, not the
    // last visible window closing: a work screen that closes shows the main
    // menu.
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramFolder programFolder(QCoreApplication::applicationDirPath());
    const ProgramFolder folder =
        ProgramFolder::fromArguments(app.arguments(), programFolder.path());
    QtServices services(folder);
    const QString shown = QDir::toNativeSeparators(folder.path());
    // A mistyped or unmounted data folder is not created: the work would end
    // up somewhere the user does not look for it.
    if (!QFileInfo(folder.path()).isDir()) {
        services.messages.message(
            nullptr,
            QStringLiteral("Attenzione: la cartella dei dati \"%1\" non esiste.").arg(shown));
        return 2;
    }
    if (!PasswordStore::provideKeyFile(folder, programFolder))
        services.messages.message(
            nullptr, QStringLiteral("Attenzione: non è stato possibile copiare il file della "
                                    "password nella cartella dei dati \"%1\".")
                         .arg(shown));
    Program program(services.services);
    program.setEndHandler([] { QCoreApplication::quit(); });
    program.start();
    return app.exec();
}
