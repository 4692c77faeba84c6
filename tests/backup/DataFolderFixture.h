#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "distinte/Ricevuta.h"
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

// A data folder as a reseller has it after some use, and the program's own
// files beside it that no copy must take.
namespace fixture {

inline Ricevuta cleanDistinta(int number, const QString& year = QStringLiteral("2024")) {
    DistintaBuilder d(QString::number(number));
    d.date(QStringLiteral("03/05/") + year)
        .buyer({QStringLiteral("Acquirente %1").arg(number)})
        .line(0, QStringLiteral("2"), QStringLiteral("Marca da bollo"), QStringLiteral("16,00"),
              QStringLiteral("32,00"))
        .line(1, QStringLiteral("1"), QStringLiteral("Francobollo"), QStringLiteral("1,20"),
              QStringLiteral("1,20"))
        .total(QStringLiteral("33,20"));
    return d;
}

inline SchedaAnagrafica card(const QString& name) {
    SchedaAnagrafica c;
    c.nome = name;
    c.localita = QStringLiteral("Città di Castello");
    return c;
}

inline void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QByteArray distinte(int count, const QString& year = QStringLiteral("2024")) {
    QList<Ricevuta> list;
    for (int i = 1; i <= count; ++i)
        list.append(cleanDistinta(i, year));
    return archiveBytes(list);
}

// Every data file, with names the user may well have given an attachment.
inline void fillDataFolder(const QString& folder, int distinteCount = 3) {
    const QDir dir(folder);
    write(dir.filePath("2023.ric"), distinte(2, QStringLiteral("2023")));
    write(dir.filePath("2024.ric"), distinte(distinteCount));
    write(dir.filePath("Anagrafica.pro"),
          archiveBytes(QList<SchedaAnagrafica>{card(QStringLiteral("Rossi Mario")),
                                               card(QStringLiteral("Bianchi Nicolò"))}));
    write(dir.filePath("Valori_Bollati.lst"), "Marca da bollo;16,00\r\n");
    write(dir.filePath("Impostazioni.ini"), "[Numerazione]\r\nInizio=1\r\n");
    write(dir.filePath("unins000.dll"), "[Accesso]\r\nValore=A1B2\r\n");
    write(dir.filePath("Logo.bmp"), QByteArray(1000, 'L'));
    write(dir.filePath("Documenti_Allegati/carta d'identità.pdf"), QByteArray(5000, 'P'));
    write(dir.filePath("Documenti_Allegati/vecchi/contratto 2019.txt"), "contratto");
    // The program's own files and an export: no data.
    write(dir.filePath("vellarmo"), "program");
    write(dir.filePath("Guida.pdf"), "guide");
    write(dir.filePath("Archivio_Distinte.xls"), "export");
}

// The names of the data files fillDataFolder writes.
inline QStringList dataFileNames() {
    return {"2023.ric",
            "2024.ric",
            "Anagrafica.pro",
            "Valori_Bollati.lst",
            "Impostazioni.ini",
            "unins000.dll",
            "Logo.bmp",
            "Documenti_Allegati/carta d'identità.pdf",
            "Documenti_Allegati/vecchi/contratto 2019.txt"};
}

// Every file below `folder` by its path inside it, with its bytes.
inline QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files.insert(dir.relativeFilePath(path), f.readAll());
    }
    return files;
}

// The exit code of `sha256sum -c --strict` over the manifest in `folder`.
inline int sha256sumCheck(const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("sha256sum"),
                  {QStringLiteral("-c"), QStringLiteral("--strict"), QStringLiteral("--quiet"),
                   QStringLiteral("Vellarmo-copia.sha256")});
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace fixture
