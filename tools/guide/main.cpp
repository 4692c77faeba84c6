// Makes the user guide Guida.pdf at build time: pictures of the real screens
// over a made-up shop, laid out with the guide's texts.
//
//   make_guide <guide text folder> <output pdf> [<folder for the pictures>]
//
// Run it on the offscreen platform. The third argument also saves every
// picture as a PNG file, to look at them, and prints the income chart and
// the sample distinta into PDF files there (the printed pages of the README).

#include "support/SampleShop.h"
#include "tools/guide/GuideBook.h"
#include "tools/guide/ScreenPictures.h"
#include "widgets/ItalianToolkit.h"
#include "widgets/NumberSettings.h"
#include "widgets/Pictures.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

// The offscreen platform says, for every window, that it cannot raise it or
// pass size hints on; that is expected here and would bury real messages.
QtMessageHandler g_toolkitHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    g_toolkitHandler(type, context, message);
}

int fail(const QString& why) {
    std::fprintf(stderr, "make_guide: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    g_toolkitHandler = qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: make_guide <text folder> <output pdf> [<pictures>]"));
    speakItalian();
    applyNumberSettings();
    // A steady text cursor: every run draws the same pictures.
    QApplication::setCursorFlashTime(0);

    GuideText text;
    QString error;
    if (!readGuideText(args[1], &text, &error))
        return fail(error);

    const SampleShop shop;
    if (!shop.ok())
        return fail(QStringLiteral("the sample shop could not be written"));
    const ScreenPictures shots = renderScreens(shop);
    if (!shots.problems.isEmpty())
        return fail(shots.problems.join(QStringLiteral("\n")));

    if (args.size() > 3) {
        QDir().mkpath(args[3]);
        for (auto it = shots.pictures.constBegin(); it != shots.pictures.constEnd(); ++it)
            it.value().save(QDir(args[3]).filePath(it.key() + QStringLiteral(".png")));
        const QStringList problems = printReadmePages(shop, args[3]);
        if (!problems.isEmpty())
            return fail(problems.join(QStringLiteral("\n")));
    }

    const QImage logo = pictures::productLogo(512).toImage();
    if (!writeGuidePdf(text, shots.pictures, logo, args[2], &error))
        return fail(error);
    return 0;
}
