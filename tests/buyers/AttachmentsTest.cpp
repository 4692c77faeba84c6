#include "buyers/Attachments.h"

#include "BuyerCards.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using attachments::Placed;

TEST(Attachments, StorableNamesAreNamesTheCardHoldsExactly) {
    const struct {
        QString chosen;
        QString kept;
    } cases[] = {
        {QStringLiteral("carta identità.pdf"), QStringLiteral("carta identità.pdf")},
        {QStringLiteral("Документ.pdf"), QStringLiteral("________.pdf")},
        {QStringLiteral("ţară.pdf"), QStringLiteral("_ar_.pdf")},
        // One character beyond 16 bits is one "_", not two.
        {QStringLiteral("foto \U0001F600.jpg"), QStringLiteral("foto _.jpg")},
        // The card trims what it stores, so the file is named trimmed too.
        {QStringLiteral("  doc.pdf "), QStringLiteral("doc.pdf")},
        {QStringLiteral("scansione"), QStringLiteral("scansione")},
        {QString(251, QLatin1Char('a')) + QStringLiteral(".pdf"),
         QString(246, QLatin1Char('a')) + QStringLiteral(".pdf")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(attachments::storableName(c.chosen), c.kept) << c.chosen.toStdString();
        SchedaAnagrafica card;
        card.file[0] = c.kept;
        EXPECT_EQ(SchedaAnagrafica::decode(card.encode()).file[0], c.kept);
    }
    EXPECT_EQ(attachments::numberedName(QStringLiteral("nome.pdf"), 2),
              QStringLiteral("nome (2).pdf"));
    EXPECT_EQ(attachments::numberedName(QStringLiteral("scansione"), 3),
              QStringLiteral("scansione (3)"));
    EXPECT_EQ(attachments::numberedName(QStringLiteral(".profilo"), 2),
              QStringLiteral(".profilo (2)"));
    const QString longest = QString(246, QLatin1Char('b')) + QStringLiteral(".pdf");
    EXPECT_EQ(attachments::numberedName(longest, 12),
              QString(241, QLatin1Char('b')) + QStringLiteral(" (12).pdf"));
}

// A program folder with a folder elsewhere to choose files from.
struct PlaceFixture {
    QString chosen(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(elsewhere.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void inFolder(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(attachments::folderPath(dir.folder()));
        dir.writeBytes(QStringLiteral("Documenti_Allegati/") + name, bytes);
    }
    QByteArray attached(const QString& name) {
        return dir.readBytes(QStringLiteral("Documenti_Allegati/") + name);
    }
    Placed place(const QString& source, const attachments::NamesInUse& inUse, bool overwrite) {
        return attachments::place(dir.folder(), source, inUse, [this, overwrite] {
            ++asked;
            return overwrite;
        });
    }

    TestFolder dir;
    TestFolder elsewhere;
    int asked = 0;
};

const attachments::NamesInUse kNobody = QSet<QString>();

TEST(Attachments, PlaceNeverReplacesOrBorrowsAnotherCardsFile) {
    const struct {
        const char* what;
        attachments::NamesInUse inUse;
        bool overwrite;
        int asked;
        const char* name;
        QByteArray docPdf; // the folder's doc.pdf afterwards
    } cases[] = {
        {"nobody's, Sì", kNobody, true, 1, "doc.pdf", "nuovo"},
        {"nobody's, No", kNobody, false, 1, "doc (2).pdf", "vecchio"},
        {"another card's", QSet<QString>{QStringLiteral("doc.pdf")}, true, 0, "doc (2).pdf",
         "vecchio"},
        // Unknown users count as users.
        {"archive unreadable", std::nullopt, true, 0, "doc (2).pdf", "vecchio"},
    };
    for (const auto& c : cases) {
        PlaceFixture f;
        f.inFolder(QStringLiteral("doc.pdf"), "vecchio");
        const Placed placed =
            f.place(f.chosen(QStringLiteral("doc.pdf"), "nuovo"), c.inUse, c.overwrite);
        EXPECT_EQ(placed.kind, Placed::Copied) << c.what;
        EXPECT_EQ(placed.name, QString::fromUtf8(c.name)) << c.what;
        EXPECT_EQ(f.asked, c.asked) << c.what;
        EXPECT_EQ(f.attached(QStringLiteral("doc.pdf")), c.docPdf) << c.what;
        EXPECT_EQ(f.attached(placed.name), QByteArray("nuovo")) << c.what;
    }
}

TEST(Attachments, PlaceReusesTheSameBytesAndSkipsNamesInUse) {
    PlaceFixture f;
    f.inFolder(QStringLiteral("doc.pdf"), "primo");
    f.inFolder(QStringLiteral("doc (2).pdf"), "secondo");
    const attachments::NamesInUse docUsed = QSet<QString>{QStringLiteral("doc.pdf")};
    // The same bytes under the name or a numbered one: nothing asked or written.
    const struct {
        QByteArray bytes;
        attachments::NamesInUse inUse;
        QString name;
    } same[] = {{"primo", kNobody, QStringLiteral("doc.pdf")},
                {"secondo", docUsed, QStringLiteral("doc (2).pdf")}};
    for (const auto& c : same) {
        const Placed placed = f.place(f.chosen(QStringLiteral("doc.pdf"), c.bytes), c.inUse, true);
        EXPECT_EQ(placed.kind, Placed::Reused);
        EXPECT_EQ(placed.name, c.name);
    }
    EXPECT_EQ(f.asked, 0);

    // "doc (3).pdf" is named by a card whose file is missing: never borrowed.
    const Placed placed =
        f.place(f.chosen(QStringLiteral("doc.pdf"), "terzo"),
                QSet<QString>{QStringLiteral("doc.pdf"), QStringLiteral("doc (3).pdf")}, true);
    EXPECT_EQ(placed.name, QStringLiteral("doc (4).pdf"));
    EXPECT_EQ(f.attached(QStringLiteral("doc (4).pdf")), QByteArray("terzo"));
    EXPECT_EQ(f.attached(QStringLiteral("doc.pdf")), QByteArray("primo"));
    EXPECT_EQ(f.attached(QStringLiteral("doc (2).pdf")), QByteArray("secondo"));
}

// A link planted in the folder, or in the folder's place, is never written
// through: the file it points at stays as it was, and a dangling link makes
// no file appear at its target.
TEST(Attachments, PlaceRefusesLinks) {
    PlaceFixture f;
    const QString outside = f.chosen(QStringLiteral("bilancio.ods"), "conti del tabaccaio");
    const QString nowhere = QDir(f.elsewhere.path()).filePath(QStringLiteral("nuovo.txt"));
    QDir().mkpath(attachments::folderPath(f.dir.folder()));
    const QString folder = attachments::folderPath(f.dir.folder());
    ASSERT_TRUE(QFile::link(outside, QDir(folder).filePath(QStringLiteral("doc.pdf"))));
    ASSERT_TRUE(QFile::link(nowhere, QDir(folder).filePath(QStringLiteral("vuoto.pdf"))));
    for (const char* name : {"doc.pdf", "vuoto.pdf"}) {
        const Placed placed =
            f.place(f.chosen(QString::fromLatin1(name), "sovrascritto"), kNobody, true);
        EXPECT_EQ(placed.kind, Placed::Failed) << name;
    }
    EXPECT_EQ(f.elsewhere.readBytes(QStringLiteral("bilancio.ods")),
              QByteArray("conti del tabaccaio"));
    EXPECT_FALSE(QFileInfo::exists(nowhere));

    PlaceFixture g;
    ASSERT_TRUE(QFile::link(g.elsewhere.path(), attachments::folderPath(g.dir.folder())));
    EXPECT_EQ(g.place(g.chosen(QStringLiteral("doc.pdf"), "x"), kNobody, true).kind,
              Placed::Failed);
    EXPECT_EQ(QDir(g.elsewhere.path()).entryList(QDir::Files),
              QStringList(QStringLiteral("doc.pdf")));
}

TEST(Attachments, PlaceTakesNamesUpToTheFileSystemsLimit) {
    for (const int length : {243, 250, 255}) {
        PlaceFixture f;
        const QString name = QString(length - 4, QLatin1Char('n')) + QStringLiteral(".pdf");
        const Placed placed = f.place(f.chosen(name, "lungo"), kNobody, true);
        ASSERT_EQ(placed.kind, Placed::Copied) << length;
        EXPECT_EQ(placed.name, attachments::storableName(name));
        EXPECT_EQ(f.attached(placed.name), QByteArray("lungo"));
        EXPECT_EQ(
            QDir(attachments::folderPath(f.dir.folder())).entryList(QDir::Files | QDir::Hidden),
            QStringList(placed.name));
    }
}

TEST(Attachments, NamesInUseAreOtherCardsAndOtherSlots) {
    TestFolder dir;
    QList<SchedaAnagrafica> cards = numberedCards(3);
    cards[0].file = {QStringLiteral("a.pdf"), QString(), QStringLiteral("b.pdf")};
    cards[1].file = {QStringLiteral("c.pdf"), QString(), QString()};
    writeBuyers(dir, cards);
    Attachments editing;
    editing.file = {QStringLiteral("d.pdf"), QStringLiteral(" e.pdf "), QString()};
    EXPECT_EQ(
        attachments::namesInUse(dir.folder(), 2, editing, 0),
        (QSet<QString>{QStringLiteral("a.pdf"), QStringLiteral("b.pdf"), QStringLiteral("e.pdf")}));
    EXPECT_EQ(attachments::namesInUse(dir.folder(), 0, Attachments{}, 0)->size(), 3);
}

} // namespace
