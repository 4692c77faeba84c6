#include "widgets/DialogBase.h"

#include "support/ActiveWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(DialogBase, RoutingTagIsTheTrimmedHiddenLabel) {
    DialogBase dialog(nullptr);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblMemory"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("lblMemory"));
    EXPECT_EQ(dialog.routingTag(), QStringLiteral("lblMemory"));
    dialog.setRoutingTag(QStringLiteral("  rigo_03 \t"));
    EXPECT_EQ(dialog.routingTag(), QStringLiteral("rigo_03"));
    EXPECT_FALSE(label->isVisibleTo(&dialog));
}

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
