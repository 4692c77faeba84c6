#include "widgets/WindowStyle.h"

#include "widgets/DialogBase.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A form far larger than any screen, with a button in its far corner.
QPushButton* fillOversize(QWidget* window) {
    auto* layout = new QGridLayout(window);
    auto* spacer = new QWidget(window);
    spacer->setMinimumSize(3000, 2000);
    layout->addWidget(spacer, 0, 0);
    auto* corner = new QPushButton(QStringLiteral("Esci"), window);
    corner->setObjectName(QStringLiteral("cmdEsci"));
    layout->addWidget(corner, 1, 1);
    return corner;
}

void expectReachable(QWidget* window, QPushButton* corner) {
    const QRect free = window->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window->frameGeometry()));
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("sfoContenuto"));
    ASSERT_NE(scroll, nullptr);
    // Found by name as before, and brought into view by scrolling.
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("cmdEsci")), corner);
    EXPECT_TRUE(corner->isVisible());
    scroll->ensureWidgetVisible(corner);
    const QRect seen(corner->mapTo(scroll->viewport(), QPoint(0, 0)), corner->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(seen));
}

TEST(WindowStyle, MainScreenLargerThanTheScreenScrollsInsteadOfRunningOff) {
    QWidget screen;
    QPushButton* corner = fillOversize(&screen);
    showMaximizedOnScreen(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    expectReachable(&screen, corner);
}

TEST(WindowStyle, DialogLargerThanTheScreenScrollsAndStaysOnIt) {
    DialogBase dialog(nullptr);
    QPushButton* corner = fillOversize(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    expectReachable(&dialog, corner);
}

TEST(WindowStyle, SmallDialogIsWideEnoughForItsCaptionAndKeepsItsLayout) {
    DialogBase dialog(nullptr);
    dialog.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione documenti"));
    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog), 0, 0);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QFont caption = dialog.font();
    caption.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(caption).horizontalAdvance(dialog.windowTitle()));
    EXPECT_EQ(dialog.findChild<QScrollArea*>(QStringLiteral("sfoContenuto")), nullptr);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

} // namespace
