#include "checks/PartitaIva.h"

#include "common/TextRules.h"

#include <array>

namespace checks {

namespace {

bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Offices "001" to "102" in order; "120" and "121" follow, repeating the
// names of "101" and "102".
constexpr int kLastNumbered = 102;
const std::array<const char16_t*, kLastNumbered> kOffices = {
    u"Torino",
    u"Vercelli",
    u"Novara",
    u"Cuneo",
    u"Asti",
    u"Alessandria",
    u"Aosta",
    u"Imperia",
    u"Savona",
    u"Genova 1",
    u"La Spezia",
    u"Varese",
    u"Como",
    u"Sondrio",
    u"Milano 1",
    u"Bergamo",
    u"Brescia 1",
    u"Pavia",
    u"Cremona",
    u"Mantova",
    u"Bolzano",
    u"Trento",
    u"Verona",
    u"Vicenza",
    u"Belluno",
    u"Treviso",
    u"Venezia",
    u"Padova",
    u"Rovigo",
    u"Udine",
    u"Gorizia",
    u"Trieste",
    u"Piacenza",
    u"Parma",
    u"Reggio Emilia",
    u"Modena",
    u"Bologna 1",
    u"Ferrara",
    u"Ravenna",
    u"Forlì",
    u"Pesaro",
    u"Ancona",
    u"Macerata",
    u"Ascoli Piceno",
    u"Massa Carrara",
    u"Lucca",
    u"Pistoia",
    u"Firenze 1",
    u"Livorno",
    u"Pisa",
    u"Arezzo",
    u"Siena",
    u"Grosseto",
    u"Perugia",
    u"Terni",
    u"Viterbo",
    u"Rieti",
    u"Roma 1",
    u"Latina",
    u"Frosinone",
    u"Caserta",
    u"Benevento",
    u"Napoli 1",
    u"Avellino",
    u"Salerno",
    u"Aquila",
    u"Teramo",
    u"Pescara",
    u"Chieti",
    u"Campobasso",
    u"Foggia",
    u"Bari",
    u"Taranto",
    u"Brindisi",
    u"Lecce",
    u"Potenza",
    u"Matera",
    u"Cosenza",
    u"Catanzaro",
    u"Reggio Calabria",
    u"Trapani",
    u"Palermo",
    u"Messina",
    u"Agrigento",
    u"Caltanissetta",
    u"Enna",
    u"Catania",
    u"Ragusa",
    u"Siracusa",
    u"Sassari",
    u"Nuoro",
    u"Cagliari",
    u"Pordenone",
    u"Isernia",
    u"Oristano",
    u"Monza (Milano 2)",
    u"Prato (Firenze 2)",
    u"Brescia 2",
    u"Chiavari (Genova 2)",
    u"Roma 2",
    u"Bologna 2",
    u"Napoli 2",
};

} // namespace

int partitaIvaCheckDigit(QStringView digits) {
    if (digits.size() < kPartitaIvaLength - 1)
        return -1;
    int sum = 0;
    for (qsizetype i = 0; i < kPartitaIvaLength - 1; ++i) {
        if (!isDigit(digits[i]))
            return -1;
        const int d = digits[i].unicode() - u'0';
        // Position 1 is odd: index 0, 2, 4, ... add themselves.
        sum += i % 2 == 0 ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    return (10 - sum % 10) % 10;
}

QString ufficioIva(QStringView code) {
    if (code.size() != 3 || !isDigit(code[0]) || !isDigit(code[1]) || !isDigit(code[2]))
        return QString();
    int number = (code[0].unicode() - u'0') * 100 + (code[1].unicode() - u'0') * 10 +
                 (code[2].unicode() - u'0');
    if (number == 120 || number == 121)
        number -= 120 - 101;
    if (number < 1 || number > kLastNumbered)
        return QString();
    return QString::fromUtf16(kOffices[number - 1]);
}

PartitaIvaResult checkPartitaIva(QStringView text) {
    const QString number = text::asciiUpper(text);
    PartitaIvaResult result;
    if (number.size() != kPartitaIvaLength) {
        result.outcome = PartitaIvaResult::Outcome::WrongLength;
        return result;
    }
    const QChar last = number[kPartitaIvaLength - 1];
    const int expected = partitaIvaCheckDigit(number);
    if (expected < 0 || !isDigit(last) || last.unicode() - u'0' != expected) {
        result.outcome = PartitaIvaResult::Outcome::Wrong;
        return result;
    }
    result.outcome = PartitaIvaResult::Outcome::Valid;
    result.officeCode = number.sliced(7, 3);
    result.officeName = ufficioIva(result.officeCode);
    return result;
}

} // namespace checks
