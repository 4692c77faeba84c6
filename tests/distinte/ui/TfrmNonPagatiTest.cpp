#include "distinte/ui/TfrmNonPagati.h"

#include "ListScreenFixture.h"
#include "support/RequireTool.h"
#include "support/Unprivileged.h"

#include <QCheckBox>

namespace {

class TfrmNonPagatiTest : public ::testing::Test, public ListScreenFixture {};

} // namespace

TEST_F(TfrmNonPagatiTest, ListsTheUnpaidAndOpensOneWithItsBoxUnticked) {
    QByteArray damaged = storedDistinta("4", kSaldatoNo).encode();
    damaged[Ricevuta::layout().field(Ricevuta::Saldato).offset] = char(0);
    store({storedDistinta("1", kSaldatoNo), storedDistinta("2", kSaldatoSi),
           storedDistinta("3", kSaldatoNo)});
    dir.writeBytes(QStringLiteral("2024.ric"), dir.readBytes(QStringLiteral("2024.ric")) + damaged);
    editor.findChild<QCheckBox*>(QStringLiteral("chkSaldato"))->setChecked(true);

    const int result = run("cmdDaSaldare", [&](const Screen& s) {
        EXPECT_EQ(s.dialog->windowTitle(),
                  QStringLiteral(" Riepilogo distinte non ancora saldate"));
        EXPECT_EQ(s.positions(), QList<qint64>({1, 3}));
        EXPECT_EQ(s.list()->selectedIndex(), 0);
        s.type("txtTrova", QStringLiteral("ACQUIRENTE 3"));
        s.click("btnTrova");
        EXPECT_EQ(s.list()->selectedIndex(), 1);
        s.doubleClickRow(1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(editor.findChild<QCheckBox*>(QStringLiteral("chkSaldato"))->isChecked());
    EXPECT_EQ(label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("3"));
    EXPECT_EQ(editor.distintaOnScreen(), storedDistinta("3", kSaldatoNo));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(TfrmNonPagatiTest, NoUnpaidDistintaGivesAnEmptyListThatStillPrints) {
    REQUIRE_TOOL("pdftotext");
    store({storedDistinta("1", kSaldatoSi)});
    const QString pdf = dir.file(QStringLiteral("lista.pdf"));
    PrintToPdf printers(pdf);
    Services toPdf = printingTo(printers);
    TfrmNonPagati screen(toPdf, editor, &editor);
    screen.show();
    EXPECT_TRUE(screen.findChild<ResultList*>(QStringLiteral("lstRecords"))->rows().isEmpty());
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnTrova")), Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList{ResultList::kEmptyListMessage});

    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    EXPECT_EQ(printers.calls, 1);
    const auto printed = pdfText(pdf);
    ASSERT_TRUE(printed);
    EXPECT_TRUE(printed->contains(QStringLiteral("Riepilogo distinte non ancora saldate")));
    EXPECT_TRUE(printed->contains(QStringLiteral("Stampa eseguita in data")));
}

// The list is built when the screen is shown, so a distinta ticked as paid
// in the meantime leaves it at the next opening.
TEST_F(TfrmNonPagatiTest, EachOpeningReadsTheArchiveAfresh) {
    store({storedDistinta("1", kSaldatoNo), storedDistinta("2", kSaldatoNo)});
    run("cmdDaSaldare", [](const Screen& s) { EXPECT_EQ(s.positions(), QList<qint64>({1, 2})); });
    store({storedDistinta("1", kSaldatoSi), storedDistinta("2", kSaldatoNo)});
    run("cmdDaSaldare", [](const Screen& s) { EXPECT_EQ(s.positions(), QList<qint64>({2})); });
}

TEST_F(TfrmNonPagatiTest, AnArchiveThatCannotBeReadIsNotPassedOffAsNoneUnpaid) {
    // A year with no archive in a folder that cannot be written.
    ReadOnlyScope readOnly({dir.path()});
    run("cmdDaSaldare", [&](const Screen& s) {
        EXPECT_TRUE(s.list()->rows().isEmpty());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !fake.messages.shown.isEmpty(); }));
    });
    expectOnlyTheAccessMessage();
}

TEST_F(TfrmNonPagatiTest, DoubleClickWithNoRowClosesSilently) {
    const Ricevuta before = editor.distintaOnScreen();
    const int result = run("cmdDaSaldare", [](const Screen& s) {
        QTest::mouseDClick(s.list()->viewport(), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(editor.distintaOnScreen(), before);
    EXPECT_TRUE(messages().isEmpty());
}
