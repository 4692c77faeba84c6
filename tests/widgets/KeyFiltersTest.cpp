#include "widgets/KeyFilters.h"

#include "support/ActiveWindow.h"
#include "widgets/EnterChain.h"

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
        {Qt::Key_Home, "", false, false},
        {Qt::Key_End, "", false, false},
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
    EXPECT_EQ(quantity->text(), QStringLiteral("12,5"));
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
