// Every screen and dialog of the program, opened on the screen size this test
// binary runs with (a 1024x768 till screen; see tests/CMakeLists.txt), must
// show each control the user acts on inside the screen's available area and
// inside its own window.
//
// With VELLARMO_SCREENSHOTS set to a folder, each screen is also saved there
// as <name>-<width>x<height>.png, for the pictures in docs/.

#include "app/ui/Program.h"
#include "support/FakeServices.h"
#include "support/SampleShop.h"
#include "support/ScreenCatalogue.h"
#include "support/TestFolder.h"
#include "widgets/PictureButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

void PrintTo(const ScreenEntry& entry, std::ostream* os) {
    *os << entry.name;
}

namespace {

// The program on the sample shop's folder, where every entry of the
// catalogue opens its screen.
struct Shop {
    Shop() { EXPECT_TRUE(SampleShop::write(folder.folder())); }

    TestFolder folder;
    FakeServices fake{folder.folder()};
    Program program{fake.services};
    ScreenStage stage{program, fake.services, folder.folder()};
};

// Controls the user types into, clicks or picks from.
bool actedOn(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const PictureButton*>(w);
}

// The part of `w` the user can see: its rectangle clipped by every widget it
// sits in (a scroll area's viewport included), in global coordinates.
QRect visiblePart(const QWidget* w) {
    QRect part(w->mapToGlobal(QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget())
        part &= QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
    return part;
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Two controls overlap when the layout was squeezed below what they need.
bool overlapping(const QWidget* a, const QWidget* b) {
    if (a->isAncestorOf(b) || b->isAncestorOf(a))
        return false;
    const QRect ra(a->mapToGlobal(QPoint(0, 0)), a->size());
    const QRect rb(b->mapToGlobal(QPoint(0, 0)), b->size());
    return ra.intersects(rb);
}

class ScreenFit : public ::testing::TestWithParam<ScreenEntry> {};

TEST_P(ScreenFit, EveryControlIsInsideTheScreenAndItsWindow) {
    Shop shop;
    QWidget* window = GetParam().open(shop.stage);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(shop.stage.problems(), QStringList{});
    EXPECT_EQ(shop.fake.messages.texts(), QStringList{}) << "the screen said something on opening";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();

    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << "window " << describe(frame).toStdString() << " on "
                                           << describe(available).toStdString();
    // A window manager keeps a window at least as large as its layout needs,
    // borders and title bar included.
    const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize()) + QSize(8, 36);
    EXPECT_TRUE(needed.width() <= available.width() && needed.height() <= available.height())
        << "needs " << needed.width() << "x" << needed.height();
    // The kit scrolls a window that would not fit; a screen designed for
    // 1024x768 never needs that.
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("sfoContenuto")), nullptr)
        << "the window only fits by scrolling its content";
    const QRect inside(window->mapToGlobal(QPoint(0, 0)), window->size());

    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (actedOn(w) && w->isVisible() && !w->size().isEmpty() && w->window() == window)
            controls.append(w);
    }
    ASSERT_FALSE(controls.isEmpty()) << "no control found: the table opened the wrong window";
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget* w = controls[i];
        const QRect whole(w->mapToGlobal(QPoint(0, 0)), w->size());
        const QRect seen = visiblePart(w);
        EXPECT_TRUE(seen == whole && inside.contains(whole) && available.contains(whole))
            << w->objectName().toStdString() << " at " << describe(whole).toStdString() << ", seen "
            << describe(seen).toStdString() << ", window " << describe(inside).toStdString();
        // Rows read to their end (the tariff prices) without scrolling sideways.
        if (const auto* view = qobject_cast<const QListWidget*>(w)) {
            EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0)
                << w->objectName().toStdString() << " hides the end of its rows";
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(overlapping(w, controls[j]))
                << w->objectName().toStdString() << " overlaps "
                << controls[j]->objectName().toStdString();
    }

    // Dialogs: a title bar without minimise and maximise buttons.
    if (shop.stage.openedDialog()) {
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    const QString shots = qEnvironmentVariable("VELLARMO_SCREENSHOTS");
    if (!shots.isEmpty()) {
        const QSize size = window->screen()->size();
        window->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2x%3.png")
                                                     .arg(QLatin1String(GetParam().name))
                                                     .arg(size.width())
                                                     .arg(size.height())));
    }
}

INSTANTIATE_TEST_SUITE_P(AllScreens, ScreenFit, ::testing::ValuesIn(everyScreen()),
                         [](const ::testing::TestParamInfo<ScreenEntry>& param) {
                             std::string name = param.param.name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

} // namespace
