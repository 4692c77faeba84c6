#include "backup/ui/TfrmVerificaArchivi.h"

#include "output/ui/ListPrinter.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

const QString TfrmVerificaArchivi::kPrintTitle = QStringLiteral("Verifica archivi");

TfrmVerificaArchivi::TfrmVerificaArchivi(Services& services, const archivecheck::Report& report,
                                         QWidget* owner)
    : DialogBase(owner), m_services(services), m_findings(report.findings) {
    setObjectName(QStringLiteral("TfrmVerificaArchivi"));
    setWindowTitle(QStringLiteral(" Verifica archivi"));
    setFixedSize(980, 620);

    auto* layout = new QVBoxLayout(this);
    m_results.build(
        this, this, layout, m_services,
        {QStringLiteral("VERIFICA ARCHIVI"), QStringLiteral("titVerifica"), kPrintTitle},
        listPrinter(m_services, this));
    auto* lblRiepilogo = new QLabel(archivecheck::summaryLine(report), this);
    lblRiepilogo->setObjectName(QStringLiteral("lblRiepilogo"));
    m_results.commands()->insertWidget(0, lblRiepilogo);

    QList<ResultRow> rows;
    rows.reserve(m_findings.size());
    for (const archivecheck::Finding& finding : m_findings)
        rows.append({archivecheck::lineOf(finding), finding.position});
    m_results.list()->setRows(std::move(rows));
    connect(m_results.list(), &ResultList::rowDoubleClicked, this,
            &TfrmVerificaArchivi::lstRecordsDblClick);
}

void TfrmVerificaArchivi::lstRecordsDblClick() {
    const qsizetype index = m_results.list()->selectedIndex();
    if (index < 0 || index >= m_findings.size())
        return;
    const archivecheck::Finding& finding = m_findings[index];
    // A partial record or a file that cannot be read has nothing to open.
    if (!finding.wholeRecord || finding.position < 1)
        return;
    m_chosen = finding;
    accept();
}
