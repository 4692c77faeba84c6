#include "CheckScreenFixture.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

using Icon = MessageBoxes::Icon;

struct Verdict {
    CheckScreen screen;
    const char* value;
    Icon icon;
    const char* text;
    bool staysOpen;
};

const char* const kWrongPartitaIva =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
    "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
const char* const kWrongCarta =
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative al tipo di carta di credito.";

const Verdict kVerdicts[] = {
    {CheckScreen::CodFisc, "RSSMRA85T10A562S", Icon::Information,
     "Il codice fiscale digitato è VALIDO.", false},
    {CheckScreen::CodFisc, "rssmra85t10a56nh", Icon::Information,
     "Il codice fiscale digitato è VALIDO.", false},
    {CheckScreen::CodFisc, "RSSMRA85T10A5620", Icon::Warning,
     "Attenzione: il codice fiscale digitato è ERRATO.", false},
    {CheckScreen::CodFisc, "RSSMRA85T10A562", Icon::Warning,
     "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.", true},
    {CheckScreen::CodFisc, "", Icon::Warning,
     "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.", true},

    {CheckScreen::PartitaIva, "12345670637", Icon::Information,
     "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio "
     "IVA del Comune di Napoli 1.",
     false},
    {CheckScreen::PartitaIva, "00000001206", Icon::Information,
     "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio "
     "IVA del Comune di Bologna 2.",
     false},
    {CheckScreen::PartitaIva, "01234561031", Icon::Information,
     "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl codice ufficio 103 non "
     "corrisponde ad alcun Ufficio IVA presente nell'elenco.",
     false},
    {CheckScreen::PartitaIva, "12345670647", Icon::Warning, kWrongPartitaIva, false},
    // Letters can only come from the caller; with 11 characters they are a wrong number.
    {CheckScreen::PartitaIva, "1234567063A", Icon::Warning, kWrongPartitaIva, false},
    {CheckScreen::PartitaIva, "1234567063", Icon::Warning,
     "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.", true},

    {CheckScreen::Iban, "IT60X0542811101000000123456", Icon::Information,
     "L'IBAN digitato è VALIDO.", false},
    {CheckScreen::Iban, "FR1420041010050500013M02606", Icon::Information,
     "L'IBAN digitato è VALIDO.", false},
    {CheckScreen::Iban, "IT60X0542811101000000123465", Icon::Warning,
     "Attenzione: l'IBAN digitato è ERRATO!", false},
    {CheckScreen::Iban, "IT60X0542811101-00000123456", Icon::Warning,
     "Attenzione: l'IBAN digitato è ERRATO!", false},
    {CheckScreen::Iban, "IT60X054281110100000012345", Icon::Warning,
     "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.", true},

    {CheckScreen::Carta, "4111 1111 1111 1111", Icon::Information,
     "Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\r\n\r\nLa carta di "
     "credito è del tipo Visa.",
     false},
    {CheckScreen::Carta, "2223-0031-2200-3222", Icon::Information,
     "Il numero di carta di credito 2223-0031-2200-3222 risulta valido.\r\n\r\nLa carta di "
     "credito è del tipo MasterCard.",
     false},
    {CheckScreen::Carta, "36227206271667", Icon::Information,
     "Il numero di carta di credito 36227206271667 risulta valido.\r\n\r\nLa carta di credito è "
     "del tipo Diner's Club / Carte Blanche.",
     false},
    {CheckScreen::Carta, "3900000000000005", Icon::Information,
     "Il numero di carta di credito 3900000000000005 risulta formalmente valido.\r\n\r\nNon è "
     "però possibile riconoscere il tipo di carta di credito.",
     false},
    {CheckScreen::Carta, "4111111111111112", Icon::Warning, kWrongCarta, false},
    {CheckScreen::Carta, "2000000000000006", Icon::Warning, kWrongCarta, false},
    {CheckScreen::Carta, "", Icon::Warning,
     "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
     "controllo.",
     true},
};

} // namespace

TEST(CheckScreens, ControllaShowsTheVerdictAndClosesUnlessTheInputMustChange) {
    for (const Verdict& v : kVerdicts) {
        SCOPED_TRACE(v.value);
        CheckScreenFixture f(v.screen, QString::fromUtf8(v.value));
        ASSERT_TRUE(f.shown);
        EXPECT_EQ(f.field->text(), QString::fromUtf8(v.value)); // handed over unchanged
        f.pressControlla();
        ASSERT_EQ(f.fake.messages.shown.size(), 1);
        EXPECT_EQ(f.fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Notice);
        EXPECT_EQ(f.fake.messages.shown[0].icon, v.icon);
        EXPECT_EQ(f.fake.messages.shown[0].text, QString::fromUtf8(v.text));
        EXPECT_EQ(f.dialog->isVisible(), v.staysOpen);
        if (v.staysOpen)
            EXPECT_EQ(QApplication::focusWidget(), f.field);
        else
            EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
    }
}

