#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"
#include "support/RequireTool.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

// A working day at the counter done with the keyboard as much as with the
// mouse: the keys that edit amounts and numbers, the commands' keys, and the
// buyers archive that neither drops an edit nor mixes two buyers' documents.

namespace {

const QString kSaved =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// On the buyers archive: `file` attached in the card's first slot, Applica,
// then the card saved.
void attachAndSave(Journey& j, const QString& file) {
    j.chooseFiles({file});
    j.onDialog(QStringLiteral("TfrmAllegaCartella"), [&j](QDialog* attachments) {
        j.click(QStringLiteral("btnSfoglia01"), attachments);
        j.click(QStringLiteral("btnApplica"), attachments);
    });
    j.click(QStringLiteral("cmdFile"));
    j.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(j.takeMessages(), QStringList{kSaved});
}

// Presses Tab until `name` has the focus; false when a whole round of the
// screen's controls never reaches it.
bool tabTo(Journey& j, const QString& name) {
    for (int step = 0; step < 30; ++step) {
        if (j.focused() != nullptr && j.focused()->objectName() == name)
            return true;
        j.press(Qt::Key_Tab);
    }
    return false;
}

} // namespace

// The main menu opened with Tab and Enter; in the tariff list a point and the
// keypad's decimal key both give the decimal comma.
TEST(Journeys, MainMenuByKeyboardAndDecimalKeysInPrices) {
    Journey j;
    steps::logIn(j);
    ASSERT_TRUE(tabTo(j, QStringLiteral("btnDistinte")));
    j.press(Qt::Key_Return);
    EXPECT_EQ(j.screen()->objectName(), QStringLiteral("TfrmMenuRicevute"));
    j.click(QStringLiteral("imgEsci"));
    ASSERT_EQ(j.screen()->objectName(), QStringLiteral("frmAvvio"));

    steps::openArea(j, "btnBollati");
    steps::addTariffEntry(j, QStringLiteral("Marca da bollo"), QStringLiteral("3.10"));
    j.onDialog(QStringLiteral("TfrmAggiungi_Voce"), [&j](QDialog* entry) {
        j.type(QStringLiteral("txtNomeVoce"), QStringLiteral("Francobollo"), entry);
        j.type(QStringLiteral("txtPrezzo"), QStringLiteral("1"), entry);
        j.press(Qt::Key_Period, Qt::KeypadModifier, entry);
        j.press(Qt::Key_2, Qt::NoModifier, entry);
        j.press(Qt::Key_5, Qt::NoModifier, entry);
        EXPECT_EQ(j.text(QStringLiteral("txtPrezzo"), entry), QStringLiteral("1,25"));
        j.click(QStringLiteral("btnApplica"), entry);
    });
    j.click(QStringLiteral("cmdAggiungi"));
    const QStringList entries = j.rows();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0].contains(QStringLiteral("3,10"))) << entries[0].toStdString();
    EXPECT_TRUE(entries[1].contains(QStringLiteral("1,25"))) << entries[1].toStdString();
    steps::backToMainMenu(j, "cmdApplica");
    const QByteArray file = j.dataFolder().readBytes(QStringLiteral("Valori_Bollati.lst"));
    EXPECT_TRUE(file.contains("3,10")) << file.toStdString();
    EXPECT_FALSE(file.contains("310,00")) << file.toStdString();
}

