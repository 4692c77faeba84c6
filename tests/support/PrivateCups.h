#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A print server of the test's own: cupsd on a private configuration in a
// temporary folder, listening on a unix socket there, with its spool and logs
// there too, and one default queue backed by cups-pdf that writes the PDF
// files of the printed jobs into the same folder. The machine's CUPS is
// neither used nor changed. cups-pdf reads its settings only from
// /etc/cups/cups-pdf.conf, so cupsd runs in a mount namespace of its own in
// which the private settings are mounted over that file.
//
// It needs root (cupsd runs the cups-pdf backend as root, and mounting needs
// it), unshare, cupsd, lpadmin, lpstat and the cups-pdf backend; where it
// cannot start, started() is false and reason() says why. While it runs,
// CUPS_SERVER points this process (and the toolkit's printers) at it. The
// server is stopped when the object goes.
class PrivateCups {
public:
    // The one server of this process, started on first use and stopped when
    // the process ends: the toolkit and the CUPS library keep the first
    // server they talked to for the rest of the process.
    static PrivateCups& shared();

    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool started() const { return m_started; }
    QString reason() const { return m_reason; }
    // The queue's name; it is the server's default destination.
    static QString queue() { return QStringLiteral("VellarmoPDF"); }

    // Waits until the queue has no job left and a PDF file not returned before
    // is there; its path, or an empty string (with reason() saying why) when
    // none came within a minute.
    QString waitForNextPdf();

private:
    bool start();
    bool run(const QString& program, const QStringList& args);
    bool queueEmpty() const;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString errorLogTail() const;

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_daemon;
    QStringList m_seen;
    QByteArray m_previousServer;
    bool m_started = false;
    QString m_reason;
};
