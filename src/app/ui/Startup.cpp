#include "app/ui/Startup.h"

#include "app/ui/Program.h"
#include "app/ui/QtServices.h"
#include "common/ProgramFolder.h"

#include <QApplication>

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    // Only the password screen and the main menu end the program, not the
    // last visible window closing: a work screen that closes shows the main
    // menu.
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramFolder folder =
        ProgramFolder::fromArguments(app.arguments(), QCoreApplication::applicationDirPath());
    QtServices services(folder);
    Program program(services.services);
    program.setEndHandler([] { QCoreApplication::quit(); });
    program.start();
    return app.exec();
}
