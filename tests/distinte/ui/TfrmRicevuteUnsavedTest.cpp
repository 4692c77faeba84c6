// An edited distinta is never dropped without a question, and a distinta is
// never stored unnoticed in the wrong year or under a number already given.

#include "ListScreenFixture.h"
#include "common/Dates.h"
#include "support/ActiveWindow.h"
#include "support/TariffPick.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"

#include <QCalendarWidget>
#include <functional>

namespace {

using Answer = MessageBoxes::Answer;

// The distinte stored in the 2024 archive, in order.
QList<Ricevuta> storedRecords(const TestFolder& dir) {
    const QByteArray bytes = dir.readBytes(QStringLiteral("2024.ric"));
    QList<Ricevuta> out;
    for (qsizetype at = 0; at + Ricevuta::kRecordSize <= bytes.size(); at += Ricevuta::kRecordSize)
        out.append(Ricevuta::decode(QByteArrayView(bytes).sliced(at, Ricevuta::kRecordSize)));
    return out;
}

const QString kQuestion = QStringLiteral("Salvare le modifiche apportate alla distinta corrente?");

// The editor shown from the menu on distinte 1, 2 and 3, with distinta 2 on
// screen.
struct OnDistintaTwo : ListScreenFixture {
    OnDistintaTwo() {
        store({storedDistinta(QStringLiteral("1")), storedDistinta(QStringLiteral("2")),
               storedDistinta(QStringLiteral("3"))});
        router.switchTo(MainScreen::Ricevute, &avvio);
        showActive(&editor);
        click(QStringLiteral("cmdAvanti"));
        click(QStringLiteral("cmdAvanti"));
    }

    // The payment as the user types it.
    void typePayment(const QString& text) {
        QLineEdit* payment = field(QStringLiteral("txtPagamento"));
        payment->setFocus();
        QTest::keyClicks(payment, text);
    }

    Ricevuta stored(int position) const { return storedRecords(dir).value(position - 1); }
};

// How each command that leaves the distinta on screen is given, and what it
// shows once it has gone ahead.
struct Command {
    const char* name;
    std::function<void(OnDistintaTwo&)> run;
    const char* position; // lblPosizione after the command; null when it closes the editor
    const char* number;
};

const Command kCommands[] = {
    {"cmdNuovo", [](OnDistintaTwo& f) { f.click(QStringLiteral("cmdNuovo")); }, "", "4"},
    {"cmdPrimo", [](OnDistintaTwo& f) { f.click(QStringLiteral("cmdPrimo")); }, "1", "1"},
    {"cmdIndietro", [](OnDistintaTwo& f) { f.click(QStringLiteral("cmdIndietro")); }, "1", "1"},
    {"cmdAvanti", [](OnDistintaTwo& f) { f.click(QStringLiteral("cmdAvanti")); }, "3", "3"},
    {"cmdUltimo", [](OnDistintaTwo& f) { f.click(QStringLiteral("cmdUltimo")); }, "3", "3"},
    {"search",
     [](OnDistintaTwo& f) {
         f.run("cmdTrova", [](const ListScreenFixture::Screen& s) {
             s.click("btnCerca");
             s.doubleClickRow(2);
         });
     },
     "3", "3"},
    {"cmdEsci", [](OnDistintaTwo& f) { f.click(QStringLiteral("cmdEsci")); }, nullptr, nullptr},
};

} // namespace

