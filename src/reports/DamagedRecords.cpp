#include "reports/DamagedRecords.h"

#include "common/MessageBreaks.h"

void DamagedRecords::add(const QString& numRic, qint64 position) {
    ++m_count;
    if (m_names.size() >= kNamed)
        return;
    m_names.append(numRic.isEmpty()
                       ? QStringLiteral("senza numero (posizione %1 in archivio)").arg(position)
                       : numRic);
}

QString DamagedRecords::warning() const {
    if (m_count == 0)
        return {};
    QString named = m_names.join(QStringLiteral(", "));
    if (m_count > m_names.size())
        named += QStringLiteral(", …");
    if (m_count == 1)
        return QStringLiteral("Attenzione: una distinta è danneggiata (data o totale non "
                              "leggibili) e non è stata conteggiata." VM_PARAGRAPH "Distinta n. ") +
               named + u'.';
    return QStringLiteral("Attenzione: %1 distinte sono danneggiate (data o totale non "
                          "leggibili) e non sono state conteggiate." VM_PARAGRAPH "Distinte n. ")
               .arg(m_count) +
           named + u'.';
}
