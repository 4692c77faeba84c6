// vellarmo_make_archives <folder> <count>: writes 2023.ric with <count>
// distinte and Anagrafica.pro with <count> buyer cards into <folder>, for
// trying the program's lists and searches on a large archive by hand.

#include "ArchiveGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const qint64 count = args.size() == 3 ? args[2].toLongLong(&ok) : 0;
    if (!ok || count < 0) {
        std::fprintf(stderr, "usage: vellarmo_make_archives <folder> <count>\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    QString error;
    const QString distinte = folder.filePath(yearArchiveFileName(QStringLiteral("2023")));
    const QString schede = folder.filePath(kBuyersArchiveFileName);
    if (!ArchiveGenerator::writeDistinte(distinte, count, &error) ||
        !ArchiveGenerator::writeSchede(schede, count, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(distinte), qPrintable(schede));
    return 0;
}
