#include "help/HelpTopics.h"
#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"

#include <gtest/gtest.h>

namespace {

// Presses the help control `button` (of the dialog `within`, or of the
// screen showing): the help window must show `topic` and open the guide of
// the program folder from its PDF icon.
void expectHelp(Journey& j, const char* button, help::Topic topic, QWidget* within = nullptr) {
    SCOPED_TRACE(button);
    QString title;
    j.onDialog(QStringLiteral("TfrmGuida"), [&j, &title](QDialog* guida) {
        title = j.text(QStringLiteral("lblTitolo"), guida);
        j.click(QStringLiteral("imgPDF"), guida);
        j.click(QStringLiteral("btnChiudi"), guida);
    });
    const qsizetype openedBefore = j.opened().size();
    j.click(QString::fromLatin1(button), within);
    EXPECT_EQ(title, help::topic(topic).title);
    EXPECT_EQ(j.opened().mid(openedBefore),
              QStringList{j.programFolder().file(QStringLiteral("Guida.pdf"))});
    EXPECT_EQ(j.takeMessages(), QStringList());
}

// The export screen opened by the screen showing, its help, and out again.
void expectExportHelp(Journey& j, const char* exportScreen, help::Topic topic) {
    j.onDialog(QString::fromLatin1(exportScreen), [&j, topic](QDialog* screen) {
        expectHelp(j, "cmdGuida", topic, screen);
        j.click(QStringLiteral("cmdEsci"), screen);
    });
    j.click(QStringLiteral("cmdEsporta"));
}

} // namespace

// Every screen with a help button shows its own topic, and the guide opens
// from the program's folder, not from the separate data folder.
TEST(Journeys, HelpAndGuideFromEveryScreenWithAHelpButton) {
    Journey j;
    steps::logIn(j);
    expectHelp(j, "imgGuida", help::Topic::Panoramica);

    steps::openArea(j, "btnAcquirenti");
    expectHelp(j, "cmdGuida", help::Topic::Acquirenti);
    expectExportHelp(j, "TfrmExpAnagrafica", help::Topic::EsportaAnagrafica);
    steps::backToMainMenu(j);

    steps::openArea(j, "btnBollati");
    expectHelp(j, "btnGuida", help::Topic::Tariffario);
    steps::backToMainMenu(j, "cmdApplica");

    steps::openArea(j, "btnDistinte");
    expectHelp(j, "imgGuida", help::Topic::Distinte);
    j.type(QStringLiteral("txtAnnoPreventivi"), QStringLiteral("2024"));
    j.click(QStringLiteral("btnApriPreventivi"));
    expectHelp(j, "cmdGuida", help::Topic::Distinte);
    expectExportHelp(j, "TfrmExpRicevute", help::Topic::EsportaDistinte);
    steps::backToMainMenu(j);

    steps::openArea(j, "btnDistinte");
    j.click(QStringLiteral("imgRiepIncassi"));
    expectHelp(j, "imgGuida", help::Topic::Riepilogo);
    steps::chooseInterval(j,
                          {QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("Gennaio"),
                           QStringLiteral("31"), QStringLiteral("Dicembre")});
    j.onDialog(QStringLiteral("TfrmRiepLavoro"), [&j](QDialog* summary) {
        expectHelp(j, "imgGuida", help::Topic::Riepilogo, summary);
        j.click(QStringLiteral("btnEsci"), summary);
    });
    j.click(QStringLiteral("btnVisualizza"));
    steps::backToMainMenu(j, "btnEsci");

    steps::openArea(j, "btnDistinte");
    j.click(QStringLiteral("imgStatistiche"));
    expectHelp(j, "imgGuida", help::Topic::Statistiche);
    j.type(QStringLiteral("txtAnno"), QStringLiteral("2024"));
    j.click(QStringLiteral("btnApri"));
    expectHelp(j, "cmdGuida", help::Topic::Statistiche);
    steps::backToMainMenu(j, "btnEsci");
}
