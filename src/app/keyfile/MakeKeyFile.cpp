// Build step: writes the key file with the first-access password into the
// folder given as the only argument, beside the program. An existing key file
// is left alone, so that rebuilding never undoes a password the user changed.

#include "app/PasswordStore.h"
#include "common/ProgramFolder.h"

#include <QFile>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_keyfile <program folder>\n");
        return 2;
    }
    const ProgramFolder folder(QString::fromLocal8Bit(argv[1]));
    if (QFile::exists(folder.file(PasswordStore::fileName())))
        return 0;
    PasswordStore store(folder);
    if (!store.write(PasswordStore::firstAccessPassword())) {
        std::fprintf(stderr, "make_keyfile: cannot write %s\n",
                     qPrintable(folder.file(PasswordStore::fileName())));
        return 1;
    }
    return 0;
}
