// The stamp lines of the editor never carry an amount or a total computed for
// values that are no longer on screen, and a total that cannot be computed
// never reaches the archive.

#include "EditorFixture.h"
#include "support/ActiveWindow.h"
#include "support/ContextMenu.h"
#include "support/TariffPick.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace {

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

// Types `text` into a field as the user does, replacing what it held.
void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The two ways of pasting the user has: the keyboard and the context menu.
struct PasteWay {
    const char* name;
    std::function<void(QLineEdit*)> paste;
};
const PasteWay kPasteWays[] = {
    {"Ctrl+V", [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier); }},
    {"context menu", [](QLineEdit* f) { ASSERT_TRUE(useContextMenu(f, QKeySequence::Paste)); }},
};

} // namespace

TEST(TfrmRicevuteLineAmounts, ImportIntoALineEmptiesItsAmountAndTheTotalUntilTheNextTotal) {
    EditorFixture f;
    ASSERT_TRUE(tariff::writeTariffFile(f.dir.file(tariff::tariffFileName()),
                                        {tariff::makeEntry(u"Cartolina", u"0,95"),
                                         tariff::makeEntry(u"Marca da bollo", u"16,00")})
                    .ok);
    ASSERT_TRUE(showActive(&f.editor));
    typeInto(f.field(QStringLiteral("txtQuant01")), QStringLiteral("2"));
    typeInto(f.field(QStringLiteral("txtUnitario01")), QStringLiteral("1,00"));
    typeInto(f.field(QStringLiteral("txtQuant07")), QStringLiteral("3"));
    typeInto(f.field(QStringLiteral("txtUnitario07")), QStringLiteral("0,95"));
    f.click(QStringLiteral("btnTotale"));
    ASSERT_EQ(f.text(QStringLiteral("txtImporto07")), QStringLiteral("2,85"));
    ASSERT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("4,85"));

    f.fake.dialogs.handlers.append([](QDialog* dialog) { return importTariffRow(dialog, 1); });
    f.click(QStringLiteral("impBollato07"));

    EXPECT_EQ(f.text(QStringLiteral("txtDescrizione07")), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(f.text(QStringLiteral("txtUnitario07")), QStringLiteral("16,00"));
    EXPECT_EQ(f.text(QStringLiteral("txtImporto07")), QString());
    EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtImporto01")), QStringLiteral("2,00"));
    // What print and preview would take from the screen holds nothing stale.
    EXPECT_EQ(f.editor.distintaOnScreen().importo[6], QString());

    f.click(QStringLiteral("btnTotale"));
    EXPECT_EQ(f.text(QStringLiteral("txtImporto07")), QStringLiteral("48,00"));
    EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("50,00"));
    EXPECT_TRUE(f.messages().isEmpty());
}

