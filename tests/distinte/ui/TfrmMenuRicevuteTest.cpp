#include "distinte/ui/TfrmMenuRicevute.h"

#include "EditorFixture.h"
#include "common/Dates.h"
#include "support/ActiveWindow.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The menu beside an editor and a main menu, all on one program folder.
struct MenuFixture : EditorFixture {
    MenuFixture() { router.add(MainScreen::MenuRicevute, &menu); }

    QLineEdit* year() { return menu.findChild<QLineEdit*>(QStringLiteral("txtAnnoPreventivi")); }
    void apri() {
        QTest::mouseClick(menu.findChild<QPushButton*>(QStringLiteral("btnApriPreventivi")),
                          Qt::LeftButton);
    }

    TfrmMenuRicevute menu{fake.services, router, editor};
};

} // namespace

TEST(TfrmMenuRicevute, ShowingSetsTheCurrentYear) {
    MenuFixture f;
    ASSERT_TRUE(showActive(&f.menu));
    EXPECT_EQ(f.year()->text(), dates::currentYear());
    EXPECT_EQ(QApplication::focusWidget(), f.year());
}

TEST(TfrmMenuRicevute, YearMustHaveFourCharacters) {
    MenuFixture f;
    for (const char* typed : {"", "24", "202"}) {
        ASSERT_TRUE(showActive(&f.menu));
        f.year()->setText(QString::fromLatin1(typed));
        f.fake.messages.shown.clear();
        f.apri();
        ASSERT_EQ(f.messages(),
                  QStringList{QStringLiteral(
                      "Attenzione: indicare l'anno solare utilizzando quattro cifre.")})
            << typed;
        EXPECT_EQ(f.fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);
        EXPECT_TRUE(f.menu.isVisible());
        EXPECT_FALSE(f.editor.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), f.year());
    }
}

TEST(TfrmMenuRicevute, ApriOpensTheEditorOnThatYearsArchive) {
    MenuFixture f;
    ASSERT_TRUE(showActive(&f.menu));
    f.field(QStringLiteral("txtAcqRigo01"))->setText(QStringLiteral("rimasto da prima"));
    // By keyboard: Enter in the year moves to "Apri", Enter there opens.
    f.year()->clear();
    QTest::keyClicks(f.year(), QStringLiteral("2023"));
    QTest::keyClick(f.year(), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btnApriPreventivi"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_FALSE(f.menu.isVisible());
    EXPECT_TRUE(f.editor.isVisible());
    EXPECT_EQ(f.editor.archivePath(), f.dir.file(QStringLiteral("2023.ric")));
    EXPECT_EQ(f.editor.windowTitle(), QStringLiteral(" Vellarmo - Emissione Distinte anno 2023"));
    EXPECT_EQ(f.text(QStringLiteral("txtAcqRigo01")), QString()); // the editor starts empty
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(TfrmMenuRicevute, ClosingShowsTheMainMenu) {
    MenuFixture f;
    f.router.switchTo(MainScreen::MenuRicevute, &f.avvio);
    f.menu.close();
    EXPECT_TRUE(f.avvio.isVisible());
    EXPECT_FALSE(f.menu.isVisible());
    EXPECT_FALSE(f.editor.isVisible());
}

TEST(TfrmMenuRicevute, LinkToAScreenNotYetThereLeavesTheMenuOpen) {
    MenuFixture f;
    f.router.switchTo(MainScreen::MenuRicevute, &f.avvio);
    QTest::mouseClick(f.menu.findChild<QWidget*>(QStringLiteral("imgStatistiche")), Qt::LeftButton);
    EXPECT_TRUE(f.menu.isVisible());

    QWidget chart;
    f.router.add(MainScreen::Statistiche, &chart);
    QTest::mouseClick(f.menu.findChild<QWidget*>(QStringLiteral("lnkStatistiche")), Qt::LeftButton);
    EXPECT_TRUE(chart.isVisible());
    EXPECT_FALSE(f.menu.isVisible());
}

TEST(TfrmMenuRicevute, LogoLinkAndPictureOpenTheLogoScreen) {
    MenuFixture f;
    f.router.switchTo(MainScreen::MenuRicevute, &f.avvio);
    QTest::mouseClick(f.menu.findChild<QWidget*>(QStringLiteral("lnkWeb")), Qt::LeftButton);
    QTest::mouseClick(f.menu.findChild<QWidget*>(QStringLiteral("imgEmail")), Qt::LeftButton);
    EXPECT_EQ(f.fake.dialogs.opened,
              (QStringList{QStringLiteral("TfrmLogo"), QStringLiteral("TfrmLogo")}));
    EXPECT_TRUE(f.menu.isVisible());
}
