#include "buyers/BuyerCardPage.h"

#include "common/TextRules.h"

namespace buyercardpage {

namespace {

constexpr quint32 kLightSteelBlue = 0xFFB0C4DE;
constexpr quint32 kGold = 0xFFFFD700;
constexpr double kWidth = 188;
constexpr double kFirstRow = 7;
constexpr double kRowPitch = 5;
constexpr double kRowHeight = 4.6;

// Caption and the name of the element that holds the value.
struct Row {
    const char* caption;
    const char* element;
};

const Row kRowTable[kRows] = {
    {"Cognome, nome o Rag. soc.", "txtNome"},
    {"Codice fiscale:", "txtCodFisc"},
    {"Sesso:", "txtSesso"},
    {"Data di nascita:", "txtDataNasc"},
    {"Luogo di nascita:", "txtLuogoNasc"},
    {"Partita IVA:", "txtPartitaIva"},
    {"Via e numero civico:", "txtIndirizzo"},
    {"CAP:", "txtCap"},
    {"Località:", "txtLocalita"},
    {"Stato civile:", "txtCivile"},
    {"Tel.", "txtTel"},
    {"E-mail:", "txtEmail"},
    {"IBAN:", "txtIban"},
    {"PEC:", "txtPec"},
    {"Carta di credito n.", "txtCarta"},
    {"Scadenza carta di credito:", "txtScadeCarta"},
    {"Tel. cellulare:", "txtCel"},
    {"Cittadinanza:", "txtCittadinanza"},
    {"Occupazione:", "txtOccupazione"},
    {"Documento (tipo e numero):", "txtTipoDoc"},
    {"Ente di rilascio:", "txtEnteRil"},
    {"Data di rilascio:", "txtDataRil"},
    {"Data di scadenza:", "txtDataSca"},
    {"Prodotti di interesse:", "txtProdotti"},
    {"Questioni in sospeso:", "txtQuestioni"},
    {"Note:", "txtNote"},
};

ReportFont arial(double size) {
    return ReportFont{QStringLiteral("Arial"), size, false, false};
}

QString two(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

Report design() {
    Report report;
    report.page.orientation = PageSetup::Orientation::Portrait;
    Band band{QStringLiteral("Pagina"), report.page.printableSize().height(), false, {}};
    auto& o = band.objects;
    const Qt::Alignment middleLeft = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment middleCentre = Qt::AlignHCenter | Qt::AlignVCenter;

    o.append(
        ReportObject::box(QStringLiteral("shpTitolo"), QRectF(0, 1, kWidth, 5.8), kLightSteelBlue));
    o.append(ReportObject::memo(QStringLiteral("titScheda"), QRectF(0, 1, kWidth, 5.8),
                                QStringLiteral("SCHEDA ANAGRAFICA"), arial(9), middleCentre));
    for (int k = 0; k < kRows; ++k) {
        const double top = kFirstRow + kRowPitch * k;
        o.append(ReportObject::box(QStringLiteral("shpRigo") + two(k + 1),
                                   QRectF(0, top, kWidth, kRowHeight), reportcolor::None));
        o.append(ReportObject::memo(QStringLiteral("titRigo") + two(k + 1),
                                    QRectF(2, top, 37.8, kRowHeight),
                                    QString::fromUtf8(kRowTable[k].caption), arial(7), middleLeft));
        o.append(ReportObject::memo(QString::fromLatin1(kRowTable[k].element),
                                    QRectF(44, top, 144, kRowHeight), QString(), arial(7),
                                    middleLeft));
    }
    o.append(ReportObject::line(QStringLiteral("linColonna"), QPointF(42, kFirstRow),
                                QPointF(42, kFirstRow + kRowPitch * (kRows - 1) + kRowHeight)));
    o.append(ReportObject::box(QStringLiteral("shpCalce"), QRectF(0, 138, kWidth, 5.8), kGold));
    o.append(ReportObject::memo(QStringLiteral("txtCalce"), QRectF(0, 138, kWidth, 5.8),
                                QStringLiteral("Data e ora stampa"), arial(8), middleCentre));
    report.bands = {band};
    return report;
}

QStringList rowValues(const SchedaAnagrafica& c) {
    const auto t = [](const QString& s) { return text::trimmed(s); };
    QString cap;
    for (const QString& box : c.cap)
        cap += t(box);
    return {t(c.nome),
            t(c.codFisc),
            t(c.sesso),
            t(c.dataNasc),
            t(c.luogoNasc),
            t(c.partitaIva),
            t(c.indirizzo) + QLatin1Char(' ') + t(c.num),
            cap,
            t(c.localita) + QLatin1Char(' ') + t(c.prov[0]) + t(c.prov[1]),
            t(c.civile),
            t(c.tel),
            t(c.email),
            t(c.iban),
            t(c.pec),
            t(c.carta),
            t(c.scadeCarta),
            t(c.cel),
            t(c.cittadinanza),
            t(c.occupazione),
            t(c.tipoDoc),
            t(c.enteRil),
            t(c.dataRil),
            t(c.dataSca),
            t(c.prodotti),
            t(c.questioni),
            t(c.note)};
}

Report filled(const SchedaAnagrafica& card, const QString& dateText, const QString& timeText) {
    Report page = design();
    const QStringList values = rowValues(card);
    for (int k = 0; k < kRows; ++k)
        page.setMemoText(QString::fromLatin1(kRowTable[k].element), values[k]);
    page.setMemoText(u"txtCalce", QStringLiteral("Stampa eseguita in data ") + dateText +
                                      QStringLiteral(" alle ore ") + timeText);
    return page;
}

} // namespace buyercardpage
