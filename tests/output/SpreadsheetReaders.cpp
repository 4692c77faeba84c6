#include "SpreadsheetReaders.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifndef VELLARMO_XLSX_DUMP
#error "VELLARMO_XLSX_DUMP names the openpyxl script"
#endif

namespace readers {
namespace {

// Office programs take long to start on a busy machine.
constexpr int kTimeoutMs = 180000;

bool run(const QString& program, const QStringList& arguments, const QString& workDir,
         QString* error, QByteArray* out = nullptr, bool italian = false) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (italian) {
        // An Italian desk reads 0,50 as a number when the cell is not text.
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    }
    if (!workDir.isEmpty()) {
        // No user setting takes part.
        env.insert(QStringLiteral("HOME"), workDir);
        process.setWorkingDirectory(workDir);
    }
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = program + QStringLiteral(" did not finish");
        return false;
    }
    if (out)
        *out = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = program + QStringLiteral(" failed: ") +
                 QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    return true;
}

} // namespace

CsvRows parseCsv(const QString& csv) {
    CsvRows rows;
    QList<CsvField> row;
    CsvField field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < csv.size() && csv[i + 1] == u'"') {
                field.text += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field.text += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            field.quoted = true;
        } else if (c == u',') {
            row.append(field);
            field = {};
        } else if (c == u'\n') {
            row.append(field);
            rows.append(row);
            row.clear();
            field = {};
        } else if (c != u'\r') {
            field.text += c;
        }
    }
    if (!row.isEmpty() || !field.text.isEmpty() || field.quoted) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

std::optional<CsvRows> readCsv(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    return parseCsv(QString::fromUtf8(file.readAll()));
}

bool libreOfficeToCsv(const QString& soffice, const QString& workDir, const QStringList& files,
                      const QString& outDir, QString* error) {
    // Comma, double quotes, UTF-8, from line 1, Italian, all text cells
    // quoted, numbers as shown.
    const QString filter =
        QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,1040,true,false,true");
    QStringList arguments = {
        QStringLiteral("-env:UserInstallation=") +
            QUrl::fromLocalFile(workDir + QStringLiteral("/office-profile")).toString(),
        QStringLiteral("--headless"),
        QStringLiteral("--norestore"),
        QStringLiteral("--convert-to"),
        filter,
        QStringLiteral("--outdir"),
        outDir};
    arguments += files;
    return run(soffice, arguments, workDir, error, nullptr, true);
}

bool gnumericToCsv(const QString& ssconvert, const QString& file, const QString& out,
                   QString* error) {
    return run(ssconvert,
               {QStringLiteral("--export-type=Gnumeric_stf:stf_assistant"),
                QStringLiteral("--export-options=separator=, quoting-mode=always format=preserve "
                               "charset=UTF-8 eol=unix"),
                file, out},
               QFileInfo(out).absolutePath(), error);
}

QString systemPython() {
    return QStringLiteral("/usr/bin/python3");
}

bool hasOpenpyxl(const QString& python) {
    QString ignored;
    return QFileInfo(python).isExecutable() &&
           run(python, {QStringLiteral("-c"), QStringLiteral("import openpyxl")}, QString(),
               &ignored);
}

std::optional<QJsonDocument> openpyxlDump(const QString& python, const QString& file,
                                          QString* error) {
    QByteArray out;
    if (!run(python, {QStringLiteral(VELLARMO_XLSX_DUMP), QStringLiteral("dump"), file}, QString(),
             error, &out))
        return std::nullopt;
    QJsonParseError parse;
    QJsonDocument doc = QJsonDocument::fromJson(out, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = parse.errorString();
        return std::nullopt;
    }
    return doc;
}

bool openpyxlAddSum(const QString& python, const QString& file, const QString& out,
                    const QString& column, QString* error) {
    return run(python,
               {QStringLiteral(VELLARMO_XLSX_DUMP), QStringLiteral("sum"), file, out, column},
               QString(), error);
}

} // namespace readers
