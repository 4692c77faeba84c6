#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QHash>
#include <cstring>

namespace {
QHash<QString, ChildMain>& children() {
    static QHash<QString, ChildMain> registered;
    return registered;
}
} // namespace

ChildRegistration::ChildRegistration(const char* name, ChildMain main) {
    children().insert(QString::fromLatin1(name), main);
}

std::unique_ptr<QProcess> startChild(const QString& name, const QStringList& args) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QCoreApplication::applicationFilePath(),
                   QStringList{QStringLiteral("--child"), name} + args);
    return process;
}

bool runChildIfAsked(int argc, char** argv, int* exitCode) {
    if (argc < 3 || std::strcmp(argv[1], "--child") != 0)
        return false;
    const ChildMain main = children().value(QString::fromLocal8Bit(argv[2]));
    QStringList args;
    for (int i = 3; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    *exitCode = main ? main(args) : 127;
    return true;
}