TEST(CheckScreens, CaptionInstructionAndEnterChain) {
    const struct {
        CheckScreen screen;
        const char* caption;
        const char* title;
        const char* typed;
    } cases[] = {
        {CheckScreen::CodFisc, " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo.", "MRTMTT91D08F205J"},
        {CheckScreen::PartitaIva, " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo.", "12345670637"},
        {CheckScreen::Iban, " Controllo IBAN",
         "Immettere l'IBAN e premere il pulsante di controllo.", "IT60X0542811101000000123456"},
        {CheckScreen::Carta, " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo.",
         "5555555555554444"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        CheckScreenFixture f(c.screen);
        ASSERT_TRUE(f.shown);
        EXPECT_EQ(f.dialog->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(f.dialog->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text(),
                  QString::fromUtf8(c.title));
        EXPECT_EQ(f.field->font().family(), QStringLiteral("Courier New"));
        EXPECT_EQ(f.chiudi->text(), QStringLiteral("Chiudi"));
        // Opened empty: the focus is in the field; Enter reaches the button
        // without pressing it, and Enter on the button checks.
        EXPECT_EQ(QApplication::focusWidget(), f.field);
        QTest::keyClicks(f.field, QString::fromLatin1(c.typed));
        QTest::keyClick(f.field, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f.controlla);
        EXPECT_TRUE(f.fake.messages.shown.isEmpty());
        QTest::keyClick(f.controlla, Qt::Key_Return);
        ASSERT_EQ(f.fake.messages.shown.size(), 1);
        EXPECT_EQ(f.fake.messages.shown[0].icon, Icon::Information);
        EXPECT_FALSE(f.dialog->isVisible());
    }
}

TEST(CheckScreens, ChiudiClosesWithoutAWord) {
    for (CheckScreen s :
         {CheckScreen::CodFisc, CheckScreen::PartitaIva, CheckScreen::Iban, CheckScreen::Carta}) {
        CheckScreenFixture f(s, QStringLiteral("123"));
        QTest::mouseClick(f.chiudi, Qt::LeftButton);
        EXPECT_FALSE(f.dialog->isVisible());
        EXPECT_EQ(f.dialog->result(), QDialog::Rejected);
        EXPECT_TRUE(f.fake.messages.shown.isEmpty());
    }
}

TEST(CheckScreens, TypingIsTidiedOrFilteredAndStopsAtTheLimit) {
    const struct {
        CheckScreen screen;
        const char* typed;
        const char* shown;
    } cases[] = {
        // Trimmed and upper-cased as typed, so a blank typed at the end goes at once.
        {CheckScreen::CodFisc, " rssmra85t10a562s", "RSSMRA85T10A562S"},
        {CheckScreen::CodFisc, "rss mra ", "RSSMRA"},
        {CheckScreen::CodFisc, "RSSMRA85T10A562SXYZ", "RSSMRA85T10A562S"},
        {CheckScreen::Iban, "it60 x054-", "IT60X054-"},
        {CheckScreen::Iban, "IT60X0542811101000000123456789", "IT60X0542811101000000123456"},
        // Digit fields drop every other key.
        {CheckScreen::PartitaIva, "12a 34-5B", "12345"},
        {CheckScreen::PartitaIva, "123456706371", "12345670637"},
        {CheckScreen::Carta, "4111 1111-x", "41111111"},
        {CheckScreen::Carta, "1234567890123456789012345678901234",
         "123456789012345678901234567890"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CheckScreenFixture f(c.screen);
        ASSERT_TRUE(f.shown);
        QTest::keyClicks(f.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(f.field->text(), QString::fromLatin1(c.shown));
    }
}

TEST(CheckScreens, TidyingKeepsTheCursorWhereTheUserTypes) {
    CheckScreenFixture f(CheckScreen::CodFisc, QStringLiteral("RSSMRA"));
    ASSERT_TRUE(f.shown);
    f.field->setCursorPosition(3);
    QTest::keyClicks(f.field, QStringLiteral("xy"));
    EXPECT_EQ(f.field->text(), QStringLiteral("RSSXYMRA"));
    EXPECT_EQ(f.field->cursorPosition(), 5);
}

TEST(CheckScreens, ALongerNumberHandedOverStaysWholeInFieldAndMessage) {
    // The buyer's card field holds up to 50 characters, the check field lets
    // the user type 30; only the first 20 are examined.
    const QString handed = QStringLiteral("4111-1111-1111-1111 CARTA AZIENDALE");
    CheckScreenFixture f(CheckScreen::Carta, handed);
    ASSERT_TRUE(f.shown);
    EXPECT_EQ(f.field->text(), handed);
    EXPECT_EQ(f.field->selectedText(), handed); // selected on entering, as a field is
    f.field->setCursorPosition(int(handed.size()));
    QTest::keyClick(f.field, Qt::Key_1); // the user cannot lengthen it
    EXPECT_EQ(f.field->text(), handed);
    f.pressControlla();
    EXPECT_EQ(f.fake.messages.texts(),
              QStringList{QStringLiteral("Il numero di carta di credito 4111-1111-1111-1111 CARTA "
                                         "AZIENDALE risulta valido.\r\n\r\nLa carta di credito è "
                                         "del tipo Visa.")});

    // Shortened by the user, it stays as short: the limit comes down with it.
    CheckScreenFixture g(CheckScreen::Carta, handed);
    ASSERT_TRUE(g.shown);
    g.field->setCursorPosition(int(handed.size()));
    QTest::keyClick(g.field, Qt::Key_Backspace);
    QTest::keyClick(g.field, Qt::Key_1);
    EXPECT_EQ(g.field->text(), handed.chopped(1));
}
