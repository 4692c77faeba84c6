#include "buyers/BuyerLines.h"

#include "common/TextRules.h"

namespace buyerlines {

namespace {

// Cut or filled with blanks to exactly `width` characters.
QString padded(const QString& field, int width) {
    return text::trimmed(field).leftJustified(width, QLatin1Char(' '), true);
}

QString commonColumns(const SchedaAnagrafica& card) {
    return padded(card.nome, 28) + QStringLiteral("  CF: ") + padded(card.codFisc, 16) +
           QStringLiteral("  Tel. ") + padded(card.tel, 15) + QStringLiteral("  Cel. ") +
           padded(card.cel, 15);
}

} // namespace

QString summaryLine(const SchedaAnagrafica& card) {
    return commonColumns(card) + QStringLiteral("  Note: ") + text::trimmed(card.note);
}

QString questionsLine(const SchedaAnagrafica& card) {
    return commonColumns(card) + QStringLiteral("  ") + text::trimmed(card.questioni);
}

std::array<QString, 5> distintaBuyerLines(const SchedaAnagrafica& card) {
    const auto t = [](const QString& s) { return text::trimmed(s); };
    QString cap;
    for (const QString& c : card.cap)
        cap += t(c);
    const QString prov = t(card.prov[0]) + t(card.prov[1]);
    return {t(card.nome), t(card.indirizzo) + QLatin1Char(' ') + t(card.num),
            cap + QLatin1Char(' ') + t(card.localita) + QLatin1Char(' ') + prov,
            QStringLiteral("C.F. ") + t(card.codFisc),
            QStringLiteral("P.I. ") + t(card.partitaIva)};
}

bool lineBefore(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x = char16_t(x + 32);
        if (y >= u'A' && y <= u'Z')
            y = char16_t(y + 32);
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

} // namespace buyerlines