// A firm saved without a sex; two buyers attaching different files of the
// same name keep a file each; an edited card left by Precedente asks first.
TEST(Journeys, BuyersKeepTheirOwnDocumentsAndNoEditIsDropped) {
    Journey j;
    steps::logIn(j);
    steps::openArea(j, "btnAcquirenti");
    TestFolder first, second;
    first.writeBytes(QStringLiteral("doc.pdf"), "%PDF-1.4 documento di Mario");
    second.writeBytes(QStringLiteral("doc.pdf"), "%PDF-1.4 visura della ditta");

    steps::saveNewBuyer(j, steps::mario());
    attachAndSave(j, first.file(QStringLiteral("doc.pdf")));

    steps::Buyer firm = steps::mario();
    firm.nome = QStringLiteral("Rossi Forniture S.r.l.");
    firm.sesso.clear();
    firm.codFisc = firm.partitaIva;
    firm.localita = QStringLiteral("Napoli");
    steps::saveNewBuyer(j, firm);
    attachAndSave(j, second.file(QStringLiteral("doc.pdf")));
    EXPECT_EQ(j.dataFolder().readBytes(QStringLiteral("Documenti_Allegati/doc.pdf")),
              QByteArray("%PDF-1.4 documento di Mario"));
    EXPECT_EQ(j.dataFolder().readBytes(QStringLiteral("Documenti_Allegati/doc (2).pdf")),
              QByteArray("%PDF-1.4 visura della ditta"));

    // An edit left by Precedente: the question, then No shows the card before.
    j.type(QStringLiteral("txtLocalita"), QStringLiteral("Caserta"));
    j.messages().threeWayAnswers = {MessageBoxes::Answer::No};
    j.click(QStringLiteral("cmdIndietro"));
    EXPECT_EQ(j.takeMessages(),
              QStringList{QStringLiteral("Salvare le modifiche apportate alla scheda corrente?")});
    EXPECT_EQ(j.text(QStringLiteral("txtNome")), QStringLiteral("Mario Rossi"));
    j.click(QStringLiteral("cmdAvanti"));
    EXPECT_EQ(j.text(QStringLiteral("txtNome")), QStringLiteral("Rossi Forniture S.r.l."));
    EXPECT_EQ(j.text(QStringLiteral("txtLocalita")), QStringLiteral("Napoli"));
    EXPECT_EQ(j.takeMessages(), QStringList()) << "a card only looked at asks nothing";
    steps::backToMainMenu(j);
}

// On the distinta editor: F3 imports a stamp, a quantity corrected with Home,
// End and Backspace, Ctrl+S saves, Ctrl+P prints the right law, and the PDF
// save proposes the distinta's own name.
TEST(Journeys, DistintaCorrectedAndSavedByKeyboard) {
    REQUIRE_TOOL("pdftotext");
    Journey j;
    steps::issueDistinta(j);

    j.type(QStringLiteral("txtDescrizione03"), QString());
    j.onDialog(QStringLiteral("TfrmTrovaServizi"), [&j](QDialog* tariff) {
        j.clickRow(QStringLiteral("Francobollo"), tariff);
        j.click(QStringLiteral("btnImporta"), tariff);
    });
    j.press(Qt::Key_F3);
    EXPECT_EQ(j.text(QStringLiteral("txtDescrizione03")), QStringLiteral("Francobollo"));

    j.type(QStringLiteral("txtQuant01"), QStringLiteral("100"));
    j.press(Qt::Key_Home);
    j.press(Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        j.press(Qt::Key_Backspace);
    for (Qt::Key digit : {Qt::Key_1, Qt::Key_2, Qt::Key_0})
        j.press(digit);
    j.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(j.takeMessages(), QStringList{kSaved});
    EXPECT_EQ(j.text(QStringLiteral("txtQuant01")), QStringLiteral("120"));
    const QByteArray archive = j.dataFolder().readBytes(QStringLiteral("2024.ric"));
    EXPECT_TRUE(archive.contains("\x03"
                                 "120"))
        << "quantity stored as typed";
    EXPECT_FALSE(archive.contains("120100"));

    j.onDialog(QStringLiteral("TfrmStampaRic"),
               [&j](QDialog* print) { j.click(QStringLiteral("btnStampa"), print); });
    j.press(Qt::Key_P, Qt::ControlModifier);
    const QString page = j.printed();
    EXPECT_TRUE(page.contains(QStringLiteral("n. 633"))) << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("n. 663"))) << page.toStdString();

    TestFolder desk;
    const QString chosen = desk.file(QStringLiteral("per il commercialista.pdf"));
    j.chooseFiles({chosen});
    j.onDialog(QStringLiteral("TfrmAnteprimaRic"),
               [&j](QDialog* preview) { j.click(QStringLiteral("btnSalvaPdf"), preview); });
    j.click(QStringLiteral("cmdAnteprima"));
    EXPECT_EQ(j.proposedPath(),
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                  .filePath(QStringLiteral("Distinta 1 del 05-03-2024.pdf")));
    EXPECT_EQ(j.takeMessages(),
              QStringList{QStringLiteral("Il file PDF è stato salvato in:\n\r\n\r") +
                          QDir::toNativeSeparators(chosen)});
    EXPECT_TRUE(desk.readBytes(QStringLiteral("per il commercialista.pdf")).startsWith("%PDF"));
    steps::backToMainMenu(j);
}
