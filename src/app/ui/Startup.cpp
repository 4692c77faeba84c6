#include "app/ui/Startup.h"

#include "common/ProgramFolder.h"

#include <QApplication>
#include <QMainWindow>

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    const ProgramFolder folder =
        ProgramFolder::fromArguments(app.arguments(), QCoreApplication::applicationDirPath());
    // The screens arrive with the application shell; until then an empty window.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Vellarmo"));
    window.show();
    return app.exec();
}
