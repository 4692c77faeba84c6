#include "checks/PartitaIva.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

using checks::PartitaIvaResult;
using Outcome = PartitaIvaResult::Outcome;

TEST(PartitaIva, CheckDigitAndIssuingOffice) {
    const struct {
        const char* number;
        Outcome outcome;
        const char* office; // code and name of a valid number
        const char* name;
    } cases[] = {
        {"12345670637", Outcome::Valid, "063", "Napoli 1"},
        {"00000001206", Outcome::Valid, "120", "Bologna 2"},
        {"00000001016", Outcome::Valid, "101", "Bologna 2"},
        {"05590870639", Outcome::Valid, "063", "Napoli 1"},
        {"12345678903", Outcome::Valid, "890", ""},
        {"00000000000", Outcome::Valid, "000", ""},
        {"01234561031", Outcome::Valid, "103", ""},
        {"00000000001", Outcome::Wrong, "", ""}, // all zeros need 0
        {"12345670647", Outcome::Wrong, "", ""}, // one digit changed
        {"12345670636", Outcome::Wrong, "", ""}, // check digit changed
        {"1234567063A", Outcome::Wrong, "", ""},
        {"A2345670637", Outcome::Wrong, "", ""},
        {"1234567 637", Outcome::Wrong, "", ""},
        {"1234567063", Outcome::WrongLength, "", ""},
        {"123456706370", Outcome::WrongLength, "", ""},
        {"", Outcome::WrongLength, "", ""},
    };
    for (const auto& c : cases) {
        const PartitaIvaResult r = checks::checkPartitaIva(QString::fromLatin1(c.number));
        EXPECT_EQ(r.outcome, c.outcome) << c.number;
        EXPECT_EQ(r.officeCode, QString::fromLatin1(c.office)) << c.number;
        EXPECT_EQ(r.officeName, QString::fromLatin1(c.name)) << c.number;
    }
}

TEST(PartitaIva, OfficeTableHasTheNumberedOfficesAndTwoRepeats) {
    const struct {
        const char* code;
        const char* name;
    } cases[] = {
        {"000", ""},
        {"001", "Torino"},
        {"040", "Forlì"},
        {"096", "Monza (Milano 2)"},
        {"097", "Prato (Firenze 2)"},
        {"099", "Chiavari (Genova 2)"},
        {"102", "Napoli 2"},
        {"103", ""},
        {"119", ""},
        {"120", "Bologna 2"},
        {"121", "Napoli 2"},
        {"122", ""},
        {"999", ""},
        {"1", ""},
        {"01A", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checks::ufficioIva(QString::fromLatin1(c.code)), QString::fromUtf8(c.name))
            << c.code;
    int named = 0;
    for (int code = 0; code < 1000; ++code)
        named += checks::ufficioIva(QStringLiteral("%1").arg(code, 3, 10, QChar(u'0'))).isEmpty()
                     ? 0
                     : 1;
    EXPECT_EQ(named, 104);
}
