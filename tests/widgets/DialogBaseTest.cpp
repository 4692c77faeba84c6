#include "widgets/DialogBase.h"

#include "support/ActiveWindow.h"
#include "widgets/EnterChain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(DialogBase, EnterInAFieldPressesNoButtonAndEscapeDoesNotClose) {
    DialogBase dialog(nullptr);
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QLineEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    layout->addWidget(field);
    layout->addWidget(ok);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    ASSERT_TRUE(showActive(&dialog));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(dialog.isVisible());
    // A focused button still takes Enter as a click.
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

// The tariff entry dialogs' buttons are no default buttons; reached from the
// last field with Enter, the button shows the keyboard focus mark and Enter
// presses it.
TEST(DialogBase, EnterPressesAFocusedButtonThatIsNoDefaultOneAndItShowsTheFocus) {
    DialogBase dialog(nullptr);
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QLineEdit(&dialog);
    auto* apply = new QPushButton(QStringLiteral("Applica"), &dialog);
    apply->setAutoDefault(false);
    layout->addWidget(field);
    layout->addWidget(apply);
    setEnterNext(field, apply);
    int clicks = 0;
    QObject::connect(apply, &QPushButton::clicked, [&] { ++clicks; });
    ASSERT_TRUE(showActive(&dialog));

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(apply->hasFocus());
    EXPECT_EQ(clicks, 0);
    QStyleOptionButton option;
    option.initFrom(apply);
    EXPECT_TRUE(option.state.testFlag(QStyle::State_HasFocus));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_KeyboardFocusChange));
    QTest::keyClick(apply, Qt::Key_Enter);
    EXPECT_EQ(clicks, 1);
}

TEST(DialogBase, KeepsASizeTheScreenFixedAndCentresOnItsOwner) {
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    ASSERT_TRUE(showActive(&owner));
    DialogBase dialog(&owner);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLineEdit(&dialog));
    dialog.setFixedSize(420, 260);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(420, 260));
    EXPECT_LE((dialog.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              4);
}

} // namespace
