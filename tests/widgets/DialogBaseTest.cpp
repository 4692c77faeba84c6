#include "widgets/DialogBase.h"

#include "support/ActiveWindow.h"
#include "widgets/EnterChain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(DialogBase, RoutingTagIsShownByTheHiddenLabel) {
    DialogBase dialog(nullptr);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblMemory"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("lblMemory"));
    EXPECT_EQ(dialog.routingTag(), std::nullopt);
    dialog.setRoutingTag(RoutingTag::Rigo03);
    EXPECT_EQ(dialog.routingTag(), RoutingTag::Rigo03);
    EXPECT_EQ(label->text(), QStringLiteral("rigo_03"));
    EXPECT_FALSE(label->isVisibleTo(&dialog));
}

// Every tag of the program with its text; the stamp lines map both ways.
TEST(RoutingTag, EachTagHasItsText) {
    const std::pair<RoutingTag, const char*> tags[] = {
        {RoutingTag::Avvio, "avvio"},
        {RoutingTag::Ricevute, "ricevute"},
        {RoutingTag::Statistiche, "statistiche"},
        {RoutingTag::RiepLavoro, "rieplavoro"},
        {RoutingTag::Anagrafica, "anagrafica"},
        {RoutingTag::Rigo01, "rigo_01"},
        {RoutingTag::Rigo07, "rigo_07"},
        {RoutingTag::Rigo10, "rigo_10"},
        {RoutingTag::RicevuteData, "ricevute_data"},
        {RoutingTag::Distinte, "distinte"},
    };
    for (const auto& [tag, text] : tags)
        EXPECT_EQ(routingTagText(tag), QString::fromLatin1(text));
    for (int line = 1; line <= 10; ++line) {
        ASSERT_TRUE(stampLineTag(line).has_value()) << line;
        EXPECT_EQ(stampLineOf(*stampLineTag(line)), line);
    }
    EXPECT_EQ(stampLineTag(0), std::nullopt);
    EXPECT_EQ(stampLineTag(11), std::nullopt);
    EXPECT_EQ(stampLineOf(RoutingTag::Ricevute), 0);
    EXPECT_EQ(stampLineOf(RoutingTag::Distinte), 0);
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
