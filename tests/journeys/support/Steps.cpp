#include "journeys/support/Steps.h"

#include "journeys/support/Journey.h"

#include <QCalendarWidget>
#include <gtest/gtest.h>

namespace steps {
namespace {

void expectScreen(Journey& journey, const char* name) {
    QWidget* showing = journey.screen();
    EXPECT_EQ(showing != nullptr ? showing->objectName() : QString(), QString::fromLatin1(name));
}

// Types one character into each box `first`01, `first`02, ...
void typeBoxes(Journey& journey, const char* first, const QString& characters) {
    for (int i = 0; i < characters.size(); ++i)
        journey.type(QStringLiteral("txt%1%2")
                         .arg(QString::fromLatin1(first))
                         .arg(i + 1, 2, 10, QLatin1Char('0')),
                     characters.mid(i, 1));
}

// The tariff import of a stamp line: the entry clicked, Importa.
void importTariffEntry(Journey& journey, int line, const QString& entry) {
    journey.onDialog(QStringLiteral("TfrmTrovaServizi"), [&journey, entry](QDialog* dialog) {
        journey.clickRow(entry, dialog);
        journey.click(QStringLiteral("btnImporta"), dialog);
    });
    journey.click(QStringLiteral("impBollato%1").arg(line, 2, 10, QLatin1Char('0')));
}

} // namespace

void logIn(Journey& journey, const QString& password) {
    expectScreen(journey, "frmPassword");
    journey.type(QStringLiteral("txtPassword"), password);
    journey.press(Qt::Key_Enter);
    expectScreen(journey, "frmAvvio");
}

void openArea(Journey& journey, const char* button) {
    expectScreen(journey, "frmAvvio");
    journey.click(QString::fromLatin1(button));
}

void backToMainMenu(Journey& journey, const char* exitCommand) {
    journey.click(QString::fromLatin1(exitCommand));
    expectScreen(journey, "frmAvvio");
}

Buyer mario() {
    Buyer b;
    b.nome = QStringLiteral("Mario Rossi");
    b.indirizzo = QStringLiteral("Via Roma");
    b.num = QStringLiteral("12");
    b.cap = QStringLiteral("80121");
    b.localita = QStringLiteral("Napoli");
    b.prov = QStringLiteral("NA");
    b.sesso = QStringLiteral("M");
    b.codFisc = QStringLiteral("RSSMRA80A01H501U");
    b.partitaIva = QStringLiteral("00743110157");
    b.iban = QStringLiteral("IT60X0542811101000000123456");
    b.carta = QStringLiteral("4111111111111111");
    return b;
}

void saveNewBuyer(Journey& journey, const Buyer& buyer) {
    expectScreen(journey, "TfrmAnagrafica");
    journey.click(QStringLiteral("cmdNuovo"));
    journey.type(QStringLiteral("txtNome"), buyer.nome);
    journey.type(QStringLiteral("txtIndirizzo"), buyer.indirizzo);
    journey.type(QStringLiteral("txtNum"), buyer.num);
    typeBoxes(journey, "Cap", buyer.cap);
    journey.type(QStringLiteral("txtLocalita"), buyer.localita);
    typeBoxes(journey, "Prov", buyer.prov);
    journey.type(QStringLiteral("txtSesso"), buyer.sesso);
    journey.type(QStringLiteral("txtCodFisc"), buyer.codFisc);
    journey.type(QStringLiteral("txtPartitaIva"), buyer.partitaIva);
    journey.type(QStringLiteral("txtIban"), buyer.iban);
    journey.type(QStringLiteral("txtCarta"), buyer.carta);
    journey.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(journey.takeMessages(),
              QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
}

void addTariffEntry(Journey& journey, const QString& name, const QString& price) {
    expectScreen(journey, "TfrmProdotti");
    journey.onDialog(QStringLiteral("TfrmAggiungi_Voce"), [&journey, name, price](QDialog* dialog) {
        journey.type(QStringLiteral("txtNomeVoce"), name, dialog);
        journey.type(QStringLiteral("txtPrezzo"), price, dialog);
        journey.click(QStringLiteral("btnApplica"), dialog);
    });
    journey.click(QStringLiteral("cmdAggiungi"));
}

void stockTheShop(Journey& journey) {
    openArea(journey, "btnAcquirenti");
    saveNewBuyer(journey, mario());
    backToMainMenu(journey);
    openArea(journey, "btnBollati");
    addTariffEntry(journey, QStringLiteral("Marca da bollo"), QStringLiteral("16,00"));
    addTariffEntry(journey, QStringLiteral("Francobollo"), QStringLiteral("1,25"));
    backToMainMenu(journey, "cmdApplica");
}

void openDistinte(Journey& journey, const QString& year) {
    openArea(journey, "btnDistinte");
    expectScreen(journey, "TfrmMenuRicevute");
    journey.type(QStringLiteral("txtAnnoPreventivi"), year);
    journey.click(QStringLiteral("btnApriPreventivi"));
    expectScreen(journey, "TfrmRicevute");
}

void fillAndSaveDistinta(Journey& journey) {
    expectScreen(journey, "TfrmRicevute");
    journey.click(QStringLiteral("cmdNuovo"));
    journey.onDialog(QStringLiteral("TfrmTrovaAnagrafica"), [&journey](QDialog* dialog) {
        journey.type(QStringLiteral("txtNome"), QStringLiteral("Rossi"), dialog);
        journey.click(QStringLiteral("btnCerca"), dialog);
        journey.doubleClickRow(QStringLiteral("Mario Rossi"), dialog);
    });
    journey.click(QStringLiteral("impCliente"));
    importTariffEntry(journey, 1, QStringLiteral("Marca da bollo"));
    journey.type(QStringLiteral("txtQuant01"), QStringLiteral("2"));
    importTariffEntry(journey, 2, QStringLiteral("Francobollo"));
    journey.type(QStringLiteral("txtQuant02"), QStringLiteral("4"));
    journey.onDialog(QStringLiteral("TfrmCalendario"), [&journey](QDialog* dialog) {
        // The day the user clicks in the month shown.
        if (auto* calendar =
                journey.find<QCalendarWidget>(QStringLiteral("calAppuntamenti"), dialog))
            calendar->setSelectedDate(QDate(2024, 3, 5));
        journey.click(QStringLiteral("btnImportaData"), dialog);
    });
    // Typing in the date field opens the calendar.
    journey.type(QStringLiteral("txtData"), QStringLiteral("5"));
    journey.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(journey.takeMessages(),
              QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
}

void issueDistinta(Journey& journey) {
    logIn(journey);
    stockTheShop(journey);
    openDistinte(journey, QStringLiteral("2024"));
    fillAndSaveDistinta(journey);
}

void chooseInterval(Journey& journey, const Interval& interval) {
    expectScreen(journey, "TfrmMenuRiepLavoro");
    journey.type(QStringLiteral("txtAnno"), interval.year);
    journey.choose(QStringLiteral("txtGiornoInizio"), interval.startDay);
    journey.choose(QStringLiteral("txtMeseInizio"), interval.startMonth);
    journey.choose(QStringLiteral("txtGiornoFine"), interval.endDay);
    journey.choose(QStringLiteral("txtMeseFine"), interval.endMonth);
}

QStringList exportMessages() {
    return {QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a "
                           "seconda del numero di schede presenti in archivio.\r\n\r\nSi vuole "
                           "esportare i dati adesso?"),
            QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi "
                           "vuole aprire il file di Excel?")};
}

} // namespace steps
