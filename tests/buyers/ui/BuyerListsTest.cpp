#include "AnagraficaFixture.h"
#include "buyers/BuyerLines.h"
#include "buyers/ui/BuyerListPanel.h"
#include "buyers/ui/TfrmQuestioni.h"
#include "buyers/ui/TfrmTrovaAnagrafica.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "support/Unprivileged.h"
#include "widgets/ResultList.h"

#include <QPushButton>
#include <QStackedWidget>

namespace {

ResultList* listOf(QDialog* d) {
    return d->findChild<ResultList*>(QStringLiteral("lstRecords"));
}

void clickButton(QDialog* d, const char* name) {
    QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

void doubleClickRow(QDialog* d, int row) {
    ResultList* list = listOf(d);
    const QPoint at = list->visualRect(list->rows().index(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList shownLines(QDialog* d) {
    return listOf(d)->rows().lines();
}

// Search from the buyer editor: the criteria, the sorted list and its count,
// and the card behind the double-clicked line on the editor.
TEST(TfrmTrovaAnagrafica, FindsByCriteriaAndOpensTheChosenCard) {
    AnagraficaFixture f;
    SchedaAnagrafica romano = buyerCard(QStringLiteral("Mario Rossi"), QStringLiteral("Roma"));
    SchedaAnagrafica napoletano =
        buyerCard(QStringLiteral("Mario Rossi"), QStringLiteral("Napoli"));
    napoletano.note = QStringLiteral("Napoli centro");
    writeBuyers(f.dir, {romano, buyerCard(QStringLiteral("Anna Bianchi"), QStringLiteral("Napoli")),
                        napoletano});
    f.editor.show();
    f.fake.dialogs.handlers = {[&](QDialog* d) {
        d->show();
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova dati anagrafici in archivio"));
        EXPECT_EQ(d->focusWidget()->objectName(), QStringLiteral("txtNome"));
        d->findChild<QLineEdit*>(QStringLiteral("txtNome"))->setText(QStringLiteral("ross"));
        d->findChild<QLineEdit*>(QStringLiteral("txtLocalita"))->setText(QStringLiteral("nap"));
        clickButton(d, "btnCerca");
        EXPECT_EQ(d->findChild<QStackedWidget*>()->currentWidget()->objectName(),
                  QStringLiteral("panContainer"));
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
                  QStringLiteral("Il presente riepilogo contiene 1 schede"));
        EXPECT_EQ(shownLines(d), QStringList{buyerlines::summaryLine(napoletano)});
        EXPECT_EQ(d->focusWidget()->objectName(), QStringLiteral("txtTrova"));
        doubleClickRow(d, 0);
        return d->result();
    }};
    f.click(QStringLiteral("cmdTrova"));
    EXPECT_EQ(f.position(), QStringLiteral("3"));
    EXPECT_EQ(f.text(QStringLiteral("txtNote")), QStringLiteral("Napoli centro"));
}

// Two cards whose lines coincide: the one double-clicked is the one opened
// and then saved over, not the last look-alike in the file.
TEST(TfrmTrovaAnagrafica, EqualLinesOpenTheCardDoubleClicked) {
    AnagraficaFixture f;
    const QString name = QStringLiteral("Giuseppe Maria Alessandro Ve");
    SchedaAnagrafica first = buyerCard(name + QStringLiteral("rdi"));
    SchedaAnagrafica second = buyerCard(name + QStringLiteral("rdone"));
    writeBuyers(f.dir, {first, second});
    f.editor.show();
    for (const int row : {0, 1}) {
        f.fake.dialogs.handlers = {[&](QDialog* d) {
            d->show();
            clickButton(d, "btnCerca");
            const QStringList lines = shownLines(d);
            EXPECT_EQ(lines.size(), 2);
            EXPECT_EQ(lines.value(0), lines.value(1));
            doubleClickRow(d, row);
            return d->result();
        }};
        f.click(QStringLiteral("cmdTrova"));
        EXPECT_EQ(f.position(), QString::number(row + 1));
        EXPECT_EQ(f.text(QStringLiteral("txtNome")), row == 0 ? first.nome : second.nome);
    }
}

TEST(TfrmTrovaAnagrafica, TrovaWrapsRoundAndStampaPrintsTheList) {
    REQUIRE_TOOL("pdftotext");
    TestFolder dir;
    writeBuyers(dir,
                {buyerCard(QStringLiteral("Rossi Mario")), buyerCard(QStringLiteral("Bianchi")),
                 buyerCard(QStringLiteral("Rossi Luca"))});
    const QString pdf = dir.file(QStringLiteral("lista.pdf"));
    PrintingServices s(dir.folder(), pdf);
    TfrmTrovaAnagrafica dialog(s.services, nullptr);
    dialog.show();
    clickButton(&dialog, "btnCerca");
    EXPECT_EQ(listOf(&dialog)->rows().at(1).text.left(11), QStringLiteral("Rossi Luca "));
    dialog.findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setText(QStringLiteral("ROSSI"));
    QList<qsizetype> selected;
    for (int press = 0; press < 3; ++press) {
        clickButton(&dialog, "btnTrova");
        selected.append(listOf(&dialog)->selectedIndex());
    }
    EXPECT_EQ(selected, (QList<qsizetype>{1, 2, 1}));

    clickButton(&dialog, "btnStampa");
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral("Riepilogo dati anagrafici")));
    EXPECT_TRUE(text->contains(QStringLiteral("Rossi Mario")));
}

TEST(TfrmTrovaAnagrafica, DoubleClickHandsTheCardOverAndFailuresAreSaid) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    {
        // A double click hands the card over to the caller; the screen closes.
        writeBuyers(dir, {buyerCard(QStringLiteral("Rossi"))});
        TfrmTrovaAnagrafica dialog(fake.services, nullptr);
        dialog.show();
        clickButton(&dialog, "btnCerca");
        doubleClickRow(&dialog, 0);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.chosen());
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        // An empty result list: Trova says so.
        TfrmTrovaAnagrafica dialog(fake.services, nullptr);
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("txtNome"))->setText(QStringLiteral("zzz"));
        clickButton(&dialog, "btnCerca");
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
                  QStringLiteral("Il presente riepilogo contiene 0 schede"));
        clickButton(&dialog, "btnTrova");
        EXPECT_EQ(fake.messages.texts(),
                  QStringList(QStringLiteral(
                      "Ricerca non applicabile: la lista non contiene nessuna voce.")));
    }
    fake.messages.shown.clear();
    QFile::remove(dir.file(kBuyersArchiveFileName));
    {
        // An archive that can be neither read nor created: a plain message,
        // and the criteria stay on screen.
        TfrmTrovaAnagrafica dialog(fake.services, nullptr);
        dialog.show();
        ReadOnlyScope readOnly({dir.path()});
        clickButton(&dialog, "btnCerca");
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Message);
        EXPECT_EQ(fake.messages.shown[0].text, TfrmAnagrafica::kAccessFailure);
        EXPECT_EQ(dialog.findChild<QStackedWidget*>()->currentWidget()->objectName(),
                  QStringLiteral("panAvvio"));
    }
}

