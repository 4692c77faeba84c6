#include "distinte/ui/TfrmTrovaRic.h"

#include "ListScreenFixture.h"
#include "distinte/DistintaSummary.h"
#include "support/ActiveWindow.h"
#include "support/RequireTool.h"
#include "support/Unprivileged.h"

#include <QCheckBox>

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

TEST_F(TfrmTrovaRicTest, NothingOpensWithoutASelectedRowOrTheEditorTag) {
    store({storedDistinta("1")});
    const Ricevuta before = editor.distintaOnScreen();

    const int noRow = run("cmdTrova", [&](const Screen& s) {
        s.type("txtNumRic", QStringLiteral("99"));
        s.click("btnCerca");
        QTest::mouseDClick(s.list()->viewport(), Qt::LeftButton);
    });
    EXPECT_EQ(noRow, QDialog::Rejected);

    TfrmTrovaRic untagged(fake.services, editor, &editor);
    untagged.show();
    QTest::mouseClick(untagged.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
    auto* list = untagged.findChild<ResultList*>(QStringLiteral("lstRecords"));
    ASSERT_EQ(list->rows().size(), 1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->rows().index(0)).center());
    EXPECT_EQ(untagged.result(), QDialog::Rejected);

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
