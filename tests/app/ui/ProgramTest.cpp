#include "app/ui/Program.h"

#include "app/PasswordStore.h"
#include "app/ui/TfrmAvvio.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "app/ui/TfrmPassword.h"
#include "backup/BackupSettings.h"
#include "support/ActiveWindow.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(PasswordStore(folder.folder()).write(PasswordStore::firstAccessPassword()));
        program.setEndHandler([this] { ++ends; });
        program.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(program.password()));
    }

    void logIn() {
        auto* field = program.password()->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, QStringLiteral("aperturacassaz"));
        QTest::keyClick(field, Qt::Key_Enter);
        ASSERT_TRUE(program.mainMenu()->isVisible());
    }

    void clickMenu(const char* name) {
        auto* picture = program.mainMenu()->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(picture, nullptr) << name;
        QTest::mouseClick(picture, Qt::LeftButton);
    }

    QList<QWidget*> visibleScreens() const {
        QList<QWidget*> visible;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                visible.append(w);
        return visible;
    }

    TestFolder folder;
    FakeServices fake{folder.folder()};
    Program program{fake.services};
    int ends = 0;
};

TEST_F(ProgramTest, StartsOnThePasswordScreenAndOpensTheMainMenu) {
    EXPECT_EQ(visibleScreens(), QList<QWidget*>{program.password()});
    EXPECT_EQ(program.password()->windowTitle(), QStringLiteral(" Vellarmo - Accesso"));
    EXPECT_EQ(program.router().screen(MainScreen::Avvio), program.mainMenu());
    logIn();
    EXPECT_EQ(visibleScreens(), QList<QWidget*>{program.mainMenu()});
    EXPECT_EQ(program.mainMenu()->windowTitle(), QStringLiteral(" Vellarmo"));
    EXPECT_TRUE(program.mainMenu()->isMaximized());
    EXPECT_EQ(ends, 0);
}

// The password screen is on the display before the other screens are made,
// and they are all there right after, without anyone asking for them.
TEST(ProgramStart, OtherScreensFollowThePasswordScreensFirstPaint) {
    TestFolder folder;
    FakeServices fake{folder.folder()};
    Program program{fake.services};
    const auto topLevelNames = [] {
        QStringList names;
        for (QWidget* w : QApplication::topLevelWidgets())
            names.append(w->objectName());
        return names;
    };
    const QStringList before = topLevelNames();
    int readyCalls = 0;
    program.setReadyHandler([&] { ++readyCalls; });
    std::optional<QStringList> atFirstPaint;
    struct PaintWatch final : QObject {
        std::function<void()> onPaint;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && onPaint)
                std::exchange(onPaint, nullptr)();
            return false;
        }
    } watch;
    watch.onPaint = [&] { atFirstPaint = topLevelNames(); };
    program.password()->installEventFilter(&watch);

    program.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return readyCalls == 1; }));
    ASSERT_TRUE(atFirstPaint);
    EXPECT_EQ(*atFirstPaint, before);
    const QStringList after = topLevelNames();
    for (const char* name :
         {"frmAvvio", "frmCambiaPassword", "TfrmAnagrafica", "TfrmMenuRicevute", "TfrmRicevute",
          "TfrmProdotti", "TfrmMenuRiepLavoro", "TfrmStatistiche"})
        EXPECT_TRUE(after.contains(QString::fromLatin1(name)) &&
                    !before.contains(QString::fromLatin1(name)))
            << name;
    QTest::qWait(20);
    EXPECT_EQ(readyCalls, 1);
}

// Asking for a screen, or for the change-password screen, before the first
// paint makes them at once.
TEST(ProgramStart, AskingBeforeThePaintMakesTheOtherScreens) {
    TestFolder folder;
    FakeServices fake{folder.folder()};
    {
        Program program{fake.services};
        int readyCalls = 0;
        program.setReadyHandler([&] { ++readyCalls; });
        QWidget* editor = program.router().screen(MainScreen::Ricevute);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->objectName(), QStringLiteral("TfrmRicevute"));
        EXPECT_EQ(readyCalls, 1);
        program.start();
        QTest::qWait(20);
        EXPECT_EQ(program.router().screen(MainScreen::Ricevute), editor);
        EXPECT_EQ(readyCalls, 1);
    }
    {
        Program program{fake.services};
        program.password()->findChild<QPushButton*>(QStringLiteral("btnCambiaPassword"))->click();
        ASSERT_NE(program.changePassword(), nullptr);
        EXPECT_TRUE(program.changePassword()->isVisible());
        EXPECT_FALSE(program.password()->isVisible());
    }
}

