#include "widgets/RoutingTag.h"

namespace {

// The stamp-line tags run in order from Rigo01 to Rigo10.
constexpr int kStampLines =
    static_cast<int>(RoutingTag::Rigo10) - static_cast<int>(RoutingTag::Rigo01) + 1;

} // namespace

QString routingTagText(RoutingTag tag) {
    switch (tag) {
    case RoutingTag::Avvio:
        return QStringLiteral("avvio");
    case RoutingTag::Ricevute:
        return QStringLiteral("ricevute");
    case RoutingTag::Statistiche:
        return QStringLiteral("statistiche");
    case RoutingTag::RiepLavoro:
        return QStringLiteral("rieplavoro");
    case RoutingTag::Anagrafica:
        return QStringLiteral("anagrafica");
    case RoutingTag::RicevuteData:
        return QStringLiteral("ricevute_data");
    case RoutingTag::Distinte:
        return QStringLiteral("distinte");
    default:
        break;
    }
    return QStringLiteral("rigo_%1").arg(stampLineOf(tag), 2, 10, QLatin1Char('0'));
}

std::optional<RoutingTag> stampLineTag(int line) {
    if (line < 1 || line > kStampLines)
        return std::nullopt;
    return static_cast<RoutingTag>(static_cast<int>(RoutingTag::Rigo01) + line - 1);
}

int stampLineOf(RoutingTag tag) {
    const int line = static_cast<int>(tag) - static_cast<int>(RoutingTag::Rigo01) + 1;
    return line >= 1 && line <= kStampLines ? line : 0;
}
