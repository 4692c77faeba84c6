#include "widgets/FieldHighlight.h"

#include "support/ActiveWindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The colour the user sees inside the field, away from text and border.
QColor backgroundOf(QWidget* field) {
    const QImage image = field->grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

class HighlightTest : public ::testing::Test {
protected:
    void SetUp() override {
        layout = new QVBoxLayout(&window);
        first = new QLineEdit(&window);
        second = new QLineEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
    }

    QWidget window;
    QVBoxLayout* layout = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
};

TEST_F(HighlightTest, StyledFieldTurnsYellowOnlyWhileFocused) {
    auto* notes = new QPlainTextEdit(&window);
    layout->addWidget(notes);
    applyStyledHighlight(first);
    applyStyledHighlight(second, QColor(0xFFFFFF));
    applyStyledHighlight(notes);
    ASSERT_TRUE(showActive(&window));

    first->setFocus();
    EXPECT_EQ(backgroundOf(first), QColor(0xFFFF00));
    EXPECT_EQ(backgroundOf(second), QColor(0xFFFFFF));
    EXPECT_EQ(backgroundOf(notes->viewport()), QColor(0xF0F8FF));

    second->setFocus();
    EXPECT_EQ(backgroundOf(first), QColor(0xF0F8FF));
    EXPECT_EQ(backgroundOf(second), QColor(0xFFFF00));

    notes->setFocus();
    EXPECT_EQ(backgroundOf(notes->viewport()), QColor(0xFFFF00));
    EXPECT_EQ(backgroundOf(second), QColor(0xFFFFFF));
    // The border is sky blue.
    EXPECT_EQ(first->grab().toImage().pixelColor(0, first->height() / 2), QColor(0x87CEEB));
}

TEST_F(HighlightTest, ReadOnlyAmountStaysBeige) {
    applyReadOnlyStyle(first, QColor(0xF5F5DC));
    ASSERT_TRUE(showActive(&window));
    first->setFocus();
    EXPECT_TRUE(first->isReadOnly());
    EXPECT_EQ(backgroundOf(first), QColor(0xF5F5DC));
}

TEST_F(HighlightTest, RectangleShowsOnlyWhileItsFieldHasFocus) {
    QWidget* effFirst = createFocusRectangle(first, QStringLiteral("effFirst"));
    QWidget* effSecond = createFocusRectangle(second, QStringLiteral("effSecond"));
    ASSERT_TRUE(showActive(&window));
    first->setFocus();
    EXPECT_TRUE(effFirst->isVisible());
    EXPECT_FALSE(effSecond->isVisible());
    EXPECT_TRUE(effFirst->geometry().contains(first->geometry()));

    second->setFocus();
    EXPECT_FALSE(effFirst->isVisible());
    EXPECT_TRUE(effSecond->isVisible());
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("effSecond")), effSecond);
}

} // namespace
