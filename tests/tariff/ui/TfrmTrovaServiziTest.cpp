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
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString kSelectFirst = QStringLiteral(
    "Attenzione: selezionare una voce dall'elenco prima di premere il pulsante Importa dati.");

QString two(int i) {
    return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

// Stands in for the distinta editor: the ten stamp lines and the total, each
// filled with a text of its own so that any stray write shows.
class EditorLines : public QWidget {
public:
    EditorLines() {
        auto* layout = new QVBoxLayout(this);
        for (const QString& name : names()) {
            auto* field = new QLineEdit(QStringLiteral("was ") + name, this);
            field->setObjectName(name);
            layout->addWidget(field);
        }
        findChild<QLineEdit*>(QStringLiteral("txtDescrizione07"))->setMaxLength(120);
        findChild<QLineEdit*>(QStringLiteral("txtUnitario07"))->setMaxLength(10);
    }

    static QStringList names() {
        QStringList out;
        for (int i = 1; i <= 10; ++i) {
            for (const char* field : {"txtQuant", "txtDescrizione", "txtUnitario", "txtImporto"})
                out.append(QString::fromLatin1(field) + two(i));
        }
        out.append(QStringLiteral("txtTotale"));
        return out;
    }

    // Every field's text but those named in `except`.
    QMap<QString, QString> textsBut(const QStringList& except) const {
        QMap<QString, QString> out;
        for (const QString& name : names()) {
            if (!except.contains(name))
                out.insert(name, findChild<QLineEdit*>(name)->text());
        }
        return out;
    }
    QString text(const QString& name) const { return findChild<QLineEdit*>(name)->text(); }
};

class TfrmTrovaServiziTest : public ::testing::Test {
protected:
    TfrmTrovaServiziTest() : fake(dir.folder()) {}

    void writeList(const QStringList& lines) {
        ASSERT_TRUE(tariff::writeTariffFile(dir.file(tariff::tariffFileName()), lines).ok);
    }
    // Opens the import screen over the stand-in editor with `tag`.
    TfrmTrovaServizi& open(const QString& tag) {
        dialog = std::make_unique<TfrmTrovaServizi>(fake.services, &editor);
        dialog->setRoutingTag(tag);
        dialog->show();
        return *dialog;
    }
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
    EditorLines editor;
    std::unique_ptr<TfrmTrovaServizi> dialog;
};

const QString kFiftyName = QStringLiteral("Francobollo posta ordinaria internazionale zona 3B");

} // namespace

TEST_F(TfrmTrovaServiziTest, ImportWritesOnlyDescriptionAndUnitValueOfTheTaggedLine) {
    writeList({tariff::makeEntry(u"Cartolina", u"0,95"),
               tariff::makeEntry(u"Marca da bollo", u"16,00"),
               tariff::makeEntry(kFiftyName, u"1,30")});
    ASSERT_EQ(kFiftyName.size(), 50);
    const QStringList line7{QStringLiteral("txtDescrizione07"), QStringLiteral("txtUnitario07")};
    const auto before = editor.textsBut(line7);

    open(QStringLiteral(" rigo_07 "));
    auto* mano = dialog->findChild<QLabel*>(QStringLiteral("icoMano"));
    EXPECT_FALSE(mano->isVisible());
    clickRow(1);
    EXPECT_TRUE(mano->isVisible());
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtNome"))->text(),
              QStringLiteral("Marca da bollo"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtPrezzoUni"))->text(),
              QStringLiteral("16,00"));
    importa();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(editor.text(line7[0]), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(editor.text(line7[1]), QStringLiteral("16,00"));
    EXPECT_EQ(editor.textsBut(line7), before);

    // A name that fills all fifty characters comes across whole.
    open(QStringLiteral("rigo_07"));
    clickRow(2);
    importa();
    EXPECT_EQ(editor.text(line7[0]), kFiftyName);
    EXPECT_EQ(editor.text(line7[1]), QStringLiteral("1,30"));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(TfrmTrovaServiziTest, EveryTagReachesItsOwnLineAndNoOther) {
    writeList({tariff::makeEntry(u"Bollo", u"2,00")});
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        open(QStringLiteral("rigo_") + two(i));
        clickRow(0);
        importa();
        EXPECT_EQ(editor.text(QStringLiteral("txtDescrizione") + two(i)), QStringLiteral("Bollo"));
        EXPECT_EQ(editor.text(QStringLiteral("txtUnitario") + two(i)), QStringLiteral("2,00"));
        if (i < 10) {
            EXPECT_EQ(editor.text(QStringLiteral("txtDescrizione") + two(i + 1)),
                      QStringLiteral("was txtDescrizione") + two(i + 1));
        }
    }

    // Any other tag confirms into nothing, but the screen still closes.
    const auto before = editor.textsBut({});
    for (const QString& tag : {QStringLiteral("lblMemory"), QStringLiteral("RIGO_07"),
                               QStringLiteral("rigo_7"), QStringLiteral("rigo_11")}) {
        SCOPED_TRACE(tag.toStdString());
        open(tag);
        clickRow(0);
        importa();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(editor.textsBut({}), before);
    }
}

TEST_F(TfrmTrovaServiziTest, ImportWithoutAPickedEntryWarnsAndWritesNothing) {
    writeList({tariff::makeEntry(u"Cartolina", u"0,95"), QString(),
               tariff::makeEntry(u"Marca da bollo", u"16,00")});
    const auto before = editor.textsBut({});

    open(QStringLiteral("rigo_03"));
    importa(); // no row ever clicked, none selected
    EXPECT_EQ(fake.messages.texts(), QStringList{kSelectFirst});
    EXPECT_EQ(fake.messages.shown[0].icon, MessageBoxes::Icon::Warning);

    clickRow(1); // a blank row is no entry
    importa();
    EXPECT_EQ(fake.messages.texts(), (QStringList{kSelectFirst, kSelectFirst}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(editor.textsBut({}), before);

    // A row chosen with the keyboard is imported like a clicked one.
    list()->setFocus();
    list()->setCurrentRow(2);
    importa();
    EXPECT_EQ(editor.text(QStringLiteral("txtDescrizione03")), QStringLiteral("Marca da bollo"));
    EXPECT_EQ(editor.text(QStringLiteral("txtUnitario03")), QStringLiteral("16,00"));
}

TEST_F(TfrmTrovaServiziTest, EmptyOrMissingListWarnsOnImport) {
    const auto before = editor.textsBut({});
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists);
        if (fileExists)
            writeList({});
        fake.messages.shown.clear();
        open(QStringLiteral("rigo_01"));
        EXPECT_EQ(list()->count(), 0);
        importa();
        EXPECT_EQ(fake.messages.texts(), QStringList{kEmptyList});
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(editor.textsBut({}), before);
}

TEST_F(TfrmTrovaServiziTest, ChiudiWritesNothing) {
    writeList({tariff::makeEntry(u"Bollo", u"2,00")});
    const auto before = editor.textsBut({});
    open(QStringLiteral("rigo_01"));
    clickRow(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(editor.textsBut({}), before);
    EXPECT_EQ(tariff::readTariffFile(dir.file(tariff::tariffFileName())).lines.size(), 1);
}
