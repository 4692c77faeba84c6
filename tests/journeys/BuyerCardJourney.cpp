#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"
#include "support/RequireTool.h"

#include <gtest/gtest.h>

namespace {

// On the buyers archive: the attachments of the card on screen, where the
// first one is opened.
void openFirstAttachment(Journey& j) {
    j.onDialog(QStringLiteral("TfrmAllegaCartella"), [&j](QDialog* attachments) {
        j.click(QStringLiteral("btnApri01"), attachments);
        j.click(QStringLiteral("btnAnnulla"), attachments);
    });
    j.click(QStringLiteral("cmdFile"));
}

} // namespace

// A buyer card with a scanned document attached and opened again after the
// card was stored, its four identifiers checked from the card, and the card
// printed.
TEST(Journeys, BuyerCardAttachmentChecksAndPrint) {
    REQUIRE_TOOL("pdftotext");
    Journey j;
    steps::logIn(j);
    steps::openArea(j, "btnAcquirenti");
    steps::saveNewBuyer(j, steps::mario());

    TestFolder desk;
    desk.writeBytes(QStringLiteral("carta identita.pdf"), "%PDF-1.4 scansione");
    j.chooseFiles({desk.file(QStringLiteral("carta identita.pdf"))});
    j.onDialog(QStringLiteral("TfrmAllegaCartella"), [&j](QDialog* attachments) {
        j.click(QStringLiteral("btnSfoglia01"), attachments);
        EXPECT_EQ(j.text(QStringLiteral("txtFile01"), attachments),
                  QStringLiteral("carta identita.pdf"));
        j.type(QStringLiteral("txtDesc01"), QStringLiteral("Documento di identità"), attachments);
        j.click(QStringLiteral("btnApplica"), attachments);
    });
    j.click(QStringLiteral("cmdFile"));
    j.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(j.takeMessages(), QStringList{QStringLiteral("Le modifiche apportate alla scheda "
                                                           "corrente sono state salvate in "
                                                           "archivio.")});
    const QString copy =
        j.dataFolder().file(QStringLiteral("Documenti_Allegati/carta identita.pdf"));
    EXPECT_EQ(j.dataFolder().readBytes(QStringLiteral("Documenti_Allegati/carta identita.pdf")),
              QByteArray("%PDF-1.4 scansione"));

    // The stored card, shown again, opens its copy.
    j.click(QStringLiteral("cmdNuovo"));
    j.click(QStringLiteral("cmdPrimo"));
    EXPECT_EQ(j.text(QStringLiteral("txtNome")), QStringLiteral("Mario Rossi"));
    openFirstAttachment(j);
    EXPECT_EQ(j.opened(), QStringList{copy});

    const struct {
        const char* button;
        const char* dialog;
        const char* verdictStart;
    } checks[] = {
        {"btnCodFisc", "TfrmCodFisc", "Il codice fiscale digitato è VALIDO."},
        {"btnPartitaIva", "TfrmPartitaIva", "Il numero di partita IVA digitato risulta VALIDO."},
        {"btnIban", "TfrmIban", "L'IBAN digitato è VALIDO."},
        {"btnCarta", "TfrmCarta", "Il numero di carta di credito 4111111111111111 risulta valido."},
    };
    for (const auto& check : checks) {
        j.onDialog(QString::fromLatin1(check.dialog),
                   [&j](QDialog* dialog) { j.click(QStringLiteral("btnControlla"), dialog); });
        j.click(QString::fromLatin1(check.button));
        const QStringList verdict = j.takeMessages();
        ASSERT_EQ(verdict.size(), 1) << check.dialog;
        EXPECT_TRUE(verdict[0].startsWith(QString::fromUtf8(check.verdictStart)))
            << verdict[0].toStdString();
    }

    j.onDialog(QStringLiteral("TfrmStampaAnagrafica"),
               [&j](QDialog* print) { j.click(QStringLiteral("btnStampa"), print); });
    j.click(QStringLiteral("cmdStampa"));
    const QString card = j.printed();
    for (const char* expected : {"Mario Rossi", "Via Roma", "Napoli", "RSSMRA80A01H501U",
                                 "00743110157", "IT60X0542811101000000123456"})
        EXPECT_TRUE(card.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << card.toStdString();
    steps::backToMainMenu(j);
}
