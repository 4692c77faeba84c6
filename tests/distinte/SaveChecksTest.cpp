#include "distinte/SaveChecks.h"

#include <gtest/gtest.h>

using savechecks::firstProblem;

// Filling the distinta field by field walks through every check in order:
// each fix reveals the next problem, until none is left.
TEST(SaveChecks, ProblemsComeInOrderWithTheFieldToFocus) {
    Ricevuta d;
    d.data = QStringLiteral("31/04/2024"); // filled early, so the empty number comes first
    d.descrizione[0] = QStringLiteral("   ");

    struct Step {
        std::function<void(Ricevuta&)> fix;
        Ricevuta::Field field;
        QString message;
    };
    const QList<Step> steps = {
        {[](Ricevuta&) {}, Ricevuta::AcqRigo01,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome o la "
                        "ragione sociale dell'acquirente.")},
        {[](Ricevuta& r) { r.acqRigo[0] = QStringLiteral("Mario Bianchi"); }, Ricevuta::NumRic,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero della "
                        "distinta.")},
        {[](Ricevuta& r) {
             r.numRic = QStringLiteral("7");
             r.data = QStringLiteral(" ");
         },
         Ricevuta::Data,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della "
                        "distinta.")},
        {[](Ricevuta& r) { r.data = QStringLiteral("31/04/2024"); }, Ricevuta::Data,
         QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la "
                        "scheda è necessario indicare una data valida nel formato gg/mm/anno.")},
        {[](Ricevuta& r) { r.data = QStringLiteral("29/02/2024"); }, Ricevuta::Descrizione01,
         QStringLiteral("Attenzione: per salvare la scheda è necessario compilare la descrizione "
                        "dei valori bollati acquistati (1° rigo).")},
        {[](Ricevuta& r) { r.descrizione[0] = QStringLiteral("Marca da bollo"); },
         Ricevuta::Unitario01,
         QStringLiteral("Attenzione: per salvare la scheda è necessario compilare il valore "
                        "unitario dei valori bollati acquistati (1° rigo).")},
    };
    for (const Step& step : steps) {
        step.fix(d);
        const auto problem = firstProblem(d);
        ASSERT_TRUE(problem.has_value()) << step.field;
        EXPECT_EQ(problem->field, step.field);
        EXPECT_EQ(problem->message, step.message);
    }
    d.unitario[0] = QStringLiteral("16,00");
    EXPECT_FALSE(firstProblem(d).has_value());
}

TEST(SaveChecks, AFailedTotalNamesTheTextAndItsLine) {
    using Column = distintatotal::Problem::Column;
    const struct {
        int line;
        Column column;
        const char* what;
        Ricevuta::Field field;
    } cases[] = {
        {0, Column::Quant, "la quantità", Ricevuta::Quant01},
        {1, Column::Unitario, "il valore unitario", Ricevuta::Field(Ricevuta::Unitario01 + 1)},
        {9, Column::Importo, "l'importo", Ricevuta::Field(Ricevuta::Importo01 + 9)},
    };
    for (const auto& c : cases) {
        const savechecks::Problem problem = savechecks::totalProblem({c.line, c.column});
        EXPECT_EQ(problem.field, c.field);
        EXPECT_EQ(problem.message,
                  QStringLiteral("Attenzione: impossibile calcolare il totale della distinta "
                                 "perché %1 del %2° rigo non è un numero valido.\n\r\n\rPer "
                                 "poter salvare la scheda è necessario correggere il valore "
                                 "indicato.")
                      .arg(QString::fromUtf8(c.what), QString::number(c.line + 1)));
    }
}

TEST(SaveChecks, DateOutsideTheArchiveYear) {
    const struct {
        const char* date;
        const char* year;
        bool outside;
    } cases[] = {
        {"05/03/2024", "2024", false}, {" 5/3/2024 ", "2024", false}, {"31/12/2023", "2024", true},
        {"01/01/2025", "2024", true},  {"05/03/2024", "2023", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " in " + c.year);
        EXPECT_EQ(
            savechecks::dateOutsideYear(QString::fromLatin1(c.date), QString::fromLatin1(c.year)),
            c.outside);
    }
}
