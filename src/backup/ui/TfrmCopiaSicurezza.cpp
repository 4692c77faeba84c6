#include "backup/ui/TfrmCopiaSicurezza.h"

#include "backup/BackupCopy.h"
#include "backup/BackupSettings.h"
#include "backup/Restore.h"
#include "backup/ui/TfrmVerificaArchivi.h"
#include "help/ui/TfrmGuida.h"
#include "widgets/CommandButtons.h"
#include "widgets/FormFonts.h"
#include "widgets/ListScreenParts.h"
#include "widgets/Services.h"
#include "widgets/WorkProgress.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The progress window as the model's progress function.
Progress stepsOf(WorkProgress& window) {
    return [&window](qint64 done, qint64 total) { return window.step(done, total); };
}

QLabel* explanation(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(formfont::plain(10));
    return label;
}

} // namespace

TfrmCopiaSicurezza::TfrmCopiaSicurezza(Services& services, QWidget* owner)
    : DialogBase(owner), m_services(services) {
    setObjectName(QStringLiteral("TfrmCopiaSicurezza"));
    setWindowTitle(QStringLiteral(" Copia di sicurezza e verifica archivi"));
    setFixedSize(720, 480);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listscreen::heading(this, QStringLiteral("COPIA DI SICUREZZA"),
                                          QStringLiteral("titCopia")));
    m_lblUltimaCopia = new QLabel(this);
    m_lblUltimaCopia->setObjectName(QStringLiteral("lblUltimaCopia"));
    m_lblUltimaCopia->setWordWrap(true);
    m_lblUltimaCopia->setFont(formfont::bold(11));
    layout->addWidget(m_lblUltimaCopia);

    struct Command {
        const char* name;
        QString caption;
        QString explanation;
        void (TfrmCopiaSicurezza::*click)();
    };
    const Command commands[] = {
        {"btnCopia", QStringLiteral("Crea copia di sicurezza..."),
         QStringLiteral("Copia tutti i dati in una nuova cartella della chiavetta o del disco "
                        "scelto, poi rilegge ogni file e lo verifica."),
         &TfrmCopiaSicurezza::btnCopiaClick},
        {"btnRipristina", QStringLiteral("Ripristina da una copia..."),
         QStringLiteral("Verifica una copia e rimette i suoi dati al posto di quelli attuali, "
                        "che vengono prima conservati nella cartella del programma."),
         &TfrmCopiaSicurezza::btnRipristinaClick},
        {"btnVerifica", QStringLiteral("Verifica archivi"),
         QStringLiteral("Legge gli archivi delle distinte e degli acquirenti senza modificarli "
                        "ed elenca i record danneggiati o incompleti."),
         &TfrmCopiaSicurezza::btnVerificaClick},
    };
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(14);
    int row = 0;
    for (const Command& command : commands) {
        QPushButton* button =
            commandbutton::plain(this, QString::fromLatin1(command.name), command.caption);
        button->setMinimumWidth(240);
        grid->addWidget(button, row, 0, Qt::AlignTop);
        grid->addWidget(explanation(this, command.explanation), row, 1);
        connect(button, &QPushButton::clicked, this, command.click);
        ++row;
    }
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    QPushButton* cmdGuida =
        commandbutton::plain(this, QStringLiteral("cmdGuida"), QStringLiteral("Guida"));
    QPushButton* cmdEsci =
        commandbutton::plain(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"));
    bottom->addWidget(cmdGuida);
    bottom->addStretch(1);
    bottom->addWidget(cmdEsci);
    layout->addLayout(bottom);
    connect(cmdGuida, &QPushButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::CopiaSicurezza); });
    connect(cmdEsci, &QPushButton::clicked, this, &QDialog::reject);

    refreshLastCopy();
}

void TfrmCopiaSicurezza::refreshLastCopy() {
    m_lblUltimaCopia->setText(
        BackupSettings::lastCopyText(BackupSettings(m_services.folder).lastCopy()));
}

QString TfrmCopiaSicurezza::startFolder() const {
    const auto last = BackupSettings(m_services.folder).lastCopy();
    return last ? QFileInfo(last->folder).absolutePath() : QDir::homePath();
}

void TfrmCopiaSicurezza::btnCopiaClick() {
    const QString destination = m_services.files.existingFolder(
        this, QStringLiteral("Scegliere dove creare la copia di sicurezza"), startFolder());
    if (destination.isEmpty())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    backup::CopyOutcome outcome;
    {
        WorkProgress progress(this, QStringLiteral("Copia di sicurezza in corso..."));
        outcome = backup::makeCopy(m_services.folder, destination, now, stepsOf(progress));
    }
    if (!outcome.ok()) {
        if (outcome.kind == backup::CopyOutcome::Cancelled)
            m_services.messages.message(this, backup::copyMessage(outcome));
        else
            m_services.messages.notice(this, MessageBoxes::Icon::Warning,
                                       backup::copyMessage(outcome));
        return;
    }
    const bool recorded = BackupSettings(m_services.folder).setLastCopy({now, outcome.folder});
    refreshLastCopy();
    m_services.messages.message(this, backup::copyMessage(outcome));
    if (!recorded)
        m_services.messages.notice(
            this, MessageBoxes::Icon::Warning,
            QStringLiteral("Attenzione: la copia è valida, ma non è stato possibile registrarla "
                           "nel file Impostazioni.ini."));
}

void TfrmCopiaSicurezza::btnRipristinaClick() {
    const QString folder = m_services.files.existingFolder(
        this, QStringLiteral("Scegliere la cartella della copia da ripristinare"), startFolder());
    if (folder.isEmpty())
        return;
    backup::CopyCheck check;
    {
        WorkProgress progress(this, QStringLiteral("Verifica della copia in corso..."));
        check = backup::checkCopy(folder, stepsOf(progress));
    }
    if (check.kind == backup::CopyCheck::Cancelled)
        return;
    if (!check.ok()) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning,
                                   backup::refusalMessage(check));
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    if (!m_services.messages.question(this, backup::restoreQuestion(m_services.folder, check, now)))
        return;
    backup::RestoreOutcome outcome;
    {
        WorkProgress progress(this, QStringLiteral("Ripristino in corso..."));
        outcome = backup::restore(m_services.folder, check, now, stepsOf(progress));
    }
    refreshLastCopy();
    if (outcome.ok() || (outcome.kind == backup::RestoreOutcome::Cancelled && outcome.putBack))
        m_services.messages.message(this, backup::restoreMessage(outcome));
    else
        m_services.messages.notice(this, MessageBoxes::Icon::Warning,
                                   backup::restoreMessage(outcome));
}

void TfrmCopiaSicurezza::btnVerificaClick() {
    archivecheck::Report report;
    {
        WorkProgress progress(this, QStringLiteral("Verifica degli archivi in corso..."));
        report = archivecheck::check(m_services.folder, stepsOf(progress));
    }
    if (report.cancelled)
        return;
    if (report.findings.isEmpty()) {
        m_services.messages.message(this, archivecheck::cleanMessage(report));
        return;
    }
    TfrmVerificaArchivi results(m_services, report, this);
    if (m_services.dialogs.exec(&results) == QDialog::Accepted && results.chosen()) {
        m_chosen = results.chosen();
        accept();
    }
}
