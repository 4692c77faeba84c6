#include "distinte/ui/TfrmTrovaRic.h"

#include "ListScreenFixture.h"
#include "distinte/DistintaSearch.h"
#include "distinte/DistintaSummary.h"
#include "support/ActiveWindow.h"
#include "support/RequireTool.h"
#include "support/Unprivileged.h"

#include <QCheckBox>
#include <QFile>
#include <sys/stat.h>

namespace {

class TfrmTrovaRicTest : public ::testing::Test, public ListScreenFixture {};

const char* const kCriteria[] = {"txtNumRic",    "txtData",      "txtAcqRigo01",
                                 "txtAcqRigo02", "txtAcqRigo03", "txtTotale"};

} // namespace

TEST_F(TfrmTrovaRicTest, CercaListsTheMatchesAndCountsThem) {
    store(
        {storedDistinta("12"), storedDistinta("21"), storedDistinta("112"), storedDistinta("120")});
    run("cmdTrova", [&](const Screen& s) {
        EXPECT_EQ(s.dialog->windowTitle(), QStringLiteral(" Trova distinte in archivio"));
        EXPECT_TRUE(s.get("panAvvio")->isVisible());
        EXPECT_FALSE(s.get("panContainer")->isVisible());
        s.type("txtNumRic", QStringLiteral("12"));
        s.click("btnCerca");

        EXPECT_EQ(s.positions(), QList<qint64>({1, 3, 4}));
        EXPECT_EQ(s.list()->rows().at(0).text, distintasummary::line(storedDistinta("12")));
        EXPECT_EQ(s.get<QLabel>("lblTrovate")->text(),
                  QStringLiteral("Il presente riepilogo contiene 3 schede."));
        EXPECT_FALSE(s.get("panAvvio")->isVisible());
        EXPECT_TRUE(s.get("panContainer")->isVisible());
        EXPECT_FALSE(s.get("lblAttendere")->isVisible());
    });
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(TfrmTrovaRicTest, EmptyArchiveGivesNoRowsAndTrovaSaysSo) {
    run("cmdTrova", [&](const Screen& s) {
        s.click("btnCerca");
        EXPECT_EQ(s.get<QLabel>("lblTrovate")->text(),
                  QStringLiteral("Il presente riepilogo contiene 0 schede."));
        s.type("txtTrova", QStringLiteral("rossi"));
        s.click("btnTrova");
    });
    EXPECT_EQ(messages(), QStringList{ResultList::kEmptyListMessage});
}

TEST_F(TfrmTrovaRicTest, EnterCyclesTheCriteriaAndTheFocusedOneIsHighlighted) {
    TfrmTrovaRic screen(fake.services, editor, &editor);
    ASSERT_TRUE(showActive(&screen));
    auto* first = screen.findChild<QLineEdit*>(QStringLiteral("txtNumRic"));
    EXPECT_TRUE(first->hasFocus());
    for (std::size_t i = 0; i < std::size(kCriteria); ++i) {
        const QString name = QString::fromLatin1(kCriteria[i]);
        auto* field = screen.findChild<QLineEdit*>(name);
        SCOPED_TRACE(kCriteria[i]);
        ASSERT_TRUE(field->hasFocus());
        const QString rectangle = QStringLiteral("eff") + name.mid(3);
        EXPECT_TRUE(screen.findChild<QWidget*>(rectangle)->isVisible());
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_FALSE(screen.findChild<QWidget*>(rectangle)->isVisible());
    }
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(TfrmTrovaRicTest, WaitLabelShowsAsSoonAsTheMouseGoesDownOnCerca) {
    TfrmTrovaRic screen(fake.services, editor, &editor);
    screen.show();
    auto* cerca = screen.findChild<QPushButton*>(QStringLiteral("btnCerca"));
    auto* attendere = screen.findChild<QLabel*>(QStringLiteral("lblAttendere"));
    EXPECT_FALSE(attendere->isVisible());
    EXPECT_EQ(attendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    QTest::mousePress(cerca, Qt::LeftButton);
    EXPECT_TRUE(attendere->isVisible());
    QTest::mouseRelease(cerca, Qt::LeftButton);
    EXPECT_FALSE(attendere->isVisible());
}

// Two distinte with equal summary lines: each row opens its own distinta.
TEST_F(TfrmTrovaRicTest, DoubleClickOpensTheDistintaBehindTheRow) {
    Ricevuta paid = storedDistinta("7", kSaldatoSi);
    Ricevuta unpaid = storedDistinta("7", kSaldatoNo);
    paid.rivRigo[1] = QStringLiteral("Primo");
    unpaid.rivRigo[1] = QStringLiteral("Secondo");
    unpaid.quant[3] = QStringLiteral("4");
    store({paid, storedDistinta("8"), unpaid});
    editor.findChild<QCheckBox*>(QStringLiteral("chkSaldato"))->setChecked(false);

    const int result = run("cmdTrova", [&](const Screen& s) {
        s.type("txtNumRic", QStringLiteral("7"));
        s.click("btnCerca");
        ASSERT_EQ(s.positions(), QList<qint64>({1, 3}));
        ASSERT_EQ(s.list()->rows().at(0).text, s.list()->rows().at(1).text);
        s.doubleClickRow(0);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("txtRivRigo02")), QStringLiteral("Primo"));
    EXPECT_TRUE(editor.findChild<QCheckBox*>(QStringLiteral("chkSaldato"))->isChecked());
    EXPECT_EQ(label(QStringLiteral("txtTotale"))->text(), QStringLiteral("1,20"));
    EXPECT_EQ(editor.distintaOnScreen(), paid);

    run("cmdTrova", [&](const Screen& s) {
        s.click("btnCerca");
        s.doubleClickRow(2);
    });
    EXPECT_EQ(label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("3"));
    EXPECT_EQ(editor.distintaOnScreen(), unpaid);
}

TEST_F(TfrmTrovaRicTest, NothingOpensWithoutASelectedRow) {
    store({storedDistinta("1")});
    const Ricevuta before = editor.distintaOnScreen();

    const int noRow = run("cmdTrova", [&](const Screen& s) {
        s.type("txtNumRic", QStringLiteral("99"));
        s.click("btnCerca");
        QTest::mouseDClick(s.list()->viewport(), Qt::LeftButton);
    });
    EXPECT_EQ(noRow, QDialog::Rejected);
    EXPECT_EQ(editor.distintaOnScreen(), before);
    EXPECT_TRUE(label(QStringLiteral("lblPosizione"))->text().isEmpty());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(TfrmTrovaRicTest, UnreadableArchiveKeepsTheCriteriaPanelAndSaysSo) {
    // A year with no archive in a folder that cannot be written.
    ReadOnlyScope readOnly({dir.path()});
    run("cmdTrova", [&](const Screen& s) {
        s.type("txtNumRic", QStringLiteral("1"));
        s.click("btnCerca");
        EXPECT_TRUE(s.get("panAvvio")->isVisible());
        EXPECT_FALSE(s.get("panContainer")->isVisible());
        EXPECT_EQ(s.get<QLineEdit>("txtNumRic")->text(), QStringLiteral("1"));
    });
    expectOnlyTheAccessMessage();
}

TEST_F(TfrmTrovaRicTest, StampaPrintsTheListUnderItsTitle) {
    REQUIRE_TOOL("pdftotext");
    store({storedDistinta("1"), storedDistinta("2")});
    const QString pdf = dir.file(QStringLiteral("lista.pdf"));
    PrintToPdf printers(pdf);
    Services toPdf = printingTo(printers);
    TfrmTrovaRic screen(toPdf, editor, &editor);
    screen.show();
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    EXPECT_EQ(printers.calls, 1);
    const auto printed = pdfText(pdf);
    ASSERT_TRUE(printed);
    EXPECT_TRUE(printed->contains(QStringLiteral("Riepilogo distinte in archivio")));
    EXPECT_LT(printed->indexOf(QStringLiteral("Acquirente 1")),
              printed->indexOf(QStringLiteral("Acquirente 2")));
}

namespace {

Ricevuta boughtBy(const QString& number, const QString& buyer, const QString& year) {
    return DistintaBuilder(number)
        .date(QStringLiteral("05/01/") + year)
        .buyer({buyer})
        .line(0, QStringLiteral("1"), QStringLiteral("Marca da bollo"), QStringLiteral("16,00"))
        .total(QStringLiteral("16,00"));
}

// Rossi bought in 2021 and 2023, not in 2022; the editor is on 2024.
struct YearsFixture : TfrmTrovaRicTest {
    void SetUp() override {
        dir.writeBytes(QStringLiteral("2021.ric"),
                       archiveBytes(QList<Ricevuta>{boughtBy("1", "Neri", "2021"),
                                                    boughtBy("2", "Mario Rossi", "2021")}));
        dir.writeBytes(QStringLiteral("2022.ric"),
                       archiveBytes(QList<Ricevuta>{boughtBy("1", "Verdi", "2022")}));
        dir.writeBytes(QStringLiteral("2023.ric"),
                       archiveBytes(QList<Ricevuta>{boughtBy("1", "Rossi Anna", "2023"),
                                                    boughtBy("2", "Bianchi", "2023"),
                                                    boughtBy("3", "Bianchi", "2023")}));
        store({boughtBy("1", "Rossi 2024", "2024")});
    }
    static void searchRossi(const Screen& s, bool everyYear) {
        s.type("txtAcqRigo01", QStringLiteral("rossi"));
        s.get<QCheckBox>("chkTuttiGliAnni")->setChecked(everyYear);
        s.click("btnCerca");
    }
    static QStringList rowTexts(const Screen& s) { return s.list()->rows().lines(); }
};

} // namespace

TEST_F(YearsFixture, UntickedSearchesTheEditorsYearExactlyAsBefore) {
    const distintasearch::Listing before =
        distintasearch::search(archive(), {QString(), QString(), QStringLiteral("rossi"), QString(),
                                           QString(), QString()});
    ASSERT_TRUE(before.ok);
    run("cmdTrova", [&](const Screen& s) {
        auto* box = s.get<QCheckBox>("chkTuttiGliAnni");
        EXPECT_EQ(box->text(), QStringLiteral("Cerca in tutti gli anni"));
        EXPECT_FALSE(box->isChecked());
        EXPECT_TRUE(box->isVisible());
        searchRossi(s, false);
        QList<ResultRow> shown;
        for (qsizetype i = 0; i < s.list()->rows().size(); ++i)
            shown.append(s.list()->rows().at(i));
        EXPECT_EQ(shown, before.rows);
        EXPECT_EQ(rowTexts(s),
                  QStringList{distintasummary::line(boughtBy("1", "Rossi 2024", "2024"))});
    });
}

TEST_F(YearsFixture, TickedListsEveryYearInOrderAndFindsInTheWholeList) {
    run("cmdTrova", [&](const Screen& s) {
        searchRossi(s, true);
        EXPECT_EQ(
            rowTexts(s),
            QStringList({"2021  " + distintasummary::line(boughtBy("2", "Mario Rossi", "2021")),
                         "2023  " + distintasummary::line(boughtBy("1", "Rossi Anna", "2023")),
                         "2024  " + distintasummary::line(boughtBy("1", "Rossi 2024", "2024"))}));
        EXPECT_EQ(s.positions(), QList<qint64>({2, 1, 1}));
        EXPECT_EQ(s.list()->rows().at(1).year, QStringLiteral("2023"));
        EXPECT_EQ(s.get<QLabel>("lblTrovate")->text(),
                  QStringLiteral("Il presente riepilogo contiene 3 schede."));
        s.type("txtTrova", QStringLiteral("2024  "));
        s.click("btnTrova");
        EXPECT_EQ(s.list()->selectedIndex(), 2);
    });
}

TEST_F(YearsFixture, DoubleClickOpensTheDistintaOnItsOwnYear) {
    run("cmdTrova", [&](const Screen& s) {
        searchRossi(s, true);
        s.doubleClickRow(1);
    });
    EXPECT_EQ(editor.windowTitle(), QStringLiteral(" Vellarmo - Emissione Distinte anno 2023"));
    EXPECT_EQ(editor.archivePath(), dir.file(QStringLiteral("2023.ric")));
    EXPECT_EQ(label(QStringLiteral("lblFile"))->text(), dir.file(QStringLiteral("2023.ric")));
    EXPECT_EQ(label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    EXPECT_EQ(editor.distintaOnScreen(), Ricevuta(boughtBy("1", "Rossi Anna", "2023")));
    // Numbering follows the year: three distinte in 2023.
    click(QStringLiteral("cmdNuovo"));
    EXPECT_EQ(text(QStringLiteral("txtNumRic")), QStringLiteral("4"));

    run("cmdTrova", [&](const Screen& s) {
        searchRossi(s, true);
        s.doubleClickRow(0);
    });
    EXPECT_EQ(editor.windowTitle(), QStringLiteral(" Vellarmo - Emissione Distinte anno 2021"));
    EXPECT_EQ(label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
    EXPECT_EQ(editor.distintaOnScreen(), Ricevuta(boughtBy("2", "Mario Rossi", "2021")));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(YearsFixture, UnsavedEditsAreAskedAboutBeforeTheYearChanges) {
    QTest::keyClicks(field(QStringLiteral("txtPagamento")), QStringLiteral("Contanti"));
    fake.messages.threeWayAnswers = {MessageBoxes::Answer::Cancel};
    run("cmdTrova", [&](const Screen& s) {
        searchRossi(s, true);
        s.doubleClickRow(0);
    });
    EXPECT_EQ(messages(), QStringList{TfrmRicevute::kUnsavedQuestion});
    // Annulla: the editor stays on its year with the edits.
    EXPECT_EQ(editor.archivePath(), archive());
    EXPECT_EQ(text(QStringLiteral("txtPagamento")), QStringLiteral("Contanti"));

    fake.messages.threeWayAnswers = {MessageBoxes::Answer::No};
    run("cmdTrova", [&](const Screen& s) {
        searchRossi(s, true);
        s.doubleClickRow(0);
    });
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(editor.archivePath(), dir.file(QStringLiteral("2021.ric")));
    EXPECT_EQ(editor.distintaOnScreen(), Ricevuta(boughtBy("2", "Mario Rossi", "2021")));
}

TEST_F(YearsFixture, AnUnreadableYearIsNamedAfterTheOtherRows) {
    const QByteArray path = QFile::encodeName(dir.file(QStringLiteral("2022.ric")));
    ::chmod(path.constData(), 0);
    {
        ReadOnlyScope unprivileged({dir.path()});
        run("cmdTrova", [&](const Screen& s) {
            s.get<QCheckBox>("chkTuttiGliAnni")->setChecked(true);
            s.click("btnCerca");
            const QStringList rows = rowTexts(s);
            ASSERT_EQ(rows.size(), 7);
            EXPECT_EQ(rows.last(), QStringLiteral("2022  Attenzione: non è stato possibile leggere "
                                                  "l'archivio 2022.ric."));
            EXPECT_TRUE(rows[5].startsWith(QStringLiteral("2024  ")));
            EXPECT_EQ(s.get<QLabel>("lblTrovate")->text(),
                      QStringLiteral("Il presente riepilogo contiene 6 schede."));
            // The note opens nothing and leaves the list open.
            s.doubleClickRow(6);
            EXPECT_TRUE(s.dialog->isVisible());
        });
    }
    ::chmod(path.constData(), 0644);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(YearsFixture, StampaOfEveryYearSaysSoInTheTitle) {
    REQUIRE_TOOL("pdftotext");
    const QString pdf = dir.file(QStringLiteral("lista.pdf"));
    PrintToPdf printers(pdf);
    Services toPdf = printingTo(printers);
    TfrmTrovaRic screen(toPdf, editor, &editor);
    screen.show();
    screen.findChild<QCheckBox*>(QStringLiteral("chkTuttiGliAnni"))->setChecked(true);
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    const auto printed = pdfText(pdf);
    ASSERT_TRUE(printed);
    EXPECT_TRUE(
        printed->contains(QStringLiteral("Riepilogo distinte in archivio - tutti gli anni")));
    EXPECT_LT(printed->indexOf(QStringLiteral("Neri")),
              printed->indexOf(QStringLiteral("Rossi 2024")));
}
