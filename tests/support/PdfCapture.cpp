#include "support/PdfCapture.h"

#include <QPrinter>
#include <QProcess>

bool PrintToPdf::choosePrinter(QWidget*, QPrinter* printer) {
    ++calls;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(m_path);
    return true;
}

std::optional<QString> pdfText(const QString& pdfPath, bool keepLayout) {
    QStringList args;
    if (keepLayout)
        args << QStringLiteral("-layout");
    args << QStringLiteral("-enc") << QStringLiteral("UTF-8") << pdfPath << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}
