#include "support/DistintaBuilder.h"

#include <algorithm>

namespace {

template <typename Lines> void fill(Lines& target, const QStringList& lines) {
    const qsizetype count = std::min<qsizetype>(lines.size(), qsizetype(target.size()));
    for (qsizetype i = 0; i < count; ++i)
        target[size_t(i)] = lines[i];
}

} // namespace

DistintaBuilder::DistintaBuilder(const QString& number) {
    m_distinta.numRic = number;
    m_distinta.saldato = kSaldatoNo;
}

DistintaBuilder& DistintaBuilder::date(const QString& text) {
    m_distinta.data = text;
    return *this;
}

DistintaBuilder& DistintaBuilder::reseller(const QString& name, const QStringList& lines) {
    m_distinta.nomeRiv = name;
    fill(m_distinta.rivRigo, lines);
    return *this;
}

DistintaBuilder& DistintaBuilder::payment(const QString& text) {
    m_distinta.pagamento = text;
    return *this;
}

DistintaBuilder& DistintaBuilder::buyer(const QStringList& lines) {
    fill(m_distinta.acqRigo, lines);
    return *this;
}

DistintaBuilder& DistintaBuilder::line(int index, const QString& quant, const QString& descrizione,
                                       const QString& unitario, const QString& importo) {
    m_distinta.quant.at(size_t(index)) = quant;
    m_distinta.descrizione.at(size_t(index)) = descrizione;
    m_distinta.unitario.at(size_t(index)) = unitario;
    m_distinta.importo.at(size_t(index)) = importo;
    return *this;
}

DistintaBuilder& DistintaBuilder::total(const QString& text) {
    m_distinta.totale = text;
    return *this;
}

DistintaBuilder& DistintaBuilder::paid(const QString& flag) {
    m_distinta.saldato = flag;
    return *this;
}

Ricevuta storedDistinta(const QString& number, const QString& paid) {
    return DistintaBuilder(number)
        .date(QStringLiteral("01/02/2024"))
        .buyer({QStringLiteral("Acquirente ") + number})
        .reseller(QStringLiteral("Titolare ") + number, {QStringLiteral("Rivendita ") + number})
        .line(0, QString(), QStringLiteral("Francobollo"), QStringLiteral("1,20"),
              QStringLiteral("1,20"))
        .total(QStringLiteral("1,20"))
        .paid(paid);
}

Ricevuta everyFieldDistinta() {
    QStringList reseller, buyer;
    for (int i = 1; i <= Ricevuta::kPartyLines; ++i) {
        reseller.append(QStringLiteral("Riv %1").arg(i));
        buyer.append(QStringLiteral("Acq %1").arg(i));
    }
    buyer[0] = QStringLiteral("Edilizia Città");
    DistintaBuilder d(QStringLiteral("12"));
    d.date(QStringLiteral("05/03/2024"))
        .reseller(QStringLiteral("Tabacchi Rossi"), reseller)
        .payment(QStringLiteral("Contanti"))
        .buyer(buyer)
        .total(QStringLiteral("135,00"));
    for (int i = 0; i < Ricevuta::kLines; ++i)
        d.line(i, QString::number(i + 1), QStringLiteral("Francobollo %1").arg(i + 1),
               QStringLiteral("%1,50").arg(i), QStringLiteral("%1,00").arg(i * 3));
    return d;
}
