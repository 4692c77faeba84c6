#include "reports/IncomeInterval.h"

#include <gtest/gtest.h>

using namespace incomeinterval;

namespace {
Picks picks(const QString& startDay, const QString& startMonth, const QString& endDay,
            const QString& endMonth, const QString& year = QStringLiteral("2024")) {
    return {year, startDay, startMonth, endDay, endMonth, year.trimmed(), year.trimmed()};
}
} // namespace

TEST(IncomeInterval, RefusalsComeInOrderWithTheirTextAndFocus) {
    const QString list = QStringLiteral("selezionandolo dall'elenco a cascata.");
    const struct {
        Picks picks;
        QString message;
        Focus focus;
    } cases[] = {
        // A three-digit year is refused before the empty lists are looked at.
        {picks({}, {}, {}, {}, QStringLiteral("202")),
         QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."),
         Focus::Year},
        {picks({}, {}, {}, {}, QStringLiteral("202 ")),
         QStringLiteral("Attenzione: indicare il giorno di inizio intervallo ") + list,
         Focus::StartDay},
        {picks(QStringLiteral("01"), {}, {}, {}),
         QStringLiteral("Attenzione: indicare il mese di inizio intervallo ") + list,
         Focus::StartMonth},
        {picks(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral(" "), {}),
         QStringLiteral("Attenzione: indicare il giorno di fine intervallo ") + list,
         Focus::EndDay},
        {picks(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("02"), {}),
         QStringLiteral("Attenzione: indicare il mese di fine intervallo ") + list,
         Focus::EndMonth},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const Check result = check(c.picks);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.plain);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.focus, c.focus);
    }
}

TEST(IncomeInterval, DatesThatDoNotExistAreNamedWithTheirEnd) {
    const QString second = QStringLiteral(
        "\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");
    Check start = check(picks(QStringLiteral("30"), QStringLiteral("Febbraio"),
                              QStringLiteral("01"), QStringLiteral("Marzo")));
    EXPECT_TRUE(start.plain);
    EXPECT_EQ(start.message,
              QStringLiteral("Attenzione: la data 30/02/2024 di inizio intervallo non esiste.") +
                  second);
    EXPECT_EQ(start.focus, Focus::StartDay);
    EXPECT_EQ(start.startDate, QStringLiteral("30/02/2024"));

    Check end = check(picks(QStringLiteral("01"), QStringLiteral("Aprile"), QStringLiteral("31"),
                            QStringLiteral("aprile ")));
    EXPECT_EQ(end.message,
              QStringLiteral("Attenzione: la data 31/04/2024 di fine intervallo non esiste.") +
                  second);
    EXPECT_EQ(end.focus, Focus::EndDay);

    // A month text that is no month leaves the date text empty (regression:
    // "01//2024").
    Check noMonth = check(picks(QStringLiteral("01"), QStringLiteral("Marzolino"),
                                QStringLiteral("01"), QStringLiteral("Marzo")));
    EXPECT_EQ(noMonth.startDate, QString());
    EXPECT_EQ(noMonth.message,
              QStringLiteral("Attenzione: la data  di inizio intervallo non esiste.") + second);
    EXPECT_EQ(noMonth.focus, Focus::StartDay);

    // 29 February exists only in leap years.
    EXPECT_TRUE(check(picks(QStringLiteral("29"), QStringLiteral("Febbraio"), QStringLiteral("29"),
                            QStringLiteral("Febbraio")))
                    .ok);
    EXPECT_FALSE(check(picks(QStringLiteral("29"), QStringLiteral("Febbraio"), QStringLiteral("29"),
                             QStringLiteral("Febbraio"), QStringLiteral("2023")))
                     .ok);
}

TEST(IncomeInterval, AStartAfterTheEndNamesTheEndFirst) {
    const Check result = check(picks(QStringLiteral("02"), QStringLiteral("Marzo"),
                                     QStringLiteral("01"), QStringLiteral("Marzo")));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.plain);
    EXPECT_EQ(result.focus, Focus::Unchanged);
    EXPECT_EQ(result.message,
              QStringLiteral("Attenzione: la data di fine intervallo (01/03/2024) non può essere "
                             "anteriore a quella di inizio intervallo (02/03/2024).\n\r\n\rPer "
                             "poter visualizzare il riepilogo è necessario indicare un "
                             "intervallo di tempo valido."));

    const Check same = check(picks(QStringLiteral("01"), QStringLiteral("Gennaio"),
                                   QStringLiteral("01"), QStringLiteral("Gennaio")));
    EXPECT_TRUE(same.ok);
    EXPECT_EQ(same.startDate, QStringLiteral("01/01/2024"));
    EXPECT_EQ(same.endDate, QStringLiteral("01/01/2024"));
}

TEST(IncomeInterval, FieldsKeepOnlyTheirListChoices) {
    EXPECT_EQ(dayChoices().size(), 31);
    EXPECT_EQ(monthChoices().size(), 12);
    EXPECT_EQ(monthNumber(u" DICEMBRE "), QStringLiteral("12"));
    EXPECT_EQ(monthNumber(u"Sept"), QString());
    EXPECT_TRUE(isDayChoice(u"31"));
    EXPECT_FALSE(isDayChoice(u"32"));
    EXPECT_FALSE(isDayChoice(u"1"));
    EXPECT_TRUE(isMonthChoice(u"gennaio"));
    EXPECT_FALSE(isMonthChoice(u"Genn"));
}
