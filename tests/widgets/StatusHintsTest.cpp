#include "widgets/StatusHints.h"

#include "widgets/LinkFeedback.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void enter(QWidget* widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(widget, &event);
}

// A plain move over `widget` at `at`, delivered as Qt delivers it: to the
// widget under the mouse and up through its parents.
void moveOver(QWidget* widget, QPoint at) {
    QWidget* target = widget->childAt(at) ? widget->childAt(at) : widget;
    const QPointF local = target->mapFrom(widget, QPointF(at));
    QMouseEvent event(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(StatusHints, CommandWritesItsHintAndBackgroundEmptiesIt) {
    QWidget screen;
    screen.resize(300, 200);
    auto* panInfo = new QLabel(QStringLiteral("Pronto."), &screen);
    panInfo->setGeometry(0, 180, 300, 20);
    auto* save = new QPushButton(QStringLiteral("Salva"), &screen);
    save->setGeometry(10, 10, 80, 30);
    auto* shape = new QFrame(&screen);
    shape->setGeometry(150, 10, 100, 100);
    auto* hints = new StatusHints(panInfo);
    hints->addHint(save, QStringLiteral("Salva la distinta."));
    hints->addBackground(&screen);
    hints->addBackground(shape);
    screen.show();

    moveOver(&screen, QPoint(20, 20)); // a move over the button that reaches the screen
    EXPECT_EQ(panInfo->text(), QStringLiteral("Pronto."));
    enter(save);
    EXPECT_EQ(panInfo->text(), QStringLiteral("Salva la distinta."));
    moveOver(&screen, QPoint(20, 20));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Salva la distinta."));
    moveOver(&screen, QPoint(120, 150));
    EXPECT_EQ(panInfo->text(), QString());

    enter(save);
    enter(shape);
    EXPECT_EQ(panInfo->text(), QString());
    enter(save);
    moveOver(shape, QPoint(5, 5));
    EXPECT_EQ(panInfo->text(), QString());
}

TEST(LinkFeedback, OrangeWhileHeldDarkBlueAfterAndClickRuns) {
    QWidget screen;
    auto* link = new QLabel(QStringLiteral("Visualizza"), &screen);
    link->resize(120, 20);
    int clicks = 0;
    applyLinkFeedback(link, [&] { ++clicks; });
    screen.show();
    const auto colour = [&] { return link->palette().color(QPalette::WindowText); };

    EXPECT_EQ(colour(), QColor(0x00008B));
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(colour(), QColor(0xFFA500));
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(colour(), QColor(0x00008B));
    EXPECT_EQ(clicks, 1);

    // Released away from the link: the colour returns, nothing is opened.
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(500, 10));
    EXPECT_EQ(colour(), QColor(0x00008B));
    EXPECT_EQ(clicks, 1);
}

} // namespace
