// The distinta editor as the keyboard drives it: the editor's keys, the
// amount and digit fields' editing keys, and saving on a data folder whose
// file system takes no locks.
#include "EditorFixture.h"
#include "common/FileLock.h"
#include "common/RecordFile.h"
#include "distinte/DistintaArchive.h"
#include "support/ActiveWindow.h"
#include "support/TariffPick.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"
#include "widgets/ArchiveNotices.h"

#include <QApplication>
#include <cerrno>

namespace {

QList<Ricevuta> numbered(int n) {
    QList<Ricevuta> distinte;
    for (int i = 1; i <= n; ++i)
        distinte.append(DistintaBuilder(QString::number(i))
                            .date(QStringLiteral("05/03/2024"))
                            .buyer({QStringLiteral("Acquirente %1").arg(i)})
                            .line(0, QStringLiteral("1"), QStringLiteral("Marca"),
                                  QStringLiteral("1,00"), QStringLiteral("1,00")));
    return distinte;
}

QString stored(const EditorFixture& f, qint64 position, int field) {
    RecordFile file(f.archive(), Ricevuta::kRecordSize);
    QByteArray record;
    if (!file.open() || !file.read(position, &record))
        return QStringLiteral("<none>");
    return Ricevuta::decode(record).toTexts().value(field);
}

// The key goes to whichever widget has the focus, as a user's would.
void press(QKeyCombination key) {
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// Ctrl+S saves an edited distinta, from any field, as "Salva" does.
TEST(TfrmRicevuteKeys, CtrlSSavesAnEditedDistinta) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.fillRequired();
    f.field(QStringLiteral("txtPagamento"))->setFocus();
    QTest::keyClicks(f.field(QStringLiteral("txtPagamento")), QStringLiteral("Contanti"));
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(f.messages(), QStringList{TfrmRicevute::kAppended});
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    EXPECT_EQ(stored(f, 1, Ricevuta::Pagamento), QStringLiteral("Contanti"));
    // The same key from the date field, which opens the calendar for other
    // keys, saves again over the same record.
    f.field(QStringLiteral("txtData"))->setFocus();
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(f.messages(), (QStringList{TfrmRicevute::kAppended, TfrmRicevute::kRewritten}));
    EXPECT_TRUE(f.fake.dialogs.opened.isEmpty()) << "no calendar";
}

// Page Up / Page Down and Ctrl+Home / Ctrl+End page through the archive from
// any field, also from the digit and amount fields and the date field.
TEST(TfrmRicevuteKeys, PageKeysAndCtrlHomeEndMoveThroughTheArchive) {
    EditorFixture f;
    f.store(numbered(3));
    ASSERT_TRUE(showActive(&f.editor));
    const struct {
        const char* focus;
        QKeyCombination key;
        const char* position;
    } steps[] = {
        {"txtQuant01", Qt::CTRL | Qt::Key_End, "3"},
        {"txtUnitario02", QKeyCombination(Qt::Key_PageUp), "2"},
        {"txtData", Qt::CTRL | Qt::Key_Home, "1"},
        {"txtDescrizione01", QKeyCombination(Qt::Key_PageDown), "2"},
        {"txtAcqRigo01", QKeyCombination(Qt::KeypadModifier, Qt::Key_PageDown), "3"},
        {"txtPagamento", QKeyCombination(Qt::Key_PageDown), "3"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.focus);
        QLineEdit* field = f.field(QString::fromLatin1(s.focus));
        field->setFocus();
        press(s.key);
        EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QString::fromLatin1(s.position));
        EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QString::fromLatin1(s.position));
    }
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_TRUE(f.fake.dialogs.opened.isEmpty());
}

// Each of the other keys does what its command's click does: it opens the
// same screen.
TEST(TfrmRicevuteKeys, KeysOpenWhatTheirCommandsOpen) {
    const struct {
        const char* focus;
        QKeyCombination key;
        const char* opened;
    } cases[] = {
        {"txtAcqRigo01", Qt::CTRL | Qt::Key_F, "TfrmTrovaRic"},
        {"txtQuant03", Qt::CTRL | Qt::Key_P, "TfrmStampaRic"},
        {"txtPagamento", QKeyCombination(Qt::Key_F1), "TfrmGuida"},
        {"txtAcqRigo04", QKeyCombination(Qt::Key_F3), "TfrmTrovaAnagrafica"},
        {"txtDescrizione07", QKeyCombination(Qt::Key_F3), "TfrmTrovaServizi"},
        // F3 elsewhere opens nothing.
        {"txtPagamento", QKeyCombination(Qt::Key_F3), nullptr},
        {"txtUnitario07", QKeyCombination(Qt::Key_F3), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " " + (c.opened ? c.opened : "nothing"));
        EditorFixture f;
        ASSERT_TRUE(showActive(&f.editor));
        f.field(QString::fromLatin1(c.focus))->setFocus();
        press(c.key);
        EXPECT_EQ(f.fake.dialogs.opened,
                  c.opened ? QStringList{QString::fromLatin1(c.opened)} : QStringList());
    }
}

