#include "widgets/KeyFilters.h"

#include "support/ActiveWindow.h"
#include "support/ContextMenu.h"
#include "widgets/EnterChain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    int key;
    QString text;
    bool digits;
    bool amount;
};

TEST(KeyFilters, DecidesEveryKindOfKey) {
    const KeyCase cases[] = {
        {Qt::Key_0, "0", true, true},
        {Qt::Key_9, "9", true, true},
        {Qt::Key_Comma, ",", false, true},
        {Qt::Key_Period, ".", false, false},
        {Qt::Key_Minus, "-", false, false},
        {Qt::Key_A, "a", false, false},
        {Qt::Key_Space, " ", false, false},
        // Non-ASCII digits are not the 0-9 the fields store.
        {Qt::Key_unknown, QString(QChar(0x0663)), false, false},
        {Qt::Key_Backspace, "\b", true, true},
        {Qt::Key_Delete, "\x7f", true, true},
        {Qt::Key_Left, "", true, true},
        {Qt::Key_Right, "", true, true},
        {Qt::Key_Return, "\r", true, true},
        {Qt::Key_Enter, "\r", true, true},
        {Qt::Key_Tab, "\t", false, false},
        {Qt::Key_Backtab, "", false, false},
        // Moving the cursor types nothing (regression: Home and End were
        // dropped, and a correction went in at the wrong place).
        {Qt::Key_Home, "", true, true},
        {Qt::Key_End, "", true, true},
        {Qt::Key_Up, "", false, false},
        {Qt::Key_Down, "", false, false},
        {Qt::Key_V, "\x16", false, false}, // Ctrl+V types nothing; pasted text is filtered apart
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " key " + std::to_string(c.key));
        EXPECT_EQ(keyPasses(KeyFilterKind::Digits, c.key, c.text), c.digits);
        EXPECT_EQ(keyPasses(KeyFilterKind::Amount, c.key, c.text), c.amount);
    }
}

TEST(KeyFilters, ThePointAndTheKeypadDecimalTypeOneComma) {
    const struct {
        int key;
        const char* text;
        bool keypad;
        bool comma;
    } cases[] = {
        {Qt::Key_Comma, ",", false, true}, {Qt::Key_Period, ".", false, true},
        {Qt::Key_Period, ".", true, true}, {Qt::Key_Comma, ",", true, true},
        {Qt::Key_Period, "", true, true},  {Qt::Key_Delete, "", true, false},
        {Qt::Key_5, "5", true, false},     {Qt::Key_Semicolon, ";", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " key " + std::to_string(c.key));
        EXPECT_EQ(
            typesDecimalComma(KeyFilterKind::Amount, c.key, QString::fromLatin1(c.text), c.keypad),
            c.comma);
        EXPECT_FALSE(
            typesDecimalComma(KeyFilterKind::Digits, c.key, QString::fromLatin1(c.text), c.keypad));
    }
    // One comma at most, unless the comma is what the typing replaces.
    EXPECT_TRUE(commaFits(QStringLiteral("310"), 1, 0));
    EXPECT_FALSE(commaFits(QStringLiteral("3,10"), 4, 0));
    EXPECT_FALSE(commaFits(QStringLiteral("3,10"), 0, 1));
    EXPECT_TRUE(commaFits(QStringLiteral("3,10"), 1, 2));
    EXPECT_TRUE(commaFits(QStringLiteral("3,10"), 0, 4));
}

// What an edit inserted is filtered, wherever the cursor left it; what was
// in the field before stays, also characters typing would not give.
TEST(KeyFilters, OnlyTheInsertedTextIsFiltered) {
    const struct {
        const char* before;
        const char* after;
        int cursor;
        KeyFilterKind kind;
        const char* text;
        int cursorAfter;
    } cases[] = {
        {"", "1.234,5", 7, KeyFilterKind::Amount, "1234,5", 6},
        {"", "1.234,5", 7, KeyFilterKind::Digits, "12345", 5},
        {"12", "1€ 5,02", 6, KeyFilterKind::Amount, "15,02", 4},      // pasted inside
        {"12345", "19a5", 3, KeyFilterKind::Digits, "195", 2},        // over a selection
        {"1a", "1a2a", 3, KeyFilterKind::Digits, "12a", 2},           // "a2" pasted after 1
        {"4111-11", "4111-1", 6, KeyFilterKind::Digits, "4111-1", 6}, // a deletion
        {"11", "111a1", 5, KeyFilterKind::Digits, "1111", 4},
        {"7", "7", 1, KeyFilterKind::Digits, "7", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        const FilteredEdit edit = filterInsertedText(c.kind, QString::fromUtf8(c.before),
                                                     QString::fromUtf8(c.after), c.cursor);
        EXPECT_EQ(edit.text, QString::fromUtf8(c.text));
        EXPECT_EQ(edit.cursor, c.cursorAfter);
    }
}

// A digit field in a window, with a second field after it for Tab and Enter.
class DigitFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        quantity = new QLineEdit(&window);
        next = new QLineEdit(&window);
        button = new QPushButton(QStringLiteral("OK"), &window);
        layout->addWidget(quantity);
        layout->addWidget(next);
        layout->addWidget(button);
        installKeyFilter(quantity, KeyFilterKind::Amount);
        ASSERT_TRUE(showActive(&window));
        quantity->setFocus();
        ASSERT_TRUE(quantity->hasFocus());
    }

    QWidget window;
    QLineEdit* quantity = nullptr;
    QLineEdit* next = nullptr;
    QPushButton* button = nullptr;
};

