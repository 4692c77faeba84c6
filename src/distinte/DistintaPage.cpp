#include "distinte/DistintaPage.h"

#include "common/TextRules.h"

namespace distintapage {

namespace {
using Align = Qt::Alignment;
constexpr Align kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Align kCentre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Align kRight = Qt::AlignRight | Qt::AlignTop;
constexpr Align kMiddleLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Align kMiddleCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Align kMiddleRight = Qt::AlignRight | Qt::AlignVCenter;

ReportFont arial(double size, bool bold = false, bool italic = false) {
    return ReportFont{QStringLiteral("Arial"), size, bold, italic};
}

// A memo's height follows its font, so the text sits inside its box.
double heightFor(double size) {
    return size >= 12 ? 6 : (size >= 9 ? 4.5 : 4);
}

// A memo from its left and right edges, as the layout gives most columns.
ReportObject memo(const QString& name, double left, double right, double top, const QString& text,
                  const ReportFont& font, Align align = kLeft) {
    return ReportObject::memo(name, QRectF(left, top, right - left, heightFor(font.pointSize)),
                              text, font, align);
}

QString two(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

void addHeader(QList<ReportObject>& o) {
    o.append(ReportObject::image(QStringLiteral("imgLogo"), QRectF(1, 1, 80, 38)));

    o.append(
        ReportObject::box(QStringLiteral("shpNumero"), QRectF(83, 1, 106, 14), reportcolor::Beige));
    o.append(memo(QStringLiteral("txtNumRic"), 83, 189, 3.2, QStringLiteral("VELLARMO N. "),
                  arial(9, true), kCentre));
    o.append(memo(QStringLiteral("txtData"), 83, 189, 9, QStringLiteral("Data emissione:  "),
                  arial(9), kCentre));

    for (int i = 1; i <= 5; ++i)
        o.append(memo(QStringLiteral("txtRivRigo") + two(i), 1, 81, 37 + 5 * i, QString(),
                      i <= 2 ? arial(9, true) : arial(8)));

    o.append(ReportObject::box(QStringLiteral("shpTitAcquirente"), QRectF(83, 17, 106, 5.8),
                               reportcolor::AliceBlue));
    o.append(ReportObject::memo(QStringLiteral("titAcquirente"), QRectF(83, 17, 106, 5.8),
                                QStringLiteral("DATI ACQUIRENTE"), arial(9, true), kMiddleCentre));
    o.append(ReportObject::box(QStringLiteral("shpAcquirente"), QRectF(83, 23, 106, 32),
                               reportcolor::White));
    for (int i = 1; i <= 5; ++i)
        o.append(
            memo(QStringLiteral("txtAcqRigo") + two(i), 85, 187, 22 + 5 * i, QString(), arial(8)));

    o.append(memo(QStringLiteral("titPagamento"), 83, 189, 56.4,
                  QStringLiteral("MODALITA' DI PAGAMENTO:"), arial(8, true)));
    o.append(ReportObject::box(QStringLiteral("shpPagamento"), QRectF(83, 61, 106, 6),
                               reportcolor::Beige));
    o.append(memo(QStringLiteral("txtPagamento"), 85, 187, 62, QString(), arial(8)));
}

void addLines(QList<ReportObject>& o) {
    o.append(ReportObject::box(QStringLiteral("shpTitRighe"), QRectF(1, 75, 188, 5.8),
                               reportcolor::AliceBlue));
    struct Column {
        const char* title;
        double left, right;
    };
    const Column titles[] = {{"Q.TA'", 2, 20.8},
                             {"DESCRIZIONE", 23, 115.8},
                             {"VALORE UNITARIO", 118, 152},
                             {"IMPORTO", 154, 188}};
    int n = 0;
    for (const Column& c : titles)
        o.append(ReportObject::memo(QStringLiteral("titColonna") + two(++n),
                                    QRectF(c.left, 75, c.right - c.left, 5.8),
                                    QString::fromLatin1(c.title), arial(9, true), kMiddleCentre));

    o.append(
        ReportObject::box(QStringLiteral("shpRighe"), QRectF(1, 81, 188, 71), reportcolor::White));
    n = 0;
    for (double x : {22.0, 117.0, 153.0})
        o.append(ReportObject::line(QStringLiteral("linColonna") + two(++n), QPointF(x, 75),
                                    QPointF(x, 152)));

    for (int k = 1; k <= Ricevuta::kLines; ++k) {
        const double top = 83 + 7 * (k - 1);
        const QString s = two(k);
        o.append(memo(QStringLiteral("txtQuant") + s, 2, 20.8, top, QString(), arial(8), kCentre));
        o.append(memo(QStringLiteral("txtDescrizione") + s, 24, 114.8, top, QString(), arial(8)));
        o.append(
            memo(QStringLiteral("txtUnitario") + s, 119, 151, top, QString(), arial(8), kRight));
        o.append(
            memo(QStringLiteral("txtImporto") + s, 155, 187, top, QString(), arial(8), kRight));
    }
}

void addFooter(QList<ReportObject>& o) {
    o.append(ReportObject::box(QStringLiteral("shpTotale"), QRectF(117, 155, 72, 9),
                               reportcolor::Beige));
    o.append(ReportObject::memo(QStringLiteral("titTotale"), QRectF(119, 155, 33, 9),
                                QStringLiteral("TOTALE :"), arial(12, true), kMiddleLeft));
    o.append(ReportObject::memo(QStringLiteral("txtTotale"), QRectF(153, 155, 34, 9), QString(),
                                arial(12, true), kMiddleRight));

    o.append(
        ReportObject::box(QStringLiteral("shpBollo"), QRectF(1, 155, 55, 40), reportcolor::White));
    o.append(memo(QStringLiteral("titBollo01"), 1, 56, 170, QStringLiteral("BOLLO VIGENTE"),
                  arial(8), kCentre));
    o.append(memo(QStringLiteral("titBollo02"), 1, 56, 175, QStringLiteral("(OVE RICHIESTO)"),
                  arial(8), kCentre));

    const QString note[] = {QStringLiteral("La presente distinta deve essere acquisita agli atti"),
                            QStringLiteral("e custodita dal rivenditore autorizzato"),
                            QStringLiteral("secondo le norme del Codice civile.")};
    for (int i = 0; i < 3; ++i)
        o.append(memo(QStringLiteral("titCustodia0") + QString::number(i + 1), 60, 189, 172 + 7 * i,
                      note[i], arial(12, false, true), kCentre));

    o.append(ReportObject::box(QStringLiteral("shpDichiarazione"), QRectF(1, 203, 189, 57),
                               reportcolor::AliceBlue));
    o.append(memo(QStringLiteral("titSottoscritto"), 5, 186, 207,
                  QStringLiteral("Il sottoscritto:"), arial(12)));
    o.append(ReportObject::box(QStringLiteral("shpNomeRiv"), QRectF(5, 214, 181, 8),
                               reportcolor::White));
    o.append(memo(QStringLiteral("txtNomeRiv"), 7, 184, 215, QString(), arial(12)));
    o.append(memo(QStringLiteral("titAttesta"), 5, 189, 223,
                  QStringLiteral("in qualità di rivenditore, attesta l'avvenuto acquisto dei "
                                 "valori bollati sopra elencati."),
                  arial(12)));
    o.append(memo(QStringLiteral("titFirma"), 100, 186, 236,
                  QStringLiteral("FIRMA DEL RIVENDITORE:"), arial(9), kCentre));
    o.append(ReportObject::line(QStringLiteral("linFirma"), QPointF(100, 253), QPointF(186, 253)));

    o.append(ReportObject::box(QStringLiteral("shpEsenzione"), QRectF(1, 268, 189, 6),
                               reportcolor::Beige));
    o.append(ReportObject::memo(
        QStringLiteral("titEsenzione"), QRectF(2, 268, 187, 6),
        QStringLiteral("Esente da IVA ai sensi dell'art. 2, comma 3, del D.P.R. 26 ottobre "
                       "1972, n. 633 e successive modifiche."),
        arial(8), kMiddleLeft));
}
} // namespace

Report design() {
    Report report;
    report.page.orientation = PageSetup::Orientation::Portrait;
    Band page{QStringLiteral("Pagina"), report.page.printableSize().height(), false, {}};
    addHeader(page.objects);
    addLines(page.objects);
    addFooter(page.objects);
    report.bands = {page};
    return report;
}

void fill(Report& page, const Ricevuta& r) {
    page.page.orientation = PageSetup::Orientation::Portrait;
    const auto set = [&page](const QString& name, const QString& value) {
        page.setMemoText(name, text::trimmed(value));
    };
    page.setMemoText(u"txtNumRic", QStringLiteral("VELLARMO N. ") + text::trimmed(r.numRic));
    page.setMemoText(u"txtData", QStringLiteral("Data emissione:  ") + text::trimmed(r.data));
    set(QStringLiteral("txtPagamento"), r.pagamento);
    set(QStringLiteral("txtNomeRiv"), r.nomeRiv);
    for (int i = 0; i < Ricevuta::kPartyLines; ++i) {
        set(QStringLiteral("txtRivRigo") + two(i + 1), r.rivRigo[i]);
        set(QStringLiteral("txtAcqRigo") + two(i + 1), r.acqRigo[i]);
    }
    for (int k = 0; k < Ricevuta::kLines; ++k) {
        const QString s = two(k + 1);
        set(QStringLiteral("txtQuant") + s, r.quant[k]);
        set(QStringLiteral("txtDescrizione") + s, r.descrizione[k]);
        set(QStringLiteral("txtUnitario") + s, r.unitario[k]);
        set(QStringLiteral("txtImporto") + s, r.importo[k]);
    }
    set(QStringLiteral("txtTotale"), r.totale);
}

Report filled(const Ricevuta& ricevuta) {
    Report page = design();
    fill(page, ricevuta);
    return page;
}

} // namespace distintapage
