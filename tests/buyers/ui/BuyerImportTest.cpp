#include "../BuyerCards.h"
#include "distinte/ui/TfrmRicevute.h"
#include "support/FakeServices.h"
#include "widgets/ResultList.h"
#include "widgets/ScreenRouter.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The distinta editor's buyer import writes the five buyer lines, joins kept
// around empty fields, and nothing else of the distinta.
TEST(BuyerImport, ChosenBuyerFillsTheDistintaBuyerLines) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    SchedaAnagrafica card = buyerCard(QStringLiteral("Mario Rossi"), QStringLiteral("Napoli"));
    card.indirizzo = QStringLiteral("Via Roma");
    card.num = QStringLiteral("12");
    card.cap = {QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                QStringLiteral("1")};
    card.prov = {QStringLiteral("N"), QStringLiteral("A")};
    card.partitaIva = QStringLiteral("00743110157");
    writeBuyers(dir, {card});

    ScreenRouter router;
    TfrmRicevute editor(fake.services, router);
    editor.openYear(QStringLiteral("2024"));
    editor.show();
    const auto field = [&editor](int line) {
        return editor.findChild<QLineEdit*>(QStringLiteral("txtAcqRigo0%1").arg(line));
    };
    field(4)->setText(QStringLiteral("da sostituire"));
    editor.findChild<QLineEdit*>(QStringLiteral("txtNumRic"))->setText(QStringLiteral("5"));
    fake.dialogs.handlers = {[](QDialog* d) {
        d->show();
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
        auto* list = d->findChild<ResultList*>(QStringLiteral("lstRecords"));
        const QPoint at = list->visualRect(list->rows().index(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        return d->result();
    }};
    QTest::mouseClick(editor.findChild<QAbstractButton*>(QStringLiteral("impCliente")),
                      Qt::LeftButton);

    EXPECT_EQ(fake.dialogs.opened, QStringList(QStringLiteral("TfrmTrovaAnagrafica")));
    const QStringList expected = {QStringLiteral("Mario Rossi"), QStringLiteral("Via Roma 12"),
                                  QStringLiteral("80121 Napoli NA"), QStringLiteral("C.F. "),
                                  QStringLiteral("P.I. 00743110157")};
    for (int line = 1; line <= 5; ++line)
        EXPECT_EQ(field(line)->text(), expected[line - 1]) << line;
    EXPECT_EQ(editor.findChild<QLineEdit*>(QStringLiteral("txtNumRic"))->text(),
              QStringLiteral("5"));
}

} // namespace
