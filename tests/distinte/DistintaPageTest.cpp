#include "distinte/DistintaPage.h"

#include "output/PreparedReport.h"
#include "support/DistintaBuilder.h"

#include <gtest/gtest.h>

namespace {

Ricevuta sample() {
    return DistintaBuilder(QStringLiteral(" 15 "))
        .date(QStringLiteral("03/04/2023\t"))
        .reseller(QStringLiteral("Tabaccheria Rossi"),
                  {QStringLiteral("TABACCHERIA ROSSI"), QStringLiteral("di Mario Rossi"),
                   QStringLiteral("Via Roma 12"), QStringLiteral("00100 Roma"),
                   QStringLiteral("P.IVA 01234567890")})
        .payment(QStringLiteral("Contanti"))
        .buyer({QStringLiteral("Studio [Bianchi]"), QStringLiteral("Via Milano 3"),
                QStringLiteral("20100 Milano"), QStringLiteral("{cliente}")})
        .line(0, QStringLiteral("2"), QStringLiteral("Marca da bollo da 16,00 euro"),
              QStringLiteral("16,00"), QStringLiteral("32,00"))
        .line(9, QString(), QString(), QStringLiteral("0,00"))
        .total(QStringLiteral("32,00"));
}

struct MemoCase {
    const char* name;
    QString text;
    QRectF rect;
    ReportFont font;
    Qt::Alignment align;
};

ReportFont arial(double size, bool bold = false, bool italic = false) {
    return ReportFont{QStringLiteral("Arial"), size, bold, italic};
}

TEST(DistintaPage, EveryFieldGoesToItsPlaceTrimmedAndAsTyped) {
    const Report page = distintapage::filled(sample());
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    const MemoCase cases[] = {
        {"txtNumRic",
         QStringLiteral("VELLARMO N. 15"),
         {83, 3.2, 106, 4.5},
         arial(9, true),
         centre},
        {"txtData",
         QStringLiteral("Data emissione:  03/04/2023"),
         {83, 9, 106, 4.5},
         arial(9),
         centre},
        {"txtRivRigo01",
         QStringLiteral("TABACCHERIA ROSSI"),
         {1, 42, 80, 4.5},
         arial(9, true),
         left},
        {"txtRivRigo02", QStringLiteral("di Mario Rossi"), {1, 47, 80, 4.5}, arial(9, true), left},
        {"txtRivRigo05", QStringLiteral("P.IVA 01234567890"), {1, 62, 80, 4}, arial(8), left},
        {"txtAcqRigo01", QStringLiteral("Studio [Bianchi]"), {85, 27, 102, 4}, arial(8), left},
        {"txtAcqRigo04", QStringLiteral("{cliente}"), {85, 42, 102, 4}, arial(8), left},
        {"txtAcqRigo05", QString(), {85, 47, 102, 4}, arial(8), left},
        {"txtPagamento", QStringLiteral("Contanti"), {85, 62, 102, 4}, arial(8), left},
        {"txtQuant01", QStringLiteral("2"), {2, 83, 18.8, 4}, arial(8), centre},
        {"txtDescrizione01",
         QStringLiteral("Marca da bollo da 16,00 euro"),
         {24, 83, 90.8, 4},
         arial(8),
         left},
        {"txtUnitario01", QStringLiteral("16,00"), {119, 83, 32, 4}, arial(8), right},
        {"txtImporto01", QStringLiteral("32,00"), {155, 83, 32, 4}, arial(8), right},
        {"txtQuant10", QString(), {2, 146, 18.8, 4}, arial(8), centre},
        {"txtUnitario10", QStringLiteral("0,00"), {119, 146, 32, 4}, arial(8), right},
        {"txtTotale",
         QStringLiteral("32,00"),
         {153, 155, 34, 9},
         arial(12, true),
         Qt::AlignRight | Qt::AlignVCenter},
        {"txtNomeRiv", QStringLiteral("Tabaccheria Rossi"), {7, 215, 177, 6}, arial(12), left},
        {"titAcquirente",
         QStringLiteral("DATI ACQUIRENTE"),
         {83, 17, 106, 5.8},
         arial(9, true),
         Qt::AlignCenter},
        {"titPagamento",
         QStringLiteral("MODALITA' DI PAGAMENTO:"),
         {83, 56.4, 106, 4},
         arial(8, true),
         left},
        {"titBollo01", QStringLiteral("BOLLO VIGENTE"), {1, 170, 55, 4}, arial(8), centre},
        {"titBollo02", QStringLiteral("(OVE RICHIESTO)"), {1, 175, 55, 4}, arial(8), centre},
        {"titCustodia03",
         QStringLiteral("secondo le norme del Codice civile."),
         {60, 186, 129, 6},
         arial(12, false, true),
         centre},
        {"titSottoscritto", QStringLiteral("Il sottoscritto:"), {5, 207, 181, 6}, arial(12), left},
        {"titFirma",
         QStringLiteral("FIRMA DEL RIVENDITORE:"),
         {100, 236, 86, 4.5},
         arial(9),
         centre},
    };
    for (const MemoCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportObject* memo = page.findObject(QString::fromLatin1(c.name));
        ASSERT_TRUE(memo);
        EXPECT_EQ(memo->kind, ReportObject::Kind::Memo);
        EXPECT_EQ(memo->text(), c.text);
        EXPECT_EQ(memo->rect, c.rect);
        EXPECT_EQ(memo->font, c.font);
        EXPECT_EQ(memo->alignment, c.align);
    }
}

TEST(DistintaPage, ColumnTitlesCentredInTheirColumns) {
    const Report page = distintapage::design();
    const struct {
        const char* text;
        double from, to;
    } columns[] = {{"Q.TA'", 2, 20.8},
                   {"DESCRIZIONE", 23, 115.8},
                   {"VALORE UNITARIO", 118, 152},
                   {"IMPORTO", 154, 188}};
    for (int i = 0; i < 4; ++i) {
        const ReportObject* t = page.findObject(QStringLiteral("titColonna0%1").arg(i + 1));
        ASSERT_TRUE(t);
        EXPECT_EQ(t->text(), QString::fromLatin1(columns[i].text));
        EXPECT_DOUBLE_EQ(t->rect.left(), columns[i].from);
        EXPECT_DOUBLE_EQ(t->rect.right(), columns[i].to);
        EXPECT_EQ(t->font, arial(9, true));
        EXPECT_TRUE(t->alignment & Qt::AlignHCenter);
    }
}

TEST(DistintaPage, BoxesRulesAndFixedTexts) {
    const Report page = distintapage::design();
    const struct {
        const char* name;
        QRectF rect;
        quint32 fill;
    } boxes[] = {
        {"shpNumero", {83, 1, 106, 14}, reportcolor::Beige},
        {"shpTitAcquirente", {83, 17, 106, 5.8}, reportcolor::AliceBlue},
        {"shpAcquirente", {83, 23, 106, 32}, reportcolor::White},
        {"shpPagamento", {83, 61, 106, 6}, reportcolor::Beige},
        {"shpTitRighe", {1, 75, 188, 5.8}, reportcolor::AliceBlue},
        {"shpRighe", {1, 81, 188, 71}, reportcolor::White},
        {"shpTotale", {117, 155, 72, 9}, reportcolor::Beige},
        {"shpBollo", {1, 155, 55, 40}, reportcolor::White},
        {"shpDichiarazione", {1, 203, 189, 57}, reportcolor::AliceBlue},
        {"shpNomeRiv", {5, 214, 181, 8}, reportcolor::White},
        {"shpEsenzione", {1, 268, 189, 6}, reportcolor::Beige},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.name);
        const ReportObject* box = page.findObject(QString::fromLatin1(b.name));
        ASSERT_TRUE(box);
        EXPECT_EQ(box->kind, ReportObject::Kind::Box);
        EXPECT_EQ(box->rect, b.rect);
        EXPECT_EQ(box->fillColor, b.fill);
        EXPECT_TRUE(box->outline);
    }
    const struct {
        const char* name;
        QPointF from, to;
    } rules[] = {{"linColonna01", {22, 75}, {22, 152}},
                 {"linColonna02", {117, 75}, {117, 152}},
                 {"linColonna03", {153, 75}, {153, 152}},
                 {"linFirma", {100, 253}, {186, 253}}};
    for (const auto& l : rules) {
        const ReportObject* line = page.findObject(QString::fromLatin1(l.name));
        ASSERT_TRUE(line);
        EXPECT_EQ(line->rect.topLeft(), l.from);
        EXPECT_EQ(line->rect.bottomRight(), l.to);
    }
    const ReportObject* logo = page.findObject(u"IMGLOGO");
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->kind, ReportObject::Kind::Picture);
    EXPECT_EQ(logo->rect, QRectF(1, 1, 80, 38));

    EXPECT_EQ(page.findObject(u"titAttesta")->text(),
              QStringLiteral("in qualità di rivenditore, attesta l'avvenuto acquisto dei valori "
                             "bollati sopra elencati."));
    EXPECT_EQ(page.findObject(u"titEsenzione")->text(),
              QStringLiteral("Esente da IVA ai sensi dell'art. 2, comma 3, del D.P.R. 26 ottobre "
                             "1972, n. 633 e successive modifiche."));
    EXPECT_EQ(page.findObject(u"titCustodia01")->text(),
              QStringLiteral("La presente distinta deve essere acquisita agli atti"));
    EXPECT_EQ(page.findObject(u"titTotale")->text(), QStringLiteral("TOTALE :"));
}