// Sì stores the edit and goes on, No drops it and goes on, Annulla stays on
// the edited distinta; every command that would leave it asks the same.
TEST(TfrmRicevuteUnsaved, EveryWayOutOfAnEditedDistintaAsksFirst) {
    for (const Command& command : kCommands) {
        for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
            SCOPED_TRACE(std::string(command.name) + " answered " + std::to_string(int(answer)));
            OnDistintaTwo f;
            const Ricevuta before = f.stored(2);
            f.typePayment(QStringLiteral("Bonifico"));
            f.fake.messages.threeWayAnswers = {answer};

            command.run(f);

            QStringList expected{kQuestion};
            if (answer == Answer::Yes)
                expected.append(TfrmRicevute::kRewritten);
            EXPECT_EQ(f.messages(), expected);
            EXPECT_EQ(f.fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Question);
            EXPECT_EQ(f.stored(2).pagamento,
                      answer == Answer::Yes ? QStringLiteral("Bonifico") : before.pagamento);
            if (answer == Answer::Cancel) {
                EXPECT_TRUE(f.editor.isVisible());
                EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
                EXPECT_EQ(f.text(QStringLiteral("txtPagamento")), QStringLiteral("Bonifico"));
                continue;
            }
            if (command.position == nullptr) {
                EXPECT_FALSE(f.editor.isVisible());
                EXPECT_TRUE(f.avvio.isVisible());
                continue;
            }
            EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(),
                      QString::fromLatin1(command.position));
            EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QString::fromLatin1(command.number));
        }
    }
}

