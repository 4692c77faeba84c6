#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "support/ArchiveBytes.h"
#include "support/TestFolder.h"

#include <QList>
#include <QString>

// Small buyer cards for the buyers tests, and an archive written from them.
inline SchedaAnagrafica buyerCard(const QString& nome, const QString& localita = QString()) {
    SchedaAnagrafica card;
    card.nome = nome;
    card.localita = localita;
    card.sesso = QStringLiteral("M");
    return card;
}

inline void writeBuyers(const TestFolder& dir, const QList<SchedaAnagrafica>& cards,
                        const QByteArray& trailing = QByteArray()) {
    dir.writeBytes(kBuyersArchiveFileName, archiveBytes(cards) + trailing);
}

// Cards "Scheda 1" ... "Scheda n".
inline QList<SchedaAnagrafica> numberedCards(int n) {
    QList<SchedaAnagrafica> cards;
    for (int i = 1; i <= n; ++i)
        cards.append(buyerCard(QStringLiteral("Scheda %1").arg(i)));
    return cards;
}
