#include "buyers/ui/TfrmAllegaCartella.h"

#include "AnagraficaFixture.h"
#include "support/NamedChild.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QPushButton>

namespace {

Attachments someAttachments() {
    Attachments a;
    a.file = {QStringLiteral("vecchio.pdf"), QStringLiteral("foto.jpg"), QString()};
    a.desc = {QStringLiteral("Documento"), QStringLiteral("Foto"), QStringLiteral("Nota")};
    return a;
}

struct AttachFixture {
    template <typename T = QWidget> T* child(const QString& name) {
        return namedChild<T>(dialog, name);
    }
    QString name(int slot) {
        return child<QLineEdit>(QStringLiteral("txtFile0%1").arg(slot))->text();
    }
    bool canOpen(int slot) {
        return child<QPushButton>(QStringLiteral("btnApri0%1").arg(slot))->isEnabled();
    }
    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    // A file outside the program folder for the user to pick.
    QString source(const QString& fileName, const QByteArray& content) {
        QDir().mkpath(elsewhere.path());
        const QString path = QDir(elsewhere.path()).filePath(fileName);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    QByteArray attached(const QString& fileName) {
        return dir.readBytes(QStringLiteral("Documenti_Allegati/") + fileName);
    }

    TestFolder dir;
    TestFolder elsewhere;
    FakeServices fake{dir.folder()};
    TfrmAllegaCartella dialog{fake.services, someAttachments(), 0, nullptr};
};

TEST(TfrmAllegaCartella, ApriFollowsTheNameAndOpensTheAttachedFile) {
    AttachFixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral(" Allega file"));
    EXPECT_TRUE(f.canOpen(1));
    EXPECT_TRUE(f.canOpen(2));
    EXPECT_FALSE(f.canOpen(3));

    f.click(QStringLiteral("imgCancella02"));
    EXPECT_EQ(f.name(2), QString());
    EXPECT_FALSE(f.canOpen(2));
    EXPECT_EQ(f.dialog.attachments().desc[1], QStringLiteral("Foto"));

    f.click(QStringLiteral("btnApri01"));
    EXPECT_EQ(f.fake.opener.opened,
              QStringList(QDir(f.dir.file(QStringLiteral("Documenti_Allegati")))
                              .filePath(QStringLiteral("vecchio.pdf"))));
}

TEST(TfrmAllegaCartella, SfogliaCopiesIntoACreatedFolder) {
    AttachFixture f;
    f.fake.files.names = {f.source(QStringLiteral("carta identità.pdf"), "scansione")};
    f.click(QStringLiteral("btnSfoglia03"));
    EXPECT_EQ(f.fake.files.lastTitle, QStringLiteral("Selezionare il file da allegare:"));
    EXPECT_EQ(f.fake.files.lastFilter, QStringLiteral("Tutti i file (*.*) (*)"));
    EXPECT_EQ(f.name(3), QStringLiteral("carta identità.pdf"));
    EXPECT_TRUE(f.canOpen(3));
    EXPECT_EQ(f.attached(QStringLiteral("carta identità.pdf")), QByteArray("scansione"));
    EXPECT_TRUE(f.fake.messages.shown.isEmpty());

    // Cancelling the file dialog changes nothing, also in a filled slot.
    f.click(QStringLiteral("btnSfoglia03"));
    EXPECT_EQ(f.name(3), QStringLiteral("carta identità.pdf"));
}

// The question comes only for a file no other card names; No keeps both
// files under two names.
TEST(TfrmAllegaCartella, SameNameAsksBeforeOverwriting) {
    for (const bool overwrite : {false, true}) {
        AttachFixture f;
        QDir().mkpath(f.dir.file(QStringLiteral("Documenti_Allegati")));
        f.dir.writeBytes(QStringLiteral("Documenti_Allegati/doc.pdf"), "di un altro");
        f.fake.files.names = {f.source(QStringLiteral("doc.pdf"), "nuovo")};
        f.fake.messages.answers = {overwrite};
        f.click(QStringLiteral("btnSfoglia01"));
        EXPECT_EQ(f.fake.messages.texts(),
                  QStringList(QStringLiteral(
                      "Attenzione: nella cartella dei documenti allegati è presente un file con "
                      "lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?")));
        const QString name = overwrite ? QStringLiteral("doc.pdf") : QStringLiteral("doc (2).pdf");
        EXPECT_EQ(f.name(1), name);
        EXPECT_EQ(f.attached(name), QByteArray("nuovo"));
        EXPECT_EQ(f.attached(QStringLiteral("doc.pdf")),
                  overwrite ? QByteArray("nuovo") : QByteArray("di un altro"));
    }
}

// A link planted in the folder is refused even after Sì: the file it points
// at, outside the folder, stays as it was.
TEST(TfrmAllegaCartella, LinkInTheFolderIsNeverWrittenThrough) {
    AttachFixture f;
    const QString outside = f.source(QStringLiteral("registro.txt"), "del tabaccaio");
    QDir().mkpath(f.dir.file(QStringLiteral("Documenti_Allegati")));
    ASSERT_TRUE(QFile::link(outside, f.dir.file(QStringLiteral("Documenti_Allegati/doc.pdf"))));
    f.fake.files.names = {f.source(QStringLiteral("doc.pdf"), "nuovo")};
    f.fake.messages.answers = {true};
    f.click(QStringLiteral("btnSfoglia03"));
    EXPECT_EQ(f.fake.messages.texts(), QStringList(TfrmAllegaCartella::kCopyFailed));
    EXPECT_EQ(f.name(3), QString());
    EXPECT_EQ(f.elsewhere.readBytes(QStringLiteral("registro.txt")), QByteArray("del tabaccaio"));
    EXPECT_TRUE(QFileInfo(f.dir.file(QStringLiteral("Documenti_Allegati/doc.pdf"))).isSymLink());
}

// A copy that cannot be made is said so, and the slot keeps its old name;
// the folder's file of that name stays whole.
TEST(TfrmAllegaCartella, FailedCopyKeepsTheOldNameAndTheOldFile) {
    AttachFixture f;
    const QString folder = f.dir.file(QStringLiteral("Documenti_Allegati"));
    QDir().mkpath(folder);
    f.dir.writeBytes(QStringLiteral("Documenti_Allegati/doc.pdf"), "originale");
    f.fake.files.names = {f.source(QStringLiteral("doc.pdf"), "nuovo"),
                          f.source(QStringLiteral("altro.pdf"), "altro")};
    f.fake.messages.answers = {true};
    // An archive that can be read, so that the question is asked.
    f.dir.writeBytes(kBuyersArchiveFileName, QByteArray());
    {
        ReadOnlyScope readOnly(
            {folder, f.dir.file(QStringLiteral("Documenti_Allegati/doc.pdf")), f.elsewhere.path()});
        f.click(QStringLiteral("btnSfoglia01"));
        f.click(QStringLiteral("btnSfoglia02"));
    }
    EXPECT_EQ(f.name(1), QStringLiteral("vecchio.pdf"));
    EXPECT_EQ(f.name(2), QStringLiteral("foto.jpg"));
    EXPECT_EQ(f.fake.messages.texts().mid(1),
              QStringList(2, QStringLiteral("Attenzione: non è stato possibile copiare il file "
                                            "nella cartella Documenti_Allegati.\n\r\n\rAccertarsi "
                                            "di possedere i privilegi di scrittura nella cartella "
                                            "di installazione del programma.")));
    EXPECT_EQ(f.fake.messages.shown.last().icon, MessageBoxes::Icon::Warning);
    EXPECT_EQ(f.attached(QStringLiteral("doc.pdf")), QByteArray("originale"));
    EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("altro.pdf"))));
}

