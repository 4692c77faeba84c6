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
        const char* control;
        QString message;
    };
    const QList<Step> steps = {
        {[](Ricevuta&) {}, "txtAcqRigo01",
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome o la "
                        "ragione sociale dell'acquirente.")},
        {[](Ricevuta& r) { r.acqRigo[0] = QStringLiteral("Mario Bianchi"); }, "txtNumRic",
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero della "
                        "distinta.")},
        {[](Ricevuta& r) {
             r.numRic = QStringLiteral("7");
             r.data = QStringLiteral(" ");
         },
         "txtData",
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della "
                        "distinta.")},
        {[](Ricevuta& r) { r.data = QStringLiteral("31/04/2024"); }, "txtData",
         QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la "
                        "scheda è necessario indicare una data valida nel formato gg/mm/anno.")},
        {[](Ricevuta& r) { r.data = QStringLiteral("29/02/2024"); }, "txtDescrizione01",
         QStringLiteral("Attenzione: per salvare la scheda è necessario compilare la descrizione "
                        "dei valori bollati acquistati (1° rigo).")},
        {[](Ricevuta& r) { r.descrizione[0] = QStringLiteral("Marca da bollo"); }, "txtUnitario01",
         QStringLiteral("Attenzione: per salvare la scheda è necessario compilare il valore "
                        "unitario dei valori bollati acquistati (1° rigo).")},
    };
    for (const Step& step : steps) {
        step.fix(d);
        const auto problem = firstProblem(d);
        ASSERT_TRUE(problem.has_value()) << step.control;
        EXPECT_EQ(problem->control, QString::fromLatin1(step.control));
        EXPECT_EQ(problem->message, step.message);
    }
    d.unitario[0] = QStringLiteral("16,00");
    EXPECT_FALSE(firstProblem(d).has_value());
}
