// The buyer editor as the keyboard drives it: the same keys as the distinta
// editor, and a partita IVA that is typed, never pasted.
#include "AnagraficaFixture.h"
#include "support/ActiveWindow.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

void press(QKeyCombination key) {
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

TEST(TfrmAnagraficaKeys, KeysPageSaveAndOpenAsTheirCommands) {
    AnagraficaFixture f;
    writeBuyers(f.dir, numberedCards(3));
    ASSERT_TRUE(showActive(&f.editor));
    f.field(QStringLiteral("txtNome"))->setFocus();
    press(Qt::CTRL | Qt::Key_End);
    EXPECT_EQ(f.position(), QStringLiteral("3"));
    press(QKeyCombination(Qt::Key_PageUp));
    EXPECT_EQ(f.position(), QStringLiteral("2"));
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Scheda 2"));
    f.field(QStringLiteral("txtPartitaIva"))->setFocus();
    press(Qt::CTRL | Qt::Key_Home);
    EXPECT_EQ(f.position(), QStringLiteral("1"));
    press(QKeyCombination(Qt::Key_PageDown));
    EXPECT_EQ(f.position(), QStringLiteral("2"));

    // Ctrl+S stores the edited card over its own record.
    f.field(QStringLiteral("txtNome"))->setFocus();
    QTest::keyClicks(f.field(QStringLiteral("txtNome")), QStringLiteral(" bis"));
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(f.messages(), QStringList{TfrmAnagrafica::kRewritten});
    EXPECT_EQ(f.position(), QStringLiteral("2"));
    press(QKeyCombination(Qt::Key_PageUp));
    press(QKeyCombination(Qt::Key_PageDown));
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Scheda 2 bis"));

    press(Qt::CTRL | Qt::Key_F);
    press(Qt::CTRL | Qt::Key_P);
    press(QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(f.fake.dialogs.opened,
              (QStringList{QStringLiteral("TfrmTrovaAnagrafica"),
                           QStringLiteral("TfrmStampaAnagrafica"), QStringLiteral("TfrmGuida")}));
    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(f.position(), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QString());
}

// Ctrl+V in the partita IVA is discarded; the editing keys still work there.
TEST(TfrmAnagraficaKeys, PartitaIvaTakesNoPasteButEditsAsAnyField) {
    AnagraficaFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    QLineEdit* partitaIva = f.field(QStringLiteral("txtPartitaIva"));
    partitaIva->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("01234567890"));
    QTest::keyClick(partitaIva, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(partitaIva->text(), QString());
    QTest::keyClicks(partitaIva, QStringLiteral("1234"));
    QTest::keyClick(partitaIva, Qt::Key_Home);
    QTest::keyClicks(partitaIva, QStringLiteral("0"));
    QTest::keyClick(partitaIva, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(partitaIva, QStringLiteral("9"));
    EXPECT_EQ(partitaIva->text(), QStringLiteral("09"));
}

} // namespace