TEST(DistintaPage, EmptyDistintaKeepsTheFixedTextsAndIsOneA4Page) {
    const Report page = distintapage::filled(Ricevuta{});
    EXPECT_EQ(page.findObject(u"txtNumRic")->text(), QStringLiteral("VELLARMO N. "));
    EXPECT_EQ(page.findObject(u"txtData")->text(), QStringLiteral("Data emissione:  "));
    EXPECT_EQ(page.page.orientation, PageSetup::Orientation::Portrait);
    EXPECT_EQ(page.page.paperSize(), QSizeF(210, 297));

    const PreparedReport prepared = prepareReport(page);
    ASSERT_EQ(prepared.pages.size(), 1);
    const QSizeF printable = page.page.printableSize();
    for (const ReportObject& o : prepared.pages[0].objects) {
        SCOPED_TRACE(o.name.toStdString());
        EXPECT_GE(o.rect.left(), 0);
        EXPECT_GE(o.rect.top(), 0);
        EXPECT_LE(o.rect.right(), printable.width());
        EXPECT_LE(o.rect.bottom(), printable.height());
    }
}

TEST(ReportPicture, FitsItsAreaKeepingProportionsAtTheTopLeft) {
    ReportObject logo = ReportObject::image(QStringLiteral("imgLogo"), QRectF(1, 1, 80, 38));
    const struct {
        QSize pixels;
        QRectF expected;
    } cases[] = {
        {{600, 200}, {1, 1, 80, 80.0 / 3}},         // wide: full width
        {{297, 184}, {1, 1, 38 * 297.0 / 184, 38}}, // the default picture: full height
        {{2, 2}, {1, 1, 38, 38}},
    };
    for (const auto& c : cases) {
        logo.picture.pixels = c.pixels;
        const QRectF r = logo.fittedPictureRect();
        EXPECT_DOUBLE_EQ(r.left(), c.expected.left());
        EXPECT_DOUBLE_EQ(r.top(), c.expected.top());
        EXPECT_DOUBLE_EQ(r.width(), c.expected.width());
        EXPECT_DOUBLE_EQ(r.height(), c.expected.height());
        EXPECT_NEAR(r.width() / r.height(), double(c.pixels.width()) / c.pixels.height(), 1e-9);
    }
}

} // namespace
