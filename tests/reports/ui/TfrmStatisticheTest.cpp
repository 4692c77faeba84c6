#include "reports/ui/TfrmStatistiche.h"

#include "../ArchiveFixture.h"
#include "chart/ui/ChartView.h"
#include "common/Dates.h"
#include "support/FakeServices.h"
#include "support/NamedChild.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "widgets/ScreenRouter.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kYearWarning =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

// A printer chooser that notes the copies count it is offered and cancels.
class CopiesSeen final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter* printer) override {
        copies.append(printer->copyCount());
        return false;
    }
    QList<int> copies;
};

class TfrmStatisticheTest : public ::testing::Test {
protected:
    TfrmStatisticheTest() : fake(dir.folder()) {
        router.add(MainScreen::Avvio, &mainMenu);
        router.add(MainScreen::Statistiche, &screen);
        router.switchTo(MainScreen::Statistiche, &mainMenu);
    }

    template <typename T = QWidget> T* child(const char* name) {
        return namedChild<T>(screen, QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void openYear(const QString& year) {
        child<QLineEdit>("txtAnno")->setText(year);
        click("btnApri");
    }
    ChartView* chart() { return child<ChartView>("ChartStats"); }
    QList<double> values() {
        QList<double> out;
        for (const ChartPoint& p : chart()->content().points)
            out.append(p.value);
        return out;
    }

    TestFolder dir;
    FakeServices fake;
    ScreenRouter router;
    QWidget mainMenu;
    TfrmStatistiche screen{fake.services, router};
};

} // namespace

TEST_F(TfrmStatisticheTest, OpensTheYearAsTwelveRoundedMonthsAndWarnsOfDamage) {
    EXPECT_EQ(child<QLineEdit>("txtAnno")->text(), dates::currentYear());
    EXPECT_TRUE(child("panAvvio")->isVisible());
    writeArchive(
        dir, QStringLiteral("2024"),
        {distinta(QStringLiteral("1"), QStringLiteral("03/03/2024"), QStringLiteral("10,30")),
         distinta(QStringLiteral("2"), QStringLiteral("28/03/2024"), QStringLiteral("5,25")),
         distinta(QStringLiteral("3"), QStringLiteral("12/04/2024"), QStringLiteral("dieci")),
         distinta(QStringLiteral("4"), QStringLiteral("10/05/2024"), QStringLiteral("0,49")),
         distinta(QStringLiteral("5"), QStringLiteral("10/05/2023"), QStringLiteral("80,00"))});
    openYear(QStringLiteral("2024"));

    EXPECT_FALSE(child("panAvvio")->isVisible());
    EXPECT_TRUE(child("panContainer")->isVisible());
    EXPECT_EQ(values(), (QList<double>{0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(child<QLabel>("memMarzo")->text(), QStringLiteral("16"));
    EXPECT_EQ(child<QLabel>("memMaggio")->text(), QStringLiteral("0"));
    EXPECT_EQ(chart()->content().points[2].label, QStringLiteral("Marzo"));
    EXPECT_EQ(chart()->content().points[2].colour, QColor::fromRgba(0xFFFFE4C4));
    EXPECT_EQ(child<QLabel>("lblTitolo")->text(),
              QStringLiteral("Rappresentazione grafica degli incassi percepiti nell'anno 2024."));
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral("Attenzione: una distinta è danneggiata (data o totale "
                                         "non leggibili) e non è stata conteggiata.\n\r\n\r"
                                         "Distinta n. 3.")});
}

TEST_F(TfrmStatisticheTest, RefusesAYearOfOtherThanFourCharactersAndAnUnreadableArchive) {
    openYear(QStringLiteral("202"));
    EXPECT_EQ(fake.messages.texts(), QStringList{kYearWarning});
    EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Notice);
    EXPECT_TRUE(child("panAvvio")->isVisible());

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2031.ric")));
    openYear(QStringLiteral("2031"));
    EXPECT_EQ(fake.messages.texts().last(),
              QStringLiteral("Attenzione: il file di archivio non risulta accessibile."));
    EXPECT_TRUE(child("panAvvio")->isVisible());

    // A year without an archive opens twelve zero months and creates it.
    openYear(QStringLiteral("2030"));
    EXPECT_EQ(values(), QList<double>(12, 0));
    EXPECT_TRUE(dir.exists(QStringLiteral("2030.ric")));
}

TEST_F(TfrmStatisticheTest, ThePieLastsAcrossLeavingAndReopening) {
    openYear(QStringLiteral("2030"));
    click("btnTorta");
    EXPECT_EQ(chart()->style(), ChartContent::Style::Pie);
    click("btnEsci");
    EXPECT_FALSE(screen.isVisible());

    router.switchTo(MainScreen::Statistiche, &mainMenu);
    EXPECT_TRUE(child("panAvvio")->isVisible());
    EXPECT_TRUE(chart()->content().points.isEmpty());
    openYear(QStringLiteral("2031"));
    EXPECT_EQ(chart()->style(), ChartContent::Style::Pie);
    click("btnBarre");
    EXPECT_EQ(chart()->style(), ChartContent::Style::Bars);
    EXPECT_EQ(chart()->content().points.size(), 12);
}

TEST_F(TfrmStatisticheTest, CopiesAnswersThatCannotBeUsedProposeOne) {
    CopiesSeen seen;
    Services services{dir.folder(), fake.messages, fake.dialogs, fake.files,
                      seen,         fake.opener,   fake.input};
    TfrmStatistiche own(services, router);
    router.add(MainScreen::Statistiche, &own);
    router.switchTo(MainScreen::Statistiche, &mainMenu);
    own.findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2030"));
    QTest::mouseClick(own.findChild<QWidget*>(QStringLiteral("btnApri")), Qt::LeftButton);

    const QStringList answers{"", " ", "2a", " 3", "3 ", "99999999999", "0", "3"};
    for (const QString& answer : answers) {
        fake.messages.answers.append(true);
        fake.input.answers.append(answer);
        QTest::mouseClick(own.findChild<QWidget*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    }
    EXPECT_EQ(seen.copies, (QList<int>{1, 1, 1, 1, 1, 1, 1, 3}));
    ASSERT_FALSE(fake.input.asked.isEmpty());
    EXPECT_EQ(fake.input.asked[0].caption, QStringLiteral("Numero copie da stampare"));
    EXPECT_EQ(fake.input.asked[0].prompt, QStringLiteral("Copie:"));
    EXPECT_EQ(fake.input.asked[0].preset, QStringLiteral("1"));

    // No to the question, or Cancel in the copies box, asks for no printer.
    fake.messages.answers.append(false);
    QTest::mouseClick(own.findChild<QWidget*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    fake.messages.answers.append(true);
    QTest::mouseClick(own.findChild<QWidget*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    EXPECT_EQ(seen.copies.size(), answers.size());
    EXPECT_EQ(fake.messages.texts().last(),
              QStringLiteral("Si vuole stampare il presente grafico statistico?"));
}

TEST_F(TfrmStatisticheTest, PrintsEachCopyOnALandscapePage) {
    REQUIRE_TOOL("pdftotext");
    const QString pdf = dir.file(QStringLiteral("grafico.pdf"));
    PrintToPdf printers(pdf);
    Services services{dir.folder(), fake.messages, fake.dialogs, fake.files,
                      printers,     fake.opener,   fake.input};
    TfrmStatistiche own(services, router);
    router.add(MainScreen::Statistiche, &own);
    router.switchTo(MainScreen::Statistiche, &mainMenu);
    writeArchive(
        dir, QStringLiteral("2024"),
        {distinta(QStringLiteral("1"), QStringLiteral("03/03/2024"), QStringLiteral("1234,00"))});
    own.findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
    QTest::mouseClick(own.findChild<QWidget*>(QStringLiteral("btnApri")), Qt::LeftButton);

    fake.messages.answers.append(true);
    fake.input.answers.append(QStringLiteral("2"));
    QTest::mouseClick(own.findChild<QWidget*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    ASSERT_EQ(printers.calls, 1);
    const std::optional<QString> text = pdfText(pdf, true);
    ASSERT_TRUE(text.has_value());
    const QStringList pages = text->split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("Statistiche incassi percepiti")));
        EXPECT_TRUE(page.contains(QStringLiteral("Tutti gli importi sono arrotondati all'euro")));
        EXPECT_TRUE(page.contains(QStringLiteral("Incassi:")));
        EXPECT_TRUE(page.contains(QStringLiteral("1.234")));
    }
    const std::optional<QString> info = [&]() -> std::optional<QString> {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {pdf});
        if (!p.waitForFinished(30000))
            return std::nullopt;
        return QString::fromUtf8(p.readAllStandardOutput());
    }();
    ASSERT_TRUE(info.has_value());
    // A4 turned on its side: wider than tall.
    EXPECT_TRUE(
        info->contains(QRegularExpression(QStringLiteral("Page size: +84[12][.0-9]* x 595"))))
        << info->toStdString();
}
