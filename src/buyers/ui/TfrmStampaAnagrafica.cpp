#include "buyers/ui/TfrmStampaAnagrafica.h"

#include "buyers/BuyerCardPage.h"
#include "output/PreparedReport.h"
#include "output/ui/ReportOutput.h"
#include "widgets/OutputDialogParts.h"
#include "widgets/Services.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

TfrmStampaAnagrafica::TfrmStampaAnagrafica(Services& services, const SchedaAnagrafica& card,
                                           QWidget* owner)
    : DialogBase(owner), m_services(services), m_card(card) {
    setObjectName(QStringLiteral("TfrmStampaAnagrafica"));
    setWindowTitle(QStringLiteral(" Stampa scheda"));

    auto* layout = new QVBoxLayout(this);
    addInstructionLines(
        this, layout,
        {QStringLiteral("Stampa scheda"),
         QStringLiteral("Questa operazione stampa su carta la scheda corrente con i dati inseriti "
                        "dall'utente."),
         QStringLiteral("Premere Stampa per avviare la stampa oppure Annulla per annullare "
                        "l'operazione.")});
    const OutputCommands commands = addOutputCommands(this, layout, QStringLiteral("Stampa"));
    connect(commands.btnStampa, &QPushButton::clicked, this, &TfrmStampaAnagrafica::btnStampaClick);
}

void TfrmStampaAnagrafica::btnStampaClick() {
    const QDateTime when = m_when.isValid() ? m_when : QDateTime::currentDateTime();
    bool ok = false;
    try {
        const PreparedReport page =
            prepareReport(buyercardpage::filled(m_card, when.toString(QStringLiteral("dd/MM/yyyy")),
                                                when.toString(QStringLiteral("HH:mm:ss"))));
        // Cancelling the printer dialog is not a failure: nothing is printed.
        ok = reportoutput::print(m_services.printers, this, page) !=
             reportoutput::PrintResult::Failed;
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok)
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, reportoutput::kPrintFailed);
    accept();
}