// The pending list from the editor: sorted lines of the cards with
// questions; card 5 double-clicked is shown and saved over as card 5; its
// questions cleared, it leaves the list.
TEST(TfrmQuestioni, ListsPendingCardsAndOpensTheOneChosen) {
    AnagraficaFixture f;
    QList<SchedaAnagrafica> cards = numberedCards(6);
    cards[1].questioni = QStringLiteral("Richiamare");
    cards[4].questioni = QStringLiteral("Attende i francobolli");
    writeBuyers(f.dir, cards);
    f.editor.show();
    f.fake.dialogs.handlers = {[&](QDialog* d) {
        d->show();
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Riepilogo questioni in sospeso"));
        EXPECT_EQ(shownLines(d), QStringList({buyerlines::questionsLine(cards[1]),
                                              buyerlines::questionsLine(cards[4])}));
        EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("lblTrovate")), nullptr);
        doubleClickRow(d, 1);
        return d->result();
    }};
    f.click(QStringLiteral("cmdQuestioni"));
    EXPECT_EQ(f.position(), QStringLiteral("5"));
    EXPECT_EQ(f.text(QStringLiteral("txtQuestioni")), QStringLiteral("Attende i francobolli"));

    f.field(QStringLiteral("txtQuestioni"))->clear();
    f.click(QStringLiteral("cmdSalva"));
    const QByteArray bytes = f.dir.readBytes(kBuyersArchiveFileName);
    ASSERT_EQ(bytes.size(), 6 * 3831);
    EXPECT_EQ(SchedaAnagrafica::decode(bytes.mid(4 * 3831, 3831)).questioni, QString());

    f.fake.dialogs.handlers = {[&](QDialog* d) {
        d->show();
        EXPECT_EQ(shownLines(d), QStringList{buyerlines::questionsLine(cards[1])});
        clickButton(d, "btnChiudi");
        return d->result();
    }};
    f.click(QStringLiteral("cmdQuestioni"));
    EXPECT_EQ(f.position(), QStringLiteral("5"));
}

TEST(TfrmQuestioni, UnreadableArchiveIsSaidAfterTheRows) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    TfrmQuestioni dialog(fake.services, nullptr);
    ReadOnlyScope readOnly({dir.path()});
    dialog.show();
    EXPECT_TRUE(listOf(&dialog)->rows().isEmpty());
    EXPECT_EQ(fake.messages.texts(), QStringList{TfrmAnagrafica::kAccessFailure});
}

} // namespace