TEST_F(DigitFieldTest, TypedTextKeepsOnlyDigitsAndComma) {
    QTest::keyClicks(quantity, QStringLiteral("1a2,5 -x0"));
    EXPECT_EQ(quantity->text(), QStringLiteral("12,50"));
    QTest::keyClick(quantity, Qt::Key_Home);
    QTest::keyClick(quantity, Qt::Key_Backspace);
    EXPECT_EQ(quantity->text(), QStringLiteral("12,50"));
    QTest::keyClick(quantity, Qt::Key_End);
    QTest::keyClick(quantity, Qt::Key_Backspace);
    EXPECT_EQ(quantity->text(), QStringLiteral("12,5"));
}

// Ctrl+V and the context menu's Paste bring in the same filtered text; what
// the program put into the field is left alone.
TEST_F(DigitFieldTest, PastingKeepsWhatTypingWouldKeep) {
    QGuiApplication::clipboard()->setText(QStringLiteral("€ 1.234,5"));
    QTest::keyClick(quantity, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(quantity->text(), QStringLiteral("1234,5"));

    quantity->clear();
    ASSERT_TRUE(useContextMenu(quantity, QKeySequence::Paste));
    EXPECT_EQ(quantity->text(), QStringLiteral("1234,5"));

    quantity->setText(QStringLiteral("a1"));
    quantity->setCursorPosition(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("x2"));
    QTest::keyClick(quantity, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(quantity->text(), QStringLiteral("a12"));
    EXPECT_EQ(quantity->cursorPosition(), 3);
}

// Home, End, Shift with the arrows or Home/End, Ctrl+A and typing over a
// selection edit as in any field; none of them adds a character.
TEST_F(DigitFieldTest, EditingKeysWorkAsInAnyField) {
    quantity->setText(QStringLiteral("100"));
    quantity->setCursorPosition(0);
    QTest::keyClick(quantity, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(quantity, Qt::Key_Backspace);
    QTest::keyClicks(quantity, QStringLiteral("120"));
    EXPECT_EQ(quantity->text(), QStringLiteral("120"));

    QTest::keyClick(quantity, Qt::Key_Home);
    QTest::keyClick(quantity, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(quantity, QStringLiteral("9"));
    EXPECT_EQ(quantity->text(), QStringLiteral("920"));
    QTest::keyClick(quantity, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(quantity, QStringLiteral("4"));
    EXPECT_EQ(quantity->text(), QStringLiteral("420"));
    QTest::keyClick(quantity, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(quantity->selectedText(), QStringLiteral("420"));
    QTest::keyClicks(quantity, QStringLiteral("7"));
    EXPECT_EQ(quantity->text(), QStringLiteral("7"));
    QTest::keyClick(quantity, Qt::Key_Up);
    QTest::keyClick(quantity, Qt::Key_Down);
    EXPECT_EQ(quantity->text(), QStringLiteral("7"));
}

// A field that takes no pasting: Ctrl+V and the menu's Paste insert nothing.
TEST_F(DigitFieldTest, RefusedPasteInsertsNothing) {
    QLineEdit partitaIva(&window);
    installKeyFilter(&partitaIva, KeyFilterKind::Digits, PastePolicy::Refused);
    partitaIva.show();
    partitaIva.setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("01234567890"));
    QTest::keyClick(&partitaIva, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(partitaIva.text(), QString());
    QTest::keyClicks(&partitaIva, QStringLiteral("12"));
    EXPECT_EQ(partitaIva.text(), QStringLiteral("12"));
}

TEST_F(DigitFieldTest, TabStaysWhileEnterFollowsTheChain) {
    setEnterNext(quantity, next);
    QTest::keyClick(quantity, Qt::Key_Tab);
    EXPECT_TRUE(quantity->hasFocus());
    QTest::keyClick(quantity, Qt::Key_Return);
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(DigitFieldTest, EnterCanMoveToAButtonOrActAsAClick) {
    setEnterNext(next, button);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Enter);
    EXPECT_TRUE(button->hasFocus());

    int clicks = 0;
    setEnterAction(quantity, [&] { ++clicks; });
    quantity->setFocus();
    QTest::keyClick(quantity, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(quantity->hasFocus());
    // Setting the chain again replaces the action rather than adding to it.
    setEnterNext(quantity, next);
    QTest::keyClick(quantity, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(next->hasFocus());
}

} // namespace
