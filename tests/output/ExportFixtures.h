#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "distinte/Ricevuta.h"
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"

#include <QByteArray>
#include <QList>

// Small archives whose texts a spreadsheet program is tempted to read as
// something else: amounts with a comma, dates, leading zeros, long digit
// runs, formulas, markup characters, accents and runs of blanks.
namespace exportfixtures {

inline QList<Ricevuta> distinte() {
    const Ricevuta paid =
        DistintaBuilder(QStringLiteral("1"))
            .date(QStringLiteral("05/01/2023"))
            .reseller(QStringLiteral("Tabaccheria non esportata"))
            .buyer({QStringLiteral("Rossi & Figli"), QStringLiteral("Via <Roma> 1"),
                    QStringLiteral("00100 Roma"), QString(), QStringLiteral("P.IVA 01234567890")})
            .line(0, QStringLiteral("1"), QStringLiteral("Marca da bollo da 0,50"),
                  QStringLiteral("0,50"), QStringLiteral("0,50"))
            .payment(QStringLiteral("Contanti"))
            .total(QStringLiteral("0,50"))
            .paid(kSaldatoSi);

    DistintaBuilder tricky(QStringLiteral("007"));
    tricky.date(QStringLiteral("31/12/2023"))
        .buyer({QStringLiteral("Mario  Bianchi   jr")})
        .payment(QStringLiteral("Bonifico \"urgente\", Società Più"))
        .total(QStringLiteral("1250,00"));
    const QStringList descriptions = {QStringLiteral("1/2"),    QStringLiteral("1e5"),
                                      QStringLiteral("=1+1"),   QStringLiteral("TRUE"),
                                      QStringLiteral("-3"),     QStringLiteral("12:30"),
                                      QStringLiteral("3%"),     QStringLiteral("1.234"),
                                      QStringLiteral("€ 5,00"), QStringLiteral("2023-01-05")};
    for (int i = 0; i < Ricevuta::kLines; ++i)
        tricky.line(i, QString(), descriptions[i], QString());

    return {paid, tricky, DistintaBuilder(QStringLiteral("4111111111111111"))};
}

inline QList<SchedaAnagrafica> buyers() {
    SchedaAnagrafica rossi;
    rossi.nome = QStringLiteral("Rossi & Figli");
    rossi.num = QStringLiteral("12");
    rossi.cap = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"),
                 QStringLiteral("0")};
    rossi.localita = QStringLiteral("Forlì");
    rossi.prov = {QStringLiteral("F"), QStringLiteral("C")};
    rossi.tel = QStringLiteral("0612345678");
    rossi.email = QStringLiteral("rossi@example.it");
    rossi.dataNasc = QStringLiteral("05/01/1970");
    rossi.sesso = QStringLiteral("M");
    rossi.luogoNasc = QStringLiteral("Cesena");
    rossi.codFisc = QStringLiteral("RSSMRA70A05C573X");
    rossi.partitaIva = QStringLiteral("01234567890");
    rossi.iban = QStringLiteral("IT60X0542811101000000123456");
    rossi.carta = QStringLiteral("4111111111111111");
    rossi.scadeCarta = QStringLiteral("12/2027");
    rossi.cel = QStringLiteral("+39 333 1234567");
    rossi.cittadinanza = QStringLiteral("Italiana");
    rossi.civile = QStringLiteral("Sì, coniugato");
    rossi.tipoDoc = QStringLiteral("C.I. 0012345");
    rossi.enteRil = QStringLiteral("Comune di Forlì");
    rossi.dataRil = QStringLiteral("01/01/2020");
    rossi.dataSca = QStringLiteral("01/01/2030");
    rossi.prodotti = QStringLiteral("Marche < 1,00 & francobolli > 2,00");
    rossi.questioni = QStringLiteral("0,50");
    rossi.note = QStringLiteral("=SOMMA(A1:A2)");
    rossi.file = {QStringLiteral("contratto.pdf"), QString(), QString()};
    rossi.desc = {QStringLiteral("Contratto"), QString(), QString()};

    SchedaAnagrafica bianchi;
    bianchi.nome = QStringLiteral("Bianchi  Mario");
    bianchi.indirizzo = QStringLiteral("Via Roma");
    bianchi.cap = {QStringLiteral("4"), QStringLiteral("7"), QString(), QString(), QString()};
    bianchi.sesso = QStringLiteral("F");
    return {rossi, bianchi};
}

using ::archiveBytes;

} // namespace exportfixtures
