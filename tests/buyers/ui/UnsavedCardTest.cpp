#include "AnagraficaFixture.h"
#include "widgets/ResultList.h"

#include <QPushButton>
#include <functional>

namespace {

using Answer = MessageBoxes::Answer;

// Double-clicks the first line of a buyer list dialog, after a search when
// the dialog has one.
int chooseFirstLine(QDialog* d) {
    d->show();
    if (auto* cerca = d->findChild<QPushButton*>(QStringLiteral("btnCerca")))
        QTest::mouseClick(cerca, Qt::LeftButton);
    auto* list = d->findChild<ResultList*>(QStringLiteral("lstRecords"));
    const QPoint at = list->visualRect(list->rows().index(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    return d->result();
}

// Every way of leaving card 2 of 3, and where it leads when the card may go.
struct Way {
    const char* name;
    std::function<void(AnagraficaFixture&)> leave;
    const char* position; // after leaving; null when the screen is gone
};

const Way kWays[] = {
    {"Nuovo", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdNuovo")); }, ""},
    {"Duplica", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdDuplica")); }, ""},
    {"Prima", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdPrimo")); }, "1"},
    {"Precedente", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdIndietro")); }, "1"},
    {"Successiva", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdAvanti")); }, "3"},
    {"Ultima", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdUltimo")); }, "3"},
    {"Trova",
     [](AnagraficaFixture& f) {
         f.fake.dialogs.handlers = {chooseFirstLine};
         f.click(QStringLiteral("cmdTrova"));
     },
     "1"},
    {"Questioni",
     [](AnagraficaFixture& f) {
         f.fake.dialogs.handlers = {chooseFirstLine};
         f.click(QStringLiteral("cmdQuestioni"));
     },
     "1"},
    {"Esci", [](AnagraficaFixture& f) { f.click(QStringLiteral("cmdEsci")); }, nullptr},
    {"window frame", [](AnagraficaFixture& f) { f.editor.close(); }, nullptr},
};

// Card 2 of 3 on screen, its note typed over by the user.
void editCard2(AnagraficaFixture& f) {
    QList<SchedaAnagrafica> cards = numberedCards(3);
    cards[0].questioni = QStringLiteral("richiamare");
    writeBuyers(f.dir, cards);
    f.router.switchTo(MainScreen::Anagrafica, &f.avvio);
    f.click(QStringLiteral("cmdPrimo"));
    f.click(QStringLiteral("cmdAvanti"));
    QTest::keyClicks(f.field(QStringLiteral("txtNote")), QStringLiteral("modificata"));
}

QString storedNote(const AnagraficaFixture& f, int position) {
    return SchedaAnagrafica::decode(f.dir.readBytes(kBuyersArchiveFileName)
                                        .mid((position - 1) * SchedaAnagrafica::kRecordSize,
                                             SchedaAnagrafica::kRecordSize))
        .note;
}

TEST(UnsavedCard, EveryWayOfLeavingAnEditedCardAsks) {
    for (const Way& way : kWays) {
        for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
            AnagraficaFixture f;
            editCard2(f);
            f.fake.messages.threeWayAnswers = {answer};
            way.leave(f);
            const std::string what =
                std::string(way.name) + " answer " + std::to_string(static_cast<int>(answer));
            ASSERT_FALSE(f.messages().isEmpty()) << what;
            EXPECT_EQ(f.messages().first(), TfrmAnagrafica::kUnsavedQuestion) << what;
            EXPECT_EQ(f.fake.messages.shown.first().kind, FakeMessageBoxes::Shown::Question);
            EXPECT_EQ(storedNote(f, 2),
                      answer == Answer::Yes ? QStringLiteral("modificata") : QString())
                << what;
            if (answer == Answer::Cancel) {
                EXPECT_TRUE(f.editor.isVisible()) << what;
                EXPECT_EQ(f.position(), QStringLiteral("2")) << what;
                EXPECT_EQ(f.text(QStringLiteral("txtNote")), QStringLiteral("modificata"));
            } else if (way.position == nullptr) {
                EXPECT_FALSE(f.editor.isVisible()) << what;
                EXPECT_TRUE(f.avvio.isVisible()) << what;
            } else {
                EXPECT_EQ(f.position(), QString::fromLatin1(way.position)) << what;
            }
        }
    }
}

// The case the reseller met: No drops the edits and shows the previous card.
TEST(UnsavedCard, PrecedenteAfterAnEditAsksAndNoShowsThePreviousCard) {
    AnagraficaFixture f;
    editCard2(f);
    f.fake.messages.threeWayAnswers = {Answer::No};
    f.click(QStringLiteral("cmdIndietro"));
    EXPECT_EQ(f.messages(),
              QStringList(QStringLiteral("Salvare le modifiche apportate alla scheda corrente?")));
    EXPECT_EQ(f.position(), QStringLiteral("1"));
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Scheda 1"));
    EXPECT_EQ(f.text(QStringLiteral("txtNote")), QString());
    // Back on card 2, its stored note is what shows.
    f.click(QStringLiteral("cmdAvanti"));
    EXPECT_EQ(f.text(QStringLiteral("txtNote")), QString());
    EXPECT_EQ(f.messages().size(), 1);
}

TEST(UnsavedCard, ACardOnlyLookedAtAsksNothing) {
    AnagraficaFixture f;
    QList<SchedaAnagrafica> cards = numberedCards(3);
    cards[1].file[0] = QStringLiteral("doc.pdf");
    writeBuyers(f.dir, cards);
    f.router.switchTo(MainScreen::Anagrafica, &f.avvio);
    for (const char* command : {"cmdPrimo", "cmdAvanti", "cmdUltimo", "cmdIndietro", "cmdNuovo"})
        f.click(QString::fromLatin1(command));
    // A saved card is a card looked at.
    QTest::keyClicks(f.field(QStringLiteral("txtNome")), QStringLiteral("Nuova"));
    QTest::keyClicks(f.field(QStringLiteral("txtSesso")), QStringLiteral("f"));
    f.click(QStringLiteral("cmdSalva"));
    f.click(QStringLiteral("cmdDuplica"));
    f.click(QStringLiteral("cmdEsci"));
    EXPECT_EQ(f.messages(), QStringList({TfrmAnagrafica::kAppended, TfrmAnagrafica::kDuplicated}));
    EXPECT_FALSE(f.editor.isVisible());
}

// Sì with a card that cannot be stored: the warning, and the card stays
// with its edits.
TEST(UnsavedCard, YesWithARefusedSaveStays) {
    AnagraficaFixture f;
    writeBuyers(f.dir, numberedCards(1));
    f.router.switchTo(MainScreen::Anagrafica, &f.avvio);
    QTest::keyClicks(f.field(QStringLiteral("txtNote")), QStringLiteral("senza nome"));
    f.fake.messages.threeWayAnswers = {Answer::Yes};
    f.click(QStringLiteral("cmdPrimo"));
    EXPECT_EQ(f.messages(),
              QStringList({TfrmAnagrafica::kUnsavedQuestion,
                           QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                          "indicare il nome.")}));
    EXPECT_EQ(f.position(), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtNote")), QStringLiteral("senza nome"));
    EXPECT_EQ(f.dir.readBytes(kBuyersArchiveFileName).size(), SchedaAnagrafica::kRecordSize);
}

} // namespace
