#include "support/SampleYear.h"

#include "support/DistintaBuilder.h"

#include <array>

namespace {

struct Buyer {
    const char* name;
    const char* street;
    const char* town;
    const char* id;
};

constexpr std::array<Buyer, 6> kBuyers = {{
    {"Studio Bianchi S.r.l.", "Corso Italia 8", "00198 Roma (RM)", "P. IVA 09876543210"},
    {"Rossi Mario", "Via Garibaldi 21", "00153 Roma (RM)", "C.F. RSSMRA70C12H501X"},
    {"Agenzia Pratiche Auto Nuova", "Viale Marconi 140", "00146 Roma (RM)", "P. IVA 04567891230"},
    {"Esposito Anna", "Via dei Volsci 3", "00185 Roma (RM)", "C.F. SPSNNA82T41F839K"},
    {"Condominio Via Nizza 45", "Via Nizza 45", "00198 Roma (RM)", "C.F. 97012345678"},
    {"Notaio Dott. Ferrante", "Piazza Cavour 10", "00193 Roma (RM)", "P. IVA 05678912340"},
}};

struct Stamp {
    const char* description;
    int cents;
};

constexpr std::array<Stamp, 5> kStamps = {{
    {"Marca da bollo", 1600},
    {"Marca da bollo", 200},
    {"Francobollo posta ordinaria", 125},
    {"Francobollo posta prioritaria", 295},
    {"Marca per passaporto", 7350},
}};

QString euros(qint64 cents) {
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QList<Ricevuta> sampleYear(const QString& year) {
    QList<Ricevuta> distinte;
    // Two to four distinte a month, more around the spring deadlines.
    constexpr std::array<int, 12> perMonth = {2, 3, 4, 4, 3, 2, 3, 1, 2, 3, 2, 4};
    int number = 1;
    for (int month = 0; month < 12; ++month) {
        for (int k = 0; k < perMonth[std::size_t(month)]; ++k, ++number) {
            const Buyer& buyer =
                kBuyers[std::size_t((number * 5 + number / 7) % int(kBuyers.size()))];
            // Later numbers, later days: the numbering follows the calendar.
            const int step = 25 / perMonth[std::size_t(month)];
            const int day = 2 + k * step + number % 3;
            DistintaBuilder distinta(QString::number(number));
            distinta
                .date(QStringLiteral("%1/%2/%3")
                          .arg(day, 2, 10, QLatin1Char('0'))
                          .arg(month + 1, 2, 10, QLatin1Char('0'))
                          .arg(year))
                .reseller(QStringLiteral("Giovanna Ferri"),
                          {QStringLiteral("Tabaccheria Ferri n. 12"), QStringLiteral("Via Roma 15"),
                           QStringLiteral("00100 Roma (RM)"), QStringLiteral("P. IVA 01234567890")})
                .payment(number % 3 == 0 ? QStringLiteral("Bancomat") : QStringLiteral("Contanti"))
                .buyer({QString::fromUtf8(buyer.name), QString::fromUtf8(buyer.street),
                        QString::fromUtf8(buyer.town), QString::fromUtf8(buyer.id)});
            qint64 total = 0;
            const int lines = 1 + number % 3;
            for (int i = 0; i < lines; ++i) {
                const Stamp& stamp = kStamps[std::size_t((number + i * 2) % int(kStamps.size()))];
                const int quantity = 1 + (number * 7 + i * 3) % 12;
                const qint64 amount = qint64(quantity) * stamp.cents;
                distinta.line(i, QString::number(quantity), QString::fromUtf8(stamp.description),
                              euros(stamp.cents), euros(amount));
                total += amount;
            }
            distinta.total(euros(total));
            // Most buyers pay at the counter; a few settle later.
            distinta.paid(number % 5 == 2 || number % 7 == 3 ? kSaldatoNo : kSaldatoSi);
            distinte.append(distinta);
        }
    }
    return distinte;
}