TEST(TfrmAllegaCartella, ApplicaAcceptsAndCloses) {
    TestFolder dir;
    FakeServices fake{dir.folder()};
    TfrmAllegaCartella dialog(fake.services, someAttachments(), 0, nullptr);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnApplica")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Through the editor: the six values come back on "Applica e chiudi" only,
// and reach the archive with the next Salva.
TEST(TfrmAllegaCartella, EditorTakesTheSlotsBackOnApplyAndStoresThemOnSave) {
    AnagraficaFixture f;
    SchedaAnagrafica card = buyerCard(QStringLiteral("Mario Rossi"));
    card.file = {QStringLiteral("a.pdf"), QStringLiteral("b.pdf"), QString()};
    card.desc = {QStringLiteral("Uno"), QStringLiteral("Due"), QString()};
    writeBuyers(f.dir, {card});
    f.editor.show();
    f.click(QStringLiteral("cmdPrimo"));

    TestFolder elsewhere;
    const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("c.txt"));
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("testo");
    }
    // First "Annulla" after a copy, then "Applica e chiudi" after emptying slot 2.
    f.fake.files.names = {source};
    f.fake.dialogs.handlers = {[](QDialog* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("txtFile02"))->text(),
                  QStringLiteral("b.pdf"));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnSfoglia03")),
                          Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnAnnulla")), Qt::LeftButton);
        return d->result();
    }};
    f.click(QStringLiteral("cmdFile"));
    EXPECT_EQ(f.attachedTexts().value(2), QString());
    EXPECT_TRUE(f.dir.exists(QStringLiteral("Documenti_Allegati/c.txt")));

    f.fake.dialogs.handlers = {[](QDialog* d) {
        QTest::mouseClick(d->findChild<QAbstractButton*>(QStringLiteral("imgCancella02")),
                          Qt::LeftButton);
        d->findChild<QLineEdit*>(QStringLiteral("txtDesc03"))->setText(QString(260, 'd'));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnApplica")), Qt::LeftButton);
        return d->result();
    }};
    f.click(QStringLiteral("cmdFile"));
    EXPECT_EQ(f.fake.dialogs.opened, QStringList(3, QStringLiteral("TfrmAllegaCartella")));
    EXPECT_EQ(f.attachedTexts(),
              (QStringList{QStringLiteral("a.pdf"), QString(), QString(), QStringLiteral("Uno"),
                           QStringLiteral("Due"), QString(260, 'd')}));
    // The card's field holds 250 characters: the store cuts the rest.
    f.click(QStringLiteral("cmdSalva"));
    const SchedaAnagrafica stored =
        SchedaAnagrafica::decode(f.dir.readBytes(kBuyersArchiveFileName));
    EXPECT_EQ(stored.file, (std::array<QString, 3>{QStringLiteral("a.pdf"), QString(), QString()}));
    EXPECT_EQ(stored.desc[1], QStringLiteral("Due"));
    EXPECT_EQ(stored.desc[2], QString(250, 'd'));
}