// F3 in a stamp line's description imports into that line; Ctrl+N asks
// about the edit, as "Nuovo" does, and prepares a new distinta.
TEST(TfrmRicevuteKeys, F3ImportsIntoItsLineAndCtrlNAsksFirst) {
    EditorFixture f;
    ASSERT_TRUE(tariff::writeTariffFile(f.dir.file(tariff::tariffFileName()),
                                        {tariff::makeEntry(u"Cartolina", u"0,95"),
                                         tariff::makeEntry(u"Marca da bollo", u"16,00")})
                    .ok);
    ASSERT_TRUE(showActive(&f.editor));
    f.fake.dialogs.handlers = {[](QDialog* d) { return importTariffRow(d, 1); }};
    f.field(QStringLiteral("txtDescrizione05"))->setFocus();
    press(QKeyCombination(Qt::Key_F3));
    EXPECT_EQ(f.text(QStringLiteral("txtDescrizione05")), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(f.text(QStringLiteral("txtUnitario05")), QStringLiteral("16,00"));
    EXPECT_EQ(f.text(QStringLiteral("txtDescrizione01")), QString());

    f.fake.messages.threeWayAnswers = {MessageBoxes::Answer::Cancel};
    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(f.messages(), QStringList{TfrmRicevute::kUnsavedQuestion});
    EXPECT_EQ(f.text(QStringLiteral("txtDescrizione05")), QStringLiteral("Marca da bollo"));
    f.fake.messages.threeWayAnswers = {MessageBoxes::Answer::No};
    press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(f.text(QStringLiteral("txtDescrizione05")), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QStringLiteral("1"));
}

// A correction typed as a user does: 100 becomes 120 by End and three
// Backspaces (regression: End was dropped and 12000 was stored), and "3.10"
// is 3,10.
TEST(TfrmRicevuteKeys, CorrectionsByEditingKeysAreStoredAsTyped) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.fillRequired();
    QLineEdit* quant = f.field(QStringLiteral("txtQuant01"));
    quant->setText(QStringLiteral("100"));
    quant->setFocus();
    quant->setCursorPosition(0);
    QTest::keyClick(quant, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(quant, Qt::Key_Backspace);
    QTest::keyClicks(quant, QStringLiteral("120"));

    QLineEdit* unitario = f.field(QStringLiteral("txtUnitario01"));
    unitario->setFocus();
    QTest::keyClick(unitario, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(unitario, QStringLiteral("3.10"));
    EXPECT_EQ(unitario->text(), QStringLiteral("3,10"));
    QTest::keyClick(unitario, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(unitario->text(), QStringLiteral("3,10")) << "a second comma goes nowhere";

    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(stored(f, 1, Ricevuta::Quant01), QStringLiteral("120"));
    EXPECT_EQ(stored(f, 1, Ricevuta::Unitario01), QStringLiteral("3,10"));
    EXPECT_EQ(stored(f, 1, Ricevuta::Importo01), QStringLiteral("372,00"));
}

// A data folder whose file system refuses locks: the distinta is saved, and
// the user is told once in the run that desks are not coordinated there.
TEST(TfrmRicevuteKeys, AnInjectedENOLCKSavesTheDistintaAndSaysSoOnce) {
    EditorFixture f;
    const InjectedLockFailure noLocks(ENOLCK);
    f.fillRequired();
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.messages(), (QStringList{TfrmRicevute::kAppended, archivenotice::kUncoordinated}));
    EXPECT_EQ(f.fake.messages.shown.last().icon, MessageBoxes::Icon::Warning);
    EXPECT_EQ(stored(f, 1, Ricevuta::AcqRigo01), QStringLiteral("Mario Bianchi"));

    f.field(QStringLiteral("txtPagamento"))->setText(QStringLiteral("Bonifico"));
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.messages(), (QStringList{TfrmRicevute::kAppended, archivenotice::kUncoordinated,
                                         TfrmRicevute::kRewritten}));
    EXPECT_EQ(stored(f, 1, Ricevuta::Pagamento), QStringLiteral("Bonifico"));
}

} // namespace
