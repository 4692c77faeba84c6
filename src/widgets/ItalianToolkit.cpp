#include "widgets/ItalianToolkit.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool speakItalian() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Owned by the application, so that it lives as long as the texts it
    // translates.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void useItalianFormats() {
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        for (const char* category :
             {"LC_CTYPE", "LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_MEASUREMENT", "LC_PAPER"})
            if (qEnvironmentVariableIsEmpty(category))
                qputenv(category, all);
        qunsetenv("LC_ALL");
    }
    for (const char* category : {"LC_NUMERIC", "LC_TIME"})
        qputenv(category, QByteArrayLiteral("it_IT.UTF-8"));
}