// A file for the user to pick, in a folder of its own.
QString pickable(const TestFolder& elsewhere, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(elsewhere.path()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// Through the editor's "Allega file": `source` into slot 1, then "Applica e
// chiudi".
void attachToSlot1(AnagraficaFixture& f, const QString& source) {
    f.fake.files.names = {source};
    f.fake.dialogs.handlers = {[](QDialog* d) {
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnSfoglia01")),
                          Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnApplica")), Qt::LeftButton);
        return d->result();
    }};
    f.click(QStringLiteral("cmdFile"));
}

void typeCard(AnagraficaFixture& f, const QString& name, const QString& sex) {
    f.field(QStringLiteral("txtNome"))->setText(name);
    f.field(QStringLiteral("txtSesso"))->setText(sex);
}

// A name the card cannot hold in Windows-1252 is copied under one it can, so
// the stored card opens the very file that was copied.
TEST(TfrmAllegaCartella, ForeignNameIsAttachedSavedReloadedAndOpened) {
    AnagraficaFixture f;
    TestFolder elsewhere;
    f.editor.show();
    typeCard(f, QStringLiteral("Ivan Petrov"), QStringLiteral("M"));
    attachToSlot1(f, pickable(elsewhere, QStringLiteral("Документ.pdf"), "passaporto"));
    EXPECT_EQ(f.attachedTexts().value(0), QStringLiteral("________.pdf"));
    f.click(QStringLiteral("cmdSalva"));
    f.click(QStringLiteral("cmdNuovo"));
    f.click(QStringLiteral("cmdPrimo"));
    ASSERT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Ivan Petrov"));

    f.fake.dialogs.handlers = {[](QDialog* d) {
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("btnApri01")), Qt::LeftButton);
        return int(QDialog::Rejected);
    }};
    f.click(QStringLiteral("cmdFile"));
    ASSERT_EQ(f.fake.opener.opened.size(), 1);
    QFile opened(f.fake.opener.opened.first());
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), QByteArray("passaporto"));
}

TEST(TfrmAllegaCartella, TwoBuyersWithDifferentDocPdfKeepTwoFiles) {
    AnagraficaFixture f;
    TestFolder elsewhere;
    f.editor.show();
    typeCard(f, QStringLiteral("Anna Bianchi"), QStringLiteral("F"));
    attachToSlot1(f, pickable(elsewhere, QStringLiteral("doc.pdf"), "di Anna"));
    f.click(QStringLiteral("cmdSalva"));
    f.click(QStringLiteral("cmdNuovo"));
    typeCard(f, QStringLiteral("Bruno Verdi"), QStringLiteral("M"));
    attachToSlot1(f, pickable(elsewhere, QStringLiteral("doc.pdf"), "di Bruno"));
    EXPECT_EQ(f.attachedTexts().value(0), QStringLiteral("doc (2).pdf"));
    f.click(QStringLiteral("cmdSalva"));
    // A third buyer bringing Anna's very document shares her file.
    f.click(QStringLiteral("cmdNuovo"));
    typeCard(f, QStringLiteral("Carla Neri"), QStringLiteral("F"));
    attachToSlot1(f, pickable(elsewhere, QStringLiteral("doc.pdf"), "di Anna"));
    f.click(QStringLiteral("cmdSalva"));

    EXPECT_FALSE(f.messages().contains(TfrmAllegaCartella::kOverwriteQuestion));
    const QByteArray bytes = f.dir.readBytes(kBuyersArchiveFileName);
    ASSERT_EQ(bytes.size(), 3 * SchedaAnagrafica::kRecordSize);
    const QStringList stored = {SchedaAnagrafica::decode(bytes.mid(0, 3831)).file[0],
                                SchedaAnagrafica::decode(bytes.mid(3831, 3831)).file[0],
                                SchedaAnagrafica::decode(bytes.mid(2 * 3831)).file[0]};
    EXPECT_EQ(stored, QStringList({QStringLiteral("doc.pdf"), QStringLiteral("doc (2).pdf"),
                                   QStringLiteral("doc.pdf")}));
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("Documenti_Allegati/doc.pdf")), QByteArray("di Anna"));
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("Documenti_Allegati/doc (2).pdf")),
              QByteArray("di Bruno"));
}

} // namespace
