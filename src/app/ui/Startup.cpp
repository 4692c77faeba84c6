#include "app/ui/Startup.h"

#include "app/DisplayCheck.h"
#include "app/KeyFileNotices.h"
#include "app/PasswordStore.h"
#include "app/ui/Program.h"
#include "app/ui/TfrmPassword.h"
#include "common/ProgramFiles.h"
#include "common/ProgramFolder.h"
#include "widgets/FirstPaint.h"
#include "widgets/ItalianToolkit.h"
#include "widgets/NumberSettings.h"
#include "widgets/QtServices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace {

QString g_programPath;
QStringList g_heldMessages;

void sayNoDisplayAndExit() {
    std::fprintf(stderr, "%s\n", qPrintable(noDisplayMessage(g_programPath)));
    std::fflush(stderr);
    std::_Exit(1);
}

// A display that is named but cannot be reached only shows up when the
// toolkit starts, as warnings and a fatal message followed by an abort: say
// the one line instead. The toolkit's other messages are held back and
// passed on once it has started.
void fatalMeansNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        sayNoDisplayAndExit();
    if (type != QtDebugMsg)
        g_heldMessages.append(message);
}

// The data live beside the program when it runs from a build or from the
// program folder scripts/start.sh made. A program installed under a prefix
// (the package's /usr/bin, its files in /usr/share/vellarmo), or where the
// user may not write, keeps them in the folder Vellarmo of the user's home,
// made on first use: even root, who could write into /usr/bin, gets its data
// there and not among the system's programs.
QString defaultDataFolder(const QString& programDir) {
    const bool installed = programFilesFolder(programDir) != QDir(programDir).absolutePath();
    if (!installed && QFileInfo(programDir).isWritable())
        return programDir;
    const QString home = QDir::home().filePath(QStringLiteral("Vellarmo"));
    QDir().mkpath(home);
    return home;
}

// For timing the start-up (bench/StartupBench.cpp) only: the process ends
// without tearing the screens down, so that the time taken ends there.
// Nothing has been written by then.
void exitNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

bool prepareDataFolder(Services& services, const ProgramFolder& programFolder) {
    const ProgramFolder& folder = services.folder;
    const QString shown = QDir::toNativeSeparators(folder.path());
    // A mistyped or unmounted data folder is not created: the work would end
    // up somewhere the user does not look for it.
    if (!QFileInfo(folder.path()).isDir()) {
        services.messages.message(
            nullptr,
            QStringLiteral("Attenzione: la cartella dei dati \"%1\" non esiste.").arg(shown));
        return false;
    }
    // The program's own key file comes with the installation; a missing one
    // is reported when the password is typed.
    if (QFileInfo(folder.path()).canonicalFilePath() !=
        QFileInfo(programFolder.path()).canonicalFilePath()) {
        const QString notice =
            keyfilenotice::provided(PasswordStore::provideKeyFile(folder), folder.path());
        if (!notice.isEmpty())
            services.messages.message(nullptr, notice);
    }
    return true;
}

int runProgram(int argc, char** argv) {
    g_programPath = QString::fromLocal8Bit(argc > 0 ? argv[0] : "vellarmo");
    if (!hasDisplay(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")))
        sayNoDisplayAndExit();
    // Read by the toolkit when the application starts.
    useItalianFormats();
    const QtMessageHandler previous = qInstallMessageHandler(fatalMeansNoDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::as_const(g_heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    // Without the translation the toolkit's buttons read English; the
    // program still works.
    speakItalian();
    applyNumberSettings();
    // Only the password screen and the main menu end the program, not the
    // last visible window closing: a work screen that closes shows the main
    // menu.
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramFolder programFolder(QCoreApplication::applicationDirPath());
    const ProgramFolder folder =
        ProgramFolder::fromArguments(app.arguments(), defaultDataFolder(programFolder.path()));
    // The guide comes with the program, wherever the data live.
    QtServices services(folder,
                        ProgramFolder(programFilesFolder(QCoreApplication::applicationDirPath())));
    if (!prepareDataFolder(services.services, programFolder))
        return 2;
    Program program(services.services);
    program.setEndHandler([] { QCoreApplication::quit(); });
    if (qEnvironmentVariable("VELLARMO_EXIT_WHEN_READY") == QLatin1String("1"))
        program.setReadyHandler([] {
            // Queued: the new screens' first polish, already waiting, counts too.
            QMetaObject::invokeMethod(qApp, exitNow, Qt::QueuedConnection);
        });
    program.start();
    // Watching after start(), the exit comes before the screens that follow
    // the first paint.
    if (qEnvironmentVariable("VELLARMO_EXIT_AFTER_FIRST_PAINT") == QLatin1String("1"))
        afterFirstPaint(program.password(), exitNow);
    return app.exec();
}
