#include "buyers/BuyerLines.h"

#include "BuyerCards.h"
#include "buyers/BuyerSearch.h"

#include <gtest/gtest.h>

namespace {

using namespace buyersearch;

TEST(BuyerLines, SummaryAndQuestionsColumns) {
    SchedaAnagrafica card = buyerCard(QStringLiteral("Ottavio Bartolomeo Ferdinandi Rossi"));
    card.note = QStringLiteral("  cliente abituale ");
    card.questioni = QStringLiteral("richiamare");
    const QString line = buyerlines::summaryLine(card);
    EXPECT_EQ(line, QStringLiteral("Ottavio Bartolomeo Ferdinan") + QStringLiteral("d") +
                        QStringLiteral("  CF: ") + QString(16, ' ') + QStringLiteral("  Tel. ") +
                        QString(15, ' ') + QStringLiteral("  Cel. ") + QString(15, ' ') +
                        QStringLiteral("  Note: cliente abituale"));

    card.codFisc = QStringLiteral("RSSMRA80A01F839X");
    card.tel = QStringLiteral("081 5551234");
    card.cel = QStringLiteral("333 1234567 / 347 7654321");
    const QString full = buyerlines::summaryLine(card);
    EXPECT_EQ(full.indexOf(QStringLiteral("RSSMRA")), 34);
    EXPECT_EQ(full.indexOf(QStringLiteral("081")), 57);
    EXPECT_EQ(full.indexOf(QStringLiteral("333")), 79);
    EXPECT_EQ(full.mid(79, 15), QStringLiteral("333 1234567 / 3"));
    EXPECT_EQ(full.indexOf(QStringLiteral("cliente")), 102);
    const QString pending = buyerlines::questionsLine(card);
    EXPECT_EQ(pending.left(94), full.left(94));
    EXPECT_EQ(pending.mid(94), QStringLiteral("  richiamare"));
}

TEST(BuyerLines, DistintaLinesKeepTheirJoinsAroundEmptyFields) {
    SchedaAnagrafica card = buyerCard(QStringLiteral("Mario Rossi"));
    card.indirizzo = QStringLiteral("Via Roma");
    card.num = QStringLiteral("12");
    card.cap = {QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                QStringLiteral("1")};
    card.localita = QStringLiteral("Napoli");
    card.prov = {QStringLiteral("N"), QStringLiteral("A")};
    const std::array<QString, 5> expected = {
        QStringLiteral("Mario Rossi"), QStringLiteral("Via Roma 12"),
        QStringLiteral("80121 Napoli NA"), QStringLiteral("C.F. "), QStringLiteral("P.I. ")};
    EXPECT_EQ(buyerlines::distintaBuyerLines(card), expected);

    const std::array<QString, 5> blank = {QString(), QStringLiteral(" "), QStringLiteral("  "),
                                          QStringLiteral("C.F. "), QStringLiteral("P.I. ")};
    EXPECT_EQ(buyerlines::distintaBuyerLines(SchedaAnagrafica{}), blank);
}

TEST(BuyerLines, OrderFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(buyerlines::lineBefore(QStringLiteral("anna"), QStringLiteral("BRUNO")));
    EXPECT_TRUE(buyerlines::lineBefore(QStringLiteral("ROSSI"), QStringLiteral("rossini")));
    EXPECT_FALSE(buyerlines::lineBefore(QStringLiteral("Rossi"), QStringLiteral("rossi")));
    EXPECT_FALSE(buyerlines::lineBefore(QStringLiteral("rossi"), QStringLiteral("Rossi")));
    // "Z" folds to "z", which sorts before the accented capital.
    EXPECT_TRUE(buyerlines::lineBefore(QStringLiteral("Zeta"), QStringLiteral("Élite")));
}

TEST(BuyerSearch, CriteriaCombineAsCaselessContains) {
    const struct {
        const char* nome;
        const char* localita;
        const char* note;
        bool listed;
    } cases[] = {
        {"ross", "nap", "", true},   {"ross", "rom", "", false}, {"ROSS", "", "", true},
        {"rossi ", "", "", false},   {"", "", "", true},         {"  ", "", "", true},
        {"", "", "abituale", false}, {"mario r", "", "", true},
    };
    const SchedaAnagrafica card =
        buyerCard(QStringLiteral("Mario Rossi"), QStringLiteral("Napoli"));
    for (const auto& c : cases) {
        Criteria criteria;
        criteria[Nome] = QString::fromLatin1(c.nome);
        criteria[Localita] = QString::fromLatin1(c.localita);
        criteria[Note] = QString::fromLatin1(c.note);
        EXPECT_EQ(matches(card, criteria, criteriaInUse(criteria)), c.listed)
            << c.nome << "|" << c.localita << "|" << c.note;
    }
    Criteria accented;
    accented[Nome] = QStringLiteral("è");
    EXPECT_FALSE(matches(buyerCard(QStringLiteral("PÈ")), accented, 1));
}

TEST(BuyerSearch, ListsAreSortedAndKeepTheirPositions) {
    TestFolder dir;
    SchedaAnagrafica pending = buyerCard(QStringLiteral("bianchi"));
    pending.questioni = QStringLiteral("richiamare");
    writeBuyers(dir, {buyerCard(QStringLiteral("Rossi"), QStringLiteral("Napoli")), pending,
                      buyerCard(QStringLiteral("ROSSI"), QStringLiteral("Roma")),
                      buyerCard(QStringLiteral("Alberti"))});
    const BuyerArchive archive(dir.folder());

    const Result all = search(archive, Criteria{});
    ASSERT_TRUE(all.ok);
    QList<qint64> order;
    for (const ResultRow& r : all.rows)
        order.append(r.position);
    EXPECT_EQ(order, (QList<qint64>{4, 2, 1, 3}));

    const Result questions = pendingQuestions(archive);
    ASSERT_EQ(questions.rows.size(), 1);
    EXPECT_EQ(questions.rows[0].position, 2);
    EXPECT_TRUE(questions.rows[0].text.endsWith(QStringLiteral("  richiamare")));
}

// Two cards whose lines coincide: the row's own card is the one chosen; only
// when that card changed does the search by line take over.
TEST(BuyerSearch, ChoosingARowOpensTheCardBehindIt) {
    TestFolder dir;
    const QString name = QString(28, QLatin1Char('A'));
    writeBuyers(dir, {buyerCard(name + QStringLiteral("uno")), buyerCard(QStringLiteral("B")),
                      buyerCard(name + QStringLiteral("due"))});
    const BuyerArchive archive(dir.folder());
    const Result rows = search(archive, Criteria{});
    ASSERT_EQ(rows.rows.size(), 3);
    EXPECT_EQ(rows.rows[0].text, rows.rows[1].text);

    for (const ResultRow& row : {rows.rows[0], rows.rows[1]}) {
        const auto chosen = choose(archive, LineKind::Summary, row);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->position, row.position);
    }
    // Card 1 is renamed elsewhere: its old line now belongs to card 3 alone.
    writeBuyers(dir, {buyerCard(QStringLiteral("Altro")), buyerCard(QStringLiteral("B")),
                      buyerCard(name + QStringLiteral("due"))});
    const auto fallback = choose(archive, LineKind::Summary, {rows.rows[0].text, 1});
    ASSERT_TRUE(fallback);
    EXPECT_EQ(fallback->position, 3);
    EXPECT_FALSE(choose(archive, LineKind::Summary, {QStringLiteral("nessuno"), 2}));
}

} // namespace
