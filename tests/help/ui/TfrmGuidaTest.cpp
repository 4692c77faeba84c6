#include "help/ui/TfrmGuida.h"

#include "support/FakeServices.h"
#include "support/NamedChild.h"
#include "support/TestFolder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TfrmGuidaTest : public ::testing::Test {
protected:
    template <typename T = QWidget> T* child(const char* name) {
        return namedChild<T>(guida, QString::fromLatin1(name));
    }
    QColor textColour(const char* name) {
        return child(name)->palette().color(QPalette::WindowText);
    }

    TestFolder dir;
    TestFolder programFiles;
    FakeServices fake{dir.folder(), programFiles.folder()};
    QWidget owner;
    TfrmGuida guida{fake.services, &owner};
};

} // namespace

TEST_F(TfrmGuidaTest, ShowsTheTitleAndTheParagraphsWithOneEmptyLineBetween) {
    EXPECT_EQ(guida.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
    EXPECT_EQ(child<QLabel>("lblTitolo")->text(), QStringLiteral("Argomento della guida."));
    EXPECT_TRUE(child<QPlainTextEdit>("txtGuida")->isReadOnly());

    guida.setTopic(QStringLiteral("App Prova"),
                   {QStringLiteral("Primo paragrafo."), QStringLiteral("Secondo paragrafo."),
                    QStringLiteral("Terzo.")});
    EXPECT_EQ(child<QLabel>("lblTitolo")->text(), QStringLiteral("App Prova"));
    const QString shown = child<QPlainTextEdit>("txtGuida")->toPlainText();
    EXPECT_EQ(shown, QStringLiteral("Primo paragrafo.\n\nSecondo paragrafo.\n\nTerzo."));
}

TEST_F(TfrmGuidaTest, LinkAndIconOpenGuidaPdfOfTheProgramFilesNotOfTheData) {
    programFiles.writeBytes(QStringLiteral("Guida.pdf"), "%PDF-1.4");
    dir.writeBytes(QStringLiteral("Guida.pdf"), "%PDF-1.4");
    QTest::mouseClick(child("lnkWeb"), Qt::LeftButton);
    QTest::mouseClick(child("imgPDF"), Qt::LeftButton);
    EXPECT_EQ(fake.opener.opened, QStringList(2, programFiles.file(QStringLiteral("Guida.pdf"))));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(child<QLabel>("lnkWeb")->text(), QStringLiteral("Visualizza guida in formato PDF"));
}

// A guide missing where the program is installed used to open nothing, in
// silence.
TEST_F(TfrmGuidaTest, AMissingGuideIsReportedWithThePathLookedAt) {
    dir.writeBytes(QStringLiteral("Guida.pdf"), "%PDF-1.4");
    QTest::mouseClick(child("imgPDF"), Qt::LeftButton);
    EXPECT_TRUE(fake.opener.opened.isEmpty());
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Attenzione: la guida in formato PDF non è stata "
                                         "trovata.\r\n\r\nIl file cercato è \"") +
                          programFiles.file(QStringLiteral("Guida.pdf")) + QStringLiteral("\".")});
}

TEST_F(TfrmGuidaTest, LinkIsOrangeWhileHeldAndDarkBlueOtherwise) {
    programFiles.writeBytes(QStringLiteral("Guida.pdf"), "%PDF-1.4");
    const QColor darkBlue(0xFF00008Bu);
    const QColor orange(0xFFFFA500u);
    EXPECT_EQ(textColour("lnkWeb"), darkBlue);
    QTest::mousePress(child("lnkWeb"), Qt::LeftButton);
    EXPECT_EQ(textColour("lnkWeb"), orange);
    EXPECT_TRUE(fake.opener.opened.isEmpty());
    QTest::mouseRelease(child("lnkWeb"), Qt::LeftButton);
    EXPECT_EQ(textColour("lnkWeb"), darkBlue);
    EXPECT_EQ(fake.opener.opened.size(), 1);
}

TEST_F(TfrmGuidaTest, ChiudiClosesAndShowingGoesThroughTheDialogSeam) {
    QString title;
    fake.dialogs.handlers.append([&title](QDialog* d) {
        title = d->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
        d->show();
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
        return d->result();
    });
    showHelpTopic(fake.services, &owner, help::Topic::Tariffario);
    EXPECT_EQ(fake.dialogs.opened, QStringList{QStringLiteral("TfrmGuida")});
    EXPECT_EQ(title, QStringLiteral("App Tariffario Valori Bollati"));
}