// A text that is not a number can only come from a damaged stored distinta
// now that pasting is filtered. Save names it, puts the focus on it and
// stores nothing.
TEST(TfrmRicevuteLineAmounts, ATotalThatCannotBeComputedRefusesTheSave) {
    const struct {
        const char* name;
        std::function<void(Ricevuta&)> damage;
        const char* message;
        const char* focus;
    } cases[] = {
        {"quantity", [](Ricevuta& d) { d.quant[1] = QStringLiteral("3a"); },
         "Attenzione: impossibile calcolare il totale della distinta perché la quantità del 2° "
         "rigo non è un numero valido.\n\r\n\rPer poter salvare la scheda è necessario "
         "correggere il valore indicato.",
         "txtQuant02"},
        {"unit value", [](Ricevuta& d) { d.unitario[2] = QStringLiteral("1,2,0"); },
         "Attenzione: impossibile calcolare il totale della distinta perché il valore unitario "
         "del 3° rigo non è un numero valido.\n\r\n\rPer poter salvare la scheda è necessario "
         "correggere il valore indicato.",
         "txtUnitario03"},
        {"line amount",
         [](Ricevuta& d) {
             d.quant[9] = QStringLiteral("0");
             d.unitario[9] = QStringLiteral("5,00");
             d.importo[9] = QStringLiteral("x,yz");
         },
         "Attenzione: impossibile calcolare il totale della distinta perché l'importo del 10° "
         "rigo non è un numero valido.\n\r\n\rPer poter salvare la scheda è necessario "
         "correggere il valore indicato.",
         "txtImporto10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorFixture f;
        Ricevuta damaged = storedDistinta(QStringLiteral("1"));
        c.damage(damaged);
        f.store({damaged});
        const QByteArray before = f.dir.readBytes(QStringLiteral("2024.ric"));
        ASSERT_TRUE(showActive(&f.editor));
        f.click(QStringLiteral("cmdPrimo"));

        f.click(QStringLiteral("cmdSalva"));
        ASSERT_EQ(f.fake.messages.shown.size(), 1);
        EXPECT_EQ(f.fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
        EXPECT_EQ(f.messages().constFirst(), QString::fromUtf8(c.message));
        EXPECT_EQ(focusName(), QString::fromLatin1(c.focus));
        EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("0,00"));
        EXPECT_EQ(f.dir.readBytes(QStringLiteral("2024.ric")), before);
    }
}

// However a quantity or unit value changes, by keys or not, the line amount
// and the total computed for the old value go.
TEST(TfrmRicevuteLineAmounts, AnyChangeOfAQuantityOrUnitValueEmptiesTheAmountAndTotal) {
    const struct {
        const char* field;
        const char* change;
        std::function<void(QLineEdit*)> apply;
        const char* after;
    } cases[] = {
        {"txtUnitario03", "context menu paste",
         [](QLineEdit* field) {
             field->selectAll();
             ASSERT_TRUE(useContextMenu(field, QKeySequence::Paste));
         },
         "3,50"},
        {"txtQuant03", "context menu cut",
         [](QLineEdit* field) {
             field->selectAll();
             ASSERT_TRUE(useContextMenu(field, QKeySequence::Cut));
         },
         ""},
        {"txtQuant03", "context menu paste",
         [](QLineEdit* field) {
             field->selectAll();
             ASSERT_TRUE(useContextMenu(field, QKeySequence::Paste));
         },
         "350"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.change);
        EditorFixture f;
        ASSERT_TRUE(showActive(&f.editor));
        typeInto(f.field(QStringLiteral("txtQuant03")), QStringLiteral("2"));
        typeInto(f.field(QStringLiteral("txtUnitario03")), QStringLiteral("1,00"));
        f.click(QStringLiteral("btnTotale"));
        ASSERT_EQ(f.text(QStringLiteral("txtImporto03")), QStringLiteral("2,00"));
        ASSERT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("2,00"));

        QGuiApplication::clipboard()->setText(QStringLiteral("3,50"));
        c.apply(f.field(QString::fromLatin1(c.field)));
        EXPECT_EQ(f.text(QString::fromLatin1(c.field)), QString::fromLatin1(c.after));
        EXPECT_EQ(f.text(QStringLiteral("txtImporto03")), QString());
        EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QString());
    }
}

// Pasting keeps what typing would keep, by the keyboard or the context menu
// alike, however long the pasted text; a unit value then becomes an amount
// when the field is left.
TEST(TfrmRicevuteLineAmounts, PastedTextIsFilteredAsTypedTextEitherWay) {
    const struct {
        const char* field;
        const char* clipboard;
        const char* pasted;
        const char* left;
    } cases[] = {
        {"txtUnitario01", "1.234,5", "1234,5", "1234,50"},
        {"txtUnitario01", "€ 16,00", "16,00", "16,00"},
        {"txtQuant01", "2 pz.", "2", "2"},
        {"txtQuant01", "1.000", "1000", "1000"},
        // Filtered before the length limit cuts it, as typing it would be.
        {"txtUnitario01", "1.234.567,89", "1234567,89", "1234567,89"},
        {"txtQuant01", "10.000 pz.", "10000", "10000"},
    };
    for (const PasteWay& way : kPasteWays) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(way.name) + " " + c.clipboard + " into " + c.field);
            EditorFixture f;
            ASSERT_TRUE(showActive(&f.editor));
            QLineEdit* field = f.field(QString::fromLatin1(c.field));
            field->setFocus();
            QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
            way.paste(field);
            EXPECT_EQ(field->text(), QString::fromLatin1(c.pasted));
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(field->text(), QString::fromLatin1(c.left));
        }
    }
}
