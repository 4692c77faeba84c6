#include "support/FakeServices.h"
#include "support/TestFolder.h"
#include "tariff/TariffEntry.h"
#include "tariff/ui/TfrmAggiungi_Voce.h"
#include "tariff/ui/TfrmModifica_Voce.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Fields {
    QLineEdit* nome;
    QLineEdit* prezzo;
    QPushButton* applica;
};

Fields shown(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    return {dialog.findChild<QLineEdit*>(QStringLiteral("txtNomeVoce")),
            dialog.findChild<QLineEdit*>(QStringLiteral("txtPrezzo")),
            dialog.findChild<QPushButton*>(QStringLiteral("btnApplica"))};
}

} // namespace

// The keypad's decimal key types the comma whatever character the layout
// gives it; editing keys move and select without typing anything.
TEST(TariffEntryDialog, KeypadDecimalAndEditingKeysInThePrice) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    TfrmAggiungi_Voce dialog(fake.services, nullptr);
    const Fields f = shown(dialog);
    f.prezzo->setFocus();
    f.prezzo->selectAll();
    QTest::keyClicks(f.prezzo, QStringLiteral("3"));
    QTest::keyClick(f.prezzo, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(f.prezzo, QStringLiteral("1"));
    QTest::keyClick(f.prezzo, Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(f.prezzo->text(), QStringLiteral("3,1"));
    // Ctrl+A and typing replace the whole price.
    QTest::keyClick(f.prezzo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(f.prezzo, QStringLiteral("7"));
    EXPECT_EQ(f.prezzo->text(), QStringLiteral("7"));
    // Home, then Shift+End, and a comma typed over the selection.
    QTest::keyClicks(f.prezzo, QStringLiteral(",5"));
    QTest::keyClick(f.prezzo, Qt::Key_Home);
    QTest::keyClick(f.prezzo, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(f.prezzo->selectedText(), QStringLiteral("7,5"));
    QTest::keyClick(f.prezzo, Qt::Key_Period);
    EXPECT_EQ(f.prezzo->text(), QStringLiteral(","));
}

TEST(TariffEntryDialog, EnterMovesAlongTheFieldsAndLeavingThePriceNormalisesIt) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"2,8", "2,80"},
                          {"3", "3,00"},
                          {",5", "0,50"},
                          {"12,", "12,00"},
                          {"", "0,00"},
                          {"2,999", "3,00"},
                          {"1a2", "12,00"},
                          {"12345678", "1234567,00"},
                          // The point types the comma (regression: 3.10 became
                          // 310,00), and a second comma goes nowhere.
                          {"3.10", "3,10"},
                          {"10.50", "10,50"},
                          {"1,2,3", "1,23"},
                          {"1.2,3", "1,23"}};
    TestFolder dir;
    FakeServices fake(dir.folder());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TfrmAggiungi_Voce dialog(fake.services, nullptr);
        const Fields f = shown(dialog);
        EXPECT_EQ(QApplication::focusWidget(), f.nome);
        EXPECT_EQ(f.prezzo->text(), QStringLiteral("0,00"));

        QTest::keyClicks(f.nome, QStringLiteral("Francobollo posta prioritaria"));
        QTest::keyClick(f.nome, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f.prezzo);
        // Entering the price selects its text, so typing replaces it.
        QTest::keyClicks(f.prezzo, QString::fromLatin1(c.typed));
        QTest::keyClick(f.prezzo, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f.applica);
        EXPECT_TRUE(dialog.isVisible()); // Enter reaches the button without pressing it
        EXPECT_EQ(f.prezzo->text(), QString::fromLatin1(c.shown));
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(TariffEntryDialog, ApplyBuildsTheEntryFromTheNormalisedPrice) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    TfrmAggiungi_Voce dialog(fake.services, nullptr);
    const Fields f = shown(dialog);
    f.nome->setText(QStringLiteral("  Francobollo posta prioritaria "));
    f.prezzo->setText(QStringLiteral("2,8"));
    QTest::mouseClick(f.applica, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.entry(), QStringLiteral("Francobollo posta prioritaria") + QString(21, u' ') +
                                  QStringLiteral("    Prezzo: \u20AC 2,80"));

    // A price longer than the field lets the user type still keeps its cents.
    TfrmAggiungi_Voce wide(fake.services, nullptr);
    const Fields w = shown(wide);
    w.nome->setText(QString(50, u'N'));
    w.prezzo->setText(QStringLiteral("12345,6"));
    QTest::mouseClick(w.applica, Qt::LeftButton);
    EXPECT_EQ(wide.entry(), QString(50, u'N') + QStringLiteral("    Prezzo: \u20AC 12345,60"));
}

TEST(TariffEntryDialog, BlankNameIsRefusedAndTheDialogStaysOpen) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    TfrmModifica_Voce dialog(fake.services, nullptr);
    dialog.setEntry(tariff::makeEntry(u"Marca da bollo", u"16,00"));
    const Fields f = shown(dialog);
    EXPECT_EQ(f.nome->text(), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(f.prezzo->text(), QStringLiteral("16,00"));

    // A stored price longer than the field's typing limit is shown whole.
    TfrmModifica_Voce wide(fake.services, nullptr);
    wide.setEntry(tariff::makeEntry(u"Bollo", u"1234567,00"));
    EXPECT_EQ(wide.findChild<QLineEdit*>(QStringLiteral("txtPrezzo"))->text(),
              QStringLiteral("1234567,00"));

    f.nome->setText(QStringLiteral("   "));
    QTest::mouseClick(f.applica, Qt::LeftButton);
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Attenzione: non è stato indicato alcun nome da "
                                         "attribuire al valore bollato.")});
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(QApplication::focusWidget(), f.nome);
}
