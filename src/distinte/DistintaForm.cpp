#include "distinte/DistintaForm.h"

#include "common/TextRules.h"

namespace distintaform {

const QString kNoTotal = QStringLiteral("---");

QString paidFlag(bool ticked) {
    return ticked ? kSaldatoSi : kSaldatoNo;
}

bool paidBoxAfterLoad(QStringView stored, bool current) {
    const QString flag = text::trimmed(stored);
    if (flag == kSaldatoSi)
        return true;
    if (flag == kSaldatoNo)
        return false;
    return current;
}

distintatotal::Lines stampLines(const Ricevuta& d) {
    distintatotal::Lines lines;
    for (int i = 0; i < Ricevuta::kLines; ++i) {
        lines.quant[i] = d.quant[i];
        lines.unitario[i] = d.unitario[i];
        lines.importo[i] = d.importo[i];
    }
    lines.totale = d.totale;
    return lines;
}

void setStampLines(Ricevuta& d, const distintatotal::Lines& lines) {
    for (int i = 0; i < Ricevuta::kLines; ++i) {
        d.quant[i] = lines.quant[i];
        d.unitario[i] = lines.unitario[i];
        d.importo[i] = lines.importo[i];
    }
    d.totale = lines.totale;
}

Ricevuta cleared(const Ricevuta& current) {
    Ricevuta empty;
    empty.rivRigo = current.rivRigo;
    empty.nomeRiv = current.nomeRiv;
    empty.totale = kNoTotal;
    empty.saldato = kSaldatoNo;
    return empty;
}

} // namespace distintaform