TEST_F(ProgramTest, MainMenuExitEndsAtOnceWithoutQuestionsAfterARecentCopy) {
    ASSERT_TRUE(BackupSettings(folder.folder())
                    .setLastCopy({QDateTime::currentDateTime(), QStringLiteral("/media/copia")}));
    logIn();
    clickMenu("imgEsci");
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(visibleScreens().isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(ProgramTest, ClosingTheMainMenuFrameOrThePasswordScreenEnds) {
    logIn();
    program.mainMenu()->close();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(visibleScreens().isEmpty());

    Program second{fake.services};
    int secondEnds = 0;
    second.setEndHandler([&] { ++secondEnds; });
    second.start();
    second.password()->findChild<QPushButton*>(QStringLiteral("cmdEsci"))->click();
    EXPECT_EQ(secondEnds, 1);
    EXPECT_FALSE(second.password()->isVisible());
}

TEST_F(ProgramTest, MenuPicturesOpenBoxesAndTheSiteAndSkipAbsentScreens) {
    logIn();
    fake.dialogs.handlers = {
        [&](QDialog* d) {
            // The about box names the version the package carries.
            EXPECT_TRUE(d->findChild<QLabel*>(QStringLiteral("lblTesto"))
                            ->text()
                            .contains(QStringLiteral("Versione " VELLARMO_VERSION "\n")));
            return int(QDialog::Accepted);
        },
        [&](QDialog* d) {
            // The maker's links in the splash box go through the open service.
            QWidget* link = d->findChild<QLabel*>(QStringLiteral("lnkEmail"));
            QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
            return int(QDialog::Accepted);
        }};
    clickMenu("imgInfo");
    clickMenu("imgMarchio");
    EXPECT_EQ(fake.dialogs.opened,
              (QStringList{QStringLiteral("frmInfo"), QStringLiteral("frmSplash")}));
    clickMenu("imgSito");
    EXPECT_EQ(fake.opener.opened, (QStringList{QStringLiteral("mailto:info@vellarmo.it"),
                                               QStringLiteral("https://www.vellarmo.it")}));

    clickMenu("imgGuida");
    EXPECT_EQ(fake.dialogs.opened.last(), QStringLiteral("TfrmGuida"));
    EXPECT_TRUE(program.mainMenu()->isVisible());
    EXPECT_FALSE(program.ended());
}

TEST_F(ProgramTest, WorkAreasOpenFromTheMenuAndComeBackWhenClosed) {
    logIn();
    for (const auto& [picture, area] : {std::pair{"btnDistinte", MainScreen::MenuRicevute},
                                        std::pair{"btnBollati", MainScreen::Prodotti}}) {
        QWidget* screen = program.router().screen(area);
        if (screen == nullptr)
            continue;
        SCOPED_TRACE(picture);
        clickMenu(picture);
        EXPECT_EQ(visibleScreens(), QList<QWidget*>{screen});
        screen->close();
        EXPECT_EQ(visibleScreens(), QList<QWidget*>{program.mainMenu()});
    }
    EXPECT_FALSE(program.ended());
}

// The three areas and the exit are reached with Tab and opened with Enter or
// Space, the focused one marked.
TEST_F(ProgramTest, TabAndEnterOnTheMainMenuOpenTheDistinteMenu) {
    logIn();
    QWidget* menu = program.mainMenu();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QWidget* distinteMenu = program.router().screen(MainScreen::MenuRicevute);
    ASSERT_NE(distinteMenu, nullptr);
    const auto focusedName = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    EXPECT_EQ(focusedName(), QStringLiteral("btnAcquirenti"));
    QStringList reached;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(focusedName());
    }
    EXPECT_EQ(reached, (QStringList{QStringLiteral("btnBollati"), QStringLiteral("btnDistinte"),
                                    QStringLiteral("imgEsci"), QStringLiteral("btnAcquirenti")}));

    // The focus mark shows on the picture that has the focus.
    auto* distinte = menu->findChild<QWidget*>(QStringLiteral("btnDistinte"));
    distinte->setFocus();
    const QImage marked = distinte->grab().toImage();
    menu->findChild<QWidget*>(QStringLiteral("btnBollati"))->setFocus();
    EXPECT_NE(distinte->grab().toImage(), marked);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(focusedName(), QStringLiteral("btnAcquirenti"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusedName(), QStringLiteral("btnDistinte"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(visibleScreens(), QList<QWidget*>{distinteMenu});
    distinteMenu->close();

    // Space does the same; the exit ends the program.
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    menu->findChild<QWidget*>(QStringLiteral("btnDistinte"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(visibleScreens(), QList<QWidget*>{distinteMenu});
    distinteMenu->close();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    menu->findChild<QWidget*>(QStringLiteral("imgEsci"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_TRUE(program.ended());
}

TEST(MainMenu, AreaPicturesSwitchToTheirScreenOrDoNothingWhenItIsAbsent) {
    TestFolder folder;
    FakeServices fake{folder.folder()};
    const struct {
        const char* image;
        const char* button;
        MainScreen target;
    } areas[] = {{"imgAcquirenti", "btnAcquirenti", MainScreen::Anagrafica},
                 {"imgBollati", "btnBollati", MainScreen::Prodotti},
                 {"imgDistinte", "btnDistinte", MainScreen::MenuRicevute}};
    for (const auto& area : areas) {
        for (const char* name : {area.image, area.button}) {
            SCOPED_TRACE(name);
            ScreenRouter router;
            TfrmAvvio menu(fake.services, router);
            router.add(MainScreen::Avvio, &menu);
            router.switchTo(MainScreen::Avvio, nullptr);
            auto* picture = menu.findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(picture, nullptr);
            QTest::mouseClick(picture, Qt::LeftButton);
            EXPECT_TRUE(menu.isVisible());

            QWidget workScreen;
            router.add(area.target, &workScreen);
            QTest::mouseClick(picture, Qt::LeftButton);
            EXPECT_TRUE(workScreen.isVisible());
            EXPECT_FALSE(menu.isVisible());
        }
    }
}

} // namespace
