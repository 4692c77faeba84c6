#include "tariff/ui/TfrmTrovaServizi.h"

#include "support/FakeServices.h"
#include "support/TestFolder.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString kSelectFirst = QStringLiteral(
    "Attenzione: selezionare una voce dall'elenco prima di premere il pulsante Importa dati.");

class TfrmTrovaServiziTest : public ::testing::Test {
protected:
    TfrmTrovaServiziTest() : fake(dir.folder()) {}

    void writeList(const QStringList& lines) {
        ASSERT_TRUE(tariff::writeTariffFile(dir.file(tariff::tariffFileName()), lines).ok);
    }
    // Opens the import screen over the owner.
    TfrmTrovaServizi& open() {
        dialog = std::make_unique<TfrmTrovaServizi>(fake.services, &owner);
        dialog->show();
        return *dialog;
    }
    std::optional<TariffEntry> chosen() const { return dialog->chosenEntry(); }
    QListWidget* list() { return dialog->findChild<QListWidget*>(QStringLiteral("lstRecords")); }
    void clickRow(int row) {
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    void importa() {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnImporta")),
                          Qt::LeftButton);
    }

    TestFolder dir;
    FakeServices fake;
    QWidget owner;
    std::unique_ptr<TfrmTrovaServizi> dialog;
};

const QString kFiftyName = QStringLiteral("Francobollo posta ordinaria internazionale zona 3B");

} // namespace

TEST_F(TfrmTrovaServiziTest, ImportHandsBackTheNameAndPriceOfThePickedEntry) {
    writeList({tariff::makeEntry(u"Cartolina", u"0,95"),
               tariff::makeEntry(u"Marca da bollo", u"16,00"),
               tariff::makeEntry(kFiftyName, u"1,30")});
    ASSERT_EQ(kFiftyName.size(), 50);
    open();
    auto* mano = dialog->findChild<QLabel*>(QStringLiteral("icoMano"));
    EXPECT_FALSE(mano->isVisible());
    clickRow(1);
    EXPECT_TRUE(mano->isVisible());
    importa();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(chosen(), (TariffEntry{QStringLiteral("Marca da bollo"), QStringLiteral("16,00")}));

    // A name that fills all fifty characters comes across whole.
    open();
    clickRow(2);
    importa();
    EXPECT_EQ(chosen(), (TariffEntry{kFiftyName, QStringLiteral("1,30")}));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TfrmTrovaServiziTest, ImportWithoutAPickedEntryWarnsAndHandsBackNothing) {
    writeList({tariff::makeEntry(u"Cartolina", u"0,95"), QString(),
               tariff::makeEntry(u"Marca da bollo", u"16,00")});

    open();
    importa(); // no row ever clicked, none selected
    EXPECT_EQ(fake.messages.texts(), QStringList{kSelectFirst});
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);

    clickRow(1); // a blank row is no entry
    importa();
    EXPECT_EQ(fake.messages.texts(), (QStringList{kSelectFirst, kSelectFirst}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(chosen(), std::nullopt);

    // A row chosen with the keyboard is imported like a clicked one.
    list()->setFocus();
    list()->setCurrentRow(2);
    importa();
    EXPECT_EQ(chosen(), (TariffEntry{QStringLiteral("Marca da bollo"), QStringLiteral("16,00")}));
}

TEST_F(TfrmTrovaServiziTest, EmptyOrMissingListWarnsOnImport) {
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists);
        if (fileExists)
            writeList({});
        fake.messages.shown.clear();
        open();
        EXPECT_EQ(list()->count(), 0);
        importa();
        EXPECT_EQ(fake.messages.texts(), QStringList{kEmptyList});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(chosen(), std::nullopt);
    }
}

TEST_F(TfrmTrovaServiziTest, ChiudiHandsBackNothing) {
    writeList({tariff::makeEntry(u"Bollo", u"2,00")});
    open();
    clickRow(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(chosen(), std::nullopt);
    EXPECT_EQ(tariff::readTariffFile(dir.file(tariff::tariffFileName())).lines.size(), 1);
}

// A double click or Enter on a row imports it, as "Importa dati" does.
TEST_F(TfrmTrovaServiziTest, DoubleClickOrEnterOnARowImportsIt) {
    writeList(
        {tariff::makeEntry(u"Cartolina", u"0,95"), tariff::makeEntry(u"Marca da bollo", u"16,00")});
    const TariffEntry marca{QStringLiteral("Marca da bollo"), QStringLiteral("16,00")};

    open();
    QListWidget* l = list();
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(chosen(), marca);

    open();
    list()->setFocus();
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Down); // from the first row to the second
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(chosen(), marca);

    // Enter with no row selected asks for one, as the button does.
    open();
    list()->clearSelection();
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Enter);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fake.messages.texts(), QStringList{kSelectFirst});
}
