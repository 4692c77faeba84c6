#include "support/PrivateCups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kMachineSettings = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

PrivateCups& PrivateCups::shared() {
    static PrivateCups server;
    return server;
}

PrivateCups::PrivateCups() : m_previousServer(qgetenv("CUPS_SERVER")) {
    m_started = start();
    if (!m_started && m_daemon && m_daemon->state() != QProcess::NotRunning) {
        m_daemon->kill();
        m_daemon->waitForFinished(10000);
    }
}

PrivateCups::~PrivateCups() {
    if (m_daemon && m_daemon->state() != QProcess::NotRunning) {
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(20000)) {
            m_daemon->kill();
            m_daemon->waitForFinished(10000);
        }
    }
    if (m_previousServer.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", m_previousServer);
}

bool PrivateCups::start() {
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("cupsd with the cups-pdf backend needs root (the backend runs "
                                  "only as root, and its settings are mounted in a private "
                                  "namespace)");
        return false;
    }
    for (const char* tool : {"unshare", "cupsd", "lpadmin", "lpstat"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool), {"/usr/sbin", "/usr/bin"})
                .isEmpty()) {
            m_reason = QStringLiteral("%1 is not installed (cups, cups-bsd)").arg(tool);
            return false;
        }
    }
    for (const QString& file : {kBackend, kPpd, kMachineSettings}) {
        if (!QFileInfo::exists(file)) {
            m_reason = file + QStringLiteral(" is missing (printer-driver-cups-pdf)");
            return false;
        }
    }
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder");
        return false;
    }
    // The filters run as the user lp and must reach the spool.
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    for (const char* sub :
         {"etc", "spool", "spool/tmp", "cache", "state", "log", "pdf", "pdf-spool"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(sub));

    const QString socket = path(QStringLiteral("cups.sock"));
    const bool written =
        writeText(path(QStringLiteral("etc/cupsd.conf")),
                  QStringLiteral("Listen %1\nLogLevel info\nWebInterface No\nBrowsing No\n"
                                 "DefaultAuthType None\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(socket)) &&
        writeText(path(QStringLiteral("etc/cups-files.conf")),
                  QStringLiteral("ServerRoot %1\nRequestRoot %2\nTempDir %3\nCacheDir %4\n"
                                 "StateDir %5\nAccessLog %6\nErrorLog %7\nPageLog %8\n"
                                 "SystemGroup root\nPrintcap %9\n")
                      .arg(path(QStringLiteral("etc")), path(QStringLiteral("spool")),
                           path(QStringLiteral("spool/tmp")), path(QStringLiteral("cache")),
                           path(QStringLiteral("state")), path(QStringLiteral("log/access_log")),
                           path(QStringLiteral("log/error_log")),
                           path(QStringLiteral("log/page_log")),
                           path(QStringLiteral("printcap")))) &&
        // Label 1: every file is named after its job, so none replaces another.
        writeText(path(QStringLiteral("cups-pdf.conf")),
                  QStringLiteral("Out %1\nAnonDirName %1\nSpool %2\nLog %3\nGrp root\nLabel 1\n")
                      .arg(path(QStringLiteral("pdf")), path(QStringLiteral("pdf-spool")),
                           path(QStringLiteral("log"))));
    if (!written) {
        m_reason = QStringLiteral("the private settings could not be written into ") + m_dir.path();
        return false;
    }

    m_daemon = std::make_unique<QProcess>();
    m_daemon->setProcessChannelMode(QProcess::MergedChannels);
    m_daemon->start(
        QStringLiteral("unshare"),
        {QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"),
         QStringLiteral("mount --bind \"$1\" \"$2\" && exec cupsd -f -c \"$3\" -s \"$4\""),
         QStringLiteral("sh"), path(QStringLiteral("cups-pdf.conf")), kMachineSettings,
         path(QStringLiteral("etc/cupsd.conf")), path(QStringLiteral("etc/cups-files.conf"))});
    const bool listening = QTest::qWaitFor(
        [&] { return QFileInfo::exists(socket) || m_daemon->state() == QProcess::NotRunning; },
        20000);
    if (!listening || m_daemon->state() == QProcess::NotRunning) {
        m_reason = QStringLiteral("cupsd did not start: ") +
                   QString::fromLocal8Bit(m_daemon->readAll()).trimmed() + errorLogTail();
        return false;
    }
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    // cups-pdf takes PostScript. The filter's default way there (poppler's
    // pdftops) turns the program's fonts into glyph drawings whose text
    // cannot be read back; through cairo the fonts, and so the text, stay.
    if (!run(QStringLiteral("lpadmin"),
             {QStringLiteral("-p"), queue(), QStringLiteral("-E"), QStringLiteral("-v"),
              QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), kPpd, QStringLiteral("-o"),
              QStringLiteral("pdftops-renderer-default=pdftocairo")}) ||
        !run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue()}))
        return false;
    return true;
}

bool PrivateCups::run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program,
                  QStringList{QStringLiteral("-h"), path(QStringLiteral("cups.sock"))} + args);
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    m_reason = QStringLiteral("%1 %2 failed: %3%4")
                   .arg(program, args.join(u' '),
                        QString::fromLocal8Bit(process.readAll()).trimmed(), errorLogTail());
    return false;
}

bool PrivateCups::queueEmpty() const {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"),
                 {QStringLiteral("-h"), path(QStringLiteral("cups.sock")), QStringLiteral("-o")});
    return lpstat.waitForFinished(30000) && lpstat.exitCode() == 0 &&
           lpstat.readAllStandardOutput().trimmed().isEmpty();
}

QString PrivateCups::waitForNextPdf() {
    const QDir out(path(QStringLiteral("pdf")));
    QString found;
    const bool done = QTest::qWaitFor(
        [&] {
            for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (!m_seen.contains(name) && queueEmpty()) {
                    found = name;
                    return true;
                }
            }
            return false;
        },
        60000);
    if (!done) {
        m_reason = QStringLiteral("no PDF came out of the queue") + errorLogTail();
        return {};
    }
    m_seen.append(found);
    return out.filePath(found);
}

QString PrivateCups::errorLogTail() const {
    QFile log(path(QStringLiteral("log/error_log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = log.readAll();
    return QStringLiteral("\nerror_log: ") + QString::fromLocal8Bit(all.right(2000));
}
