#include "buyers/ui/TfrmStampaAnagrafica.h"

#include "AnagraficaFixture.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"

#include <QPushButton>

namespace {

// The card on screen, never stored and without name or sex, goes to paper
// as typed, with the moment of printing in the footer.
TEST(TfrmStampaAnagrafica, PrintsTheCardOnScreenOnOnePage) {
    REQUIRE_TOOL("pdftotext");
    TestFolder dir;
    const QString pdf = dir.file(QStringLiteral("scheda.pdf"));
    PrintingServices s(dir.folder(), pdf);
    ScreenRouter router;
    TfrmAnagrafica editor(s.services, router);
    editor.show();
    const auto set = [&editor](const char* name, const char* value) {
        editor.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(value));
    };
    set("txtIndirizzo", "Via Garibaldi");
    set("txtNum", "7");
    set("txtLocalita", "Roma");
    set("txtProv01", "R");
    set("txtProv02", "M");
    set("txtQuestioni", "Richiamare [lunedì]");
    editor.findChild<QLineEdit*>(QStringLiteral("txtCap01"))->setText(QStringLiteral("0"));
    editor.findChild<QLineEdit*>(QStringLiteral("txtCap02"))->setText(QStringLiteral("0"));
    editor.findChild<QLineEdit*>(QStringLiteral("txtCap03"))->setText(QStringLiteral("1"));
    editor.findChild<QLineEdit*>(QStringLiteral("txtCap04"))->setText(QStringLiteral("8"));
    editor.findChild<QLineEdit*>(QStringLiteral("txtCap05"))->setText(QStringLiteral("4"));

    s.fake.dialogs.handlers = {[](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Stampa scheda"));
        static_cast<TfrmStampaAnagrafica*>(d)->setPrintTime(
            QDateTime(QDate(2024, 3, 3), QTime(9, 5, 7)));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
        return d->result();
    }};
    QTest::mouseClick(editor.findChild<QAbstractButton*>(QStringLiteral("cmdStampa")),
                      Qt::LeftButton);

    EXPECT_EQ(s.fake.dialogs.opened, QStringList{QStringLiteral("TfrmStampaAnagrafica")});
    EXPECT_EQ(s.printers.calls, 1);
    EXPECT_TRUE(s.fake.messages.shown.isEmpty());
    const auto text = pdfText(pdf, true);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->count(QLatin1Char('\f')), 1) << "one page";
    QStringList lines;
    for (const QString& line : text->split(QLatin1Char('\n')))
        lines.append(line.simplified());
    for (const char* expected :
         {"SCHEDA ANAGRAFICA", "Cognome, nome o Rag. soc.", "Via e numero civico: Via Garibaldi 7",
          "CAP: 00184", "Località: Roma RM", "Questioni in sospeso: Richiamare [lunedì]",
          "Note:", "Stampa eseguita in data 03/03/2024 alle ore 09:05:07"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                 << text->toStdString();
    EXPECT_LT(text->indexOf(QStringLiteral("Codice fiscale:")),
              text->indexOf(QStringLiteral("Sesso:")));
}

TEST(TfrmStampaAnagrafica, AnnullaPrintsNothing) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    TfrmStampaAnagrafica dialog(fake.services, SchedaAnagrafica{}, nullptr);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnAnnulla")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(fake.printers.chosen.isEmpty());
}

} // namespace