// Looking through the archive, computing the total, walking the fields and
// leaving the editor changes nothing the user would lose: nothing is asked.
TEST(TfrmRicevuteUnsaved, ADistintaOnlyLookedAtAsksNothing) {
    OnDistintaTwo f;
    for (const char* command : {"cmdPrimo", "cmdUltimo", "cmdIndietro", "btnTotale"})
        f.click(QString::fromLatin1(command));
    f.field(QStringLiteral("txtUnitario01"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // left: normalised
    f.run("cmdDaSaldare", [](const ListScreenFixture::Screen& s) { s.doubleClickRow(0); });
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    f.click(QStringLiteral("cmdNuovo"));
    f.click(QStringLiteral("cmdAvanti"));
    f.click(QStringLiteral("cmdNuovo"));
    f.click(QStringLiteral("cmdEsci"));

    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_FALSE(f.editor.isVisible());
}

// Every kind of change the user makes counts, those brought in by the
// import dialogs and the date commands included.
TEST(TfrmRicevuteUnsaved, EveryKindOfUserChangeCountsAsAnEdit) {
    const struct {
        const char* change;
        std::function<void(OnDistintaTwo&)> make;
    } cases[] = {
        {"typing", [](OnDistintaTwo& f) { f.typePayment(QStringLiteral("x")); }},
        {"paid box", [](OnDistintaTwo& f) { f.click(QStringLiteral("chkSaldato")); }},
        {"date deleted",
         [](OnDistintaTwo& f) {
             f.field(QStringLiteral("txtData"))->setFocus();
             QTest::keyClick(f.field(QStringLiteral("txtData")), Qt::Key_Delete);
         }},
        {"today's date", [](OnDistintaTwo& f) { f.click(QStringLiteral("impData")); }},
        {"calendar",
         [](OnDistintaTwo& f) {
             f.fake.dialogs.handlers.append([](QDialog* dialog) {
                 dialog->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2024, 3, 5));
                 return int(QDialog::Accepted);
             });
             f.field(QStringLiteral("txtData"))->setFocus();
             QTest::keyClick(f.field(QStringLiteral("txtData")), Qt::Key_X);
         }},
        {"tariff import",
         [](OnDistintaTwo& f) {
             ASSERT_TRUE(tariff::writeTariffFile(f.dir.file(tariff::tariffFileName()),
                                                 {tariff::makeEntry(u"Cartolina", u"0,95")})
                             .ok);
             f.fake.dialogs.handlers.append(
                 [](QDialog* dialog) { return importTariffRow(dialog, 0); });
             f.click(QStringLiteral("impBollato02"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        OnDistintaTwo f;
        c.make(f);
        f.click(QStringLiteral("cmdEsci")); // answered Annulla
        EXPECT_EQ(f.messages(), QStringList{kQuestion});
        EXPECT_TRUE(f.editor.isVisible());
    }
}

// Sì with a distinta that cannot be saved shows why and stays on it.
TEST(TfrmRicevuteUnsaved, YesWithAFailedSaveStays) {
    OnDistintaTwo f;
    f.click(QStringLiteral("cmdNuovo"));
    QTest::keyClicks(f.field(QStringLiteral("txtDescrizione01")), QStringLiteral("Bollo"));
    f.fake.messages.threeWayAnswers = {Answer::Yes};
    f.click(QStringLiteral("cmdEsci"));

    EXPECT_EQ(f.messages(),
              QStringList({kQuestion, QStringLiteral("Attenzione: per salvare la scheda è "
                                                     "necessario indicare il nome o la ragione "
                                                     "sociale dell'acquirente.")}));
    EXPECT_TRUE(f.editor.isVisible());
    EXPECT_EQ(f.text(QStringLiteral("txtDescrizione01")), QStringLiteral("Bollo"));
    EXPECT_EQ(storedRecords(f.dir).size(), 3);
}

// Going to the distinta that Sì has just stored shows it as stored, not as
// it was read before the save.
TEST(TfrmRicevuteUnsaved, SavingOnTheWayToTheSameDistintaKeepsTheSavedTexts) {
    OnDistintaTwo f;
    f.click(QStringLiteral("cmdPrimo"));
    f.typePayment(QStringLiteral("Contanti"));
    f.fake.messages.threeWayAnswers = {Answer::Yes};
    f.click(QStringLiteral("cmdPrimo"));

    EXPECT_EQ(f.messages(), QStringList({kQuestion, TfrmRicevute::kRewritten}));
    EXPECT_EQ(f.text(QStringLiteral("txtPagamento")), QStringLiteral("Contanti"));
    EXPECT_EQ(f.stored(1).pagamento, QStringLiteral("Contanti"));
    // Stored now: leaving asks nothing more.
    f.click(QStringLiteral("cmdAvanti"));
    EXPECT_EQ(f.messages().size(), 2);
}

// Save asks before storing a date of another year or a number another
// distinta already has, and stores only on Sì; the distinta rewritten at its
// own position is no duplicate of itself.
TEST(TfrmRicevuteUnsaved, AnotherYearOrAUsedNumberIsStoredOnlyWhenConfirmed) {
    const QString otherYear = QStringLiteral(
        "Attenzione: la data della distinta (%1) non appartiene all'anno 2024 dell'archivio "
        "aperto.\n\r\n\rSalvare comunque la distinta nell'archivio dell'anno 2024?");
    const QString usedNumber = QStringLiteral(
        "Attenzione: il numero 2 è già stato assegnato a un'altra distinta di questo "
        "archivio.\n\r\n\rSalvare comunque la distinta con lo stesso numero?");
    const struct {
        const char* name;
        std::function<void(OnDistintaTwo&)> fill;
        QString question;
    } cases[] = {
        // "Nuovo" proposes today, which is not in 2024.
        {"today in the 2024 archive",
         [](OnDistintaTwo& f) {
             f.click(QStringLiteral("cmdNuovo"));
             f.field(QStringLiteral("txtAcqRigo01"))->setText(QStringLiteral("Mario Bianchi"));
             f.field(QStringLiteral("txtDescrizione01"))->setText(QStringLiteral("Bollo"));
             f.field(QStringLiteral("txtUnitario01"))->setText(QStringLiteral("16,00"));
         },
         otherYear.arg(dates::todayText())},
        {"number of distinta 2",
         [](OnDistintaTwo& f) {
             f.click(QStringLiteral("cmdNuovo"));
             f.fillRequired();
             f.field(QStringLiteral("txtNumRic"))->setText(QStringLiteral("2"));
         },
         usedNumber},
    };
    for (const auto& c : cases) {
        for (const bool yes : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (yes ? " answered Sì" : " answered No"));
            OnDistintaTwo f;
            c.fill(f);
            f.fake.messages.answers = {yes};
            f.click(QStringLiteral("cmdSalva"));

            const QList<Ricevuta> stored = storedRecords(f.dir);
            if (yes) {
                EXPECT_EQ(f.messages(), QStringList({c.question, TfrmRicevute::kAppended}));
                EXPECT_EQ(stored.size(), 4);
                EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("4"));
            } else {
                EXPECT_EQ(f.messages(), QStringList{c.question});
                EXPECT_EQ(stored.size(), 3);
                EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QString());
            }
            EXPECT_EQ(f.fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Question);
        }
    }

    OnDistintaTwo f;
    f.typePayment(QStringLiteral("Bonifico"));
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.messages(), QStringList{TfrmRicevute::kRewritten});
}
