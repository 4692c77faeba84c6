#include "backup/ArchiveCheck.h"

#include "buyers/SchedaAnagrafica.h"
#include "common/Amounts.h"
#include "common/Dates.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "distinte/Ricevuta.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <cmath>

namespace archivecheck {

namespace {

// Progress is reported every so many records: often enough for the window,
// seldom enough to cost nothing.
constexpr qint64 kRecordsPerStep = 2000;

qint64 cents(double amount) {
    return std::llround(amounts::roundToCents(amount) * 100.0);
}

QString amountText(qint64 cents) {
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar(u'0'));
}

// The checks every record kind shares: no length byte says more than its
// field holds.
void checkLengths(const RecordLayout& layout, QByteArrayView record, Finding& base,
                  QList<Finding>* findings) {
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const FieldSpec& field = layout.field(i);
        const int length = static_cast<unsigned char>(record[field.offset]);
        if (length > field.capacity) {
            base.what = QStringLiteral("campo %1: lunghezza %2 oltre la capacità di %3 caratteri")
                            .arg(QLatin1String(field.name))
                            .arg(length)
                            .arg(field.capacity);
            findings->append(base);
        }
    }
}

// The distinte of one yearly archive, record after record.
class DistinteCheck {
public:
    explicit DistinteCheck(const QString& fileName) : m_file(fileName) {
        const QString stem = QFileInfo(fileName).completeBaseName();
        bool number = false;
        m_year = stem.size() == 4 ? stem.toInt(&number) : 0;
        if (!number)
            m_year = 0;
    }

    void record(qint64 position, QByteArrayView record, QList<Finding>* findings) {
        const RecordLayout& layout = Ricevuta::layout();
        fixedfield::FieldChars chars;
        const auto text = [&](int field) {
            return fixedfield::decodeInto(record, layout.field(field), chars);
        };
        Finding base{Finding::Distinte, m_file, position, true, {}, {}};
        const QStringView number = text(Ricevuta::NumRic);
        if (!number.isEmpty())
            base.who = QStringLiteral("n. ") + number.toString();
        const auto add = [&](const QString& what) {
            base.what = what;
            findings->append(base);
        };

        checkLengths(layout, record, base, findings);

        const QByteArrayView numberBytes =
            fixedfield::trimmedBytes(record, layout.field(Ricevuta::NumRic));
        if (numberBytes.isEmpty()) {
            add(QStringLiteral("manca il numero della distinta"));
        } else {
            const QByteArray key = numberBytes.toByteArray();
            const auto first = m_numbers.constFind(key);
            if (first != m_numbers.constEnd())
                add(QStringLiteral("numero già usato dalla distinta in posizione %1")
                        .arg(first.value()));
            else
                m_numbers.insert(key, position);
        }

        const QStringView date = text(Ricevuta::Data);
        if (date.isEmpty()) {
            add(QStringLiteral("manca la data"));
        } else {
            const QDate parsed = dates::parseDate(date);
            if (!parsed.isValid())
                add(QStringLiteral("data non valida: %1").arg(date));
            else if (m_year != 0 && parsed.year() != m_year)
                add(QStringLiteral("data %1 non dell'anno %2").arg(date).arg(m_year));
        }
        if (text(Ricevuta::AcqRigo01).isEmpty())
            add(QStringLiteral("manca il primo rigo dell'acquirente"));
        if (text(Ricevuta::Descrizione01).isEmpty())
            add(QStringLiteral("manca la descrizione del primo rigo"));

        double sum = 0;
        bool summed = true;
        for (int line = 0; line < Ricevuta::kLines; ++line) {
            const QStringView amount = text(Ricevuta::Importo01 + line);
            if (amount.isEmpty())
                continue;
            const std::optional<double> value = amounts::parseAmount(amount);
            if (value) {
                sum += *value;
                continue;
            }
            summed = false;
            add(QStringLiteral("importo del rigo %1 non è un importo: %2")
                    .arg(line + 1)
                    .arg(amount));
        }
        const QStringView total = text(Ricevuta::Totale);
        const std::optional<double> totalValue = amounts::parseAmount(total);
        if (!totalValue)
            add(total.isEmpty() ? QStringLiteral("manca il totale")
                                : QStringLiteral("totale non è un importo: %1").arg(total));
        else if (summed && cents(*totalValue) != cents(sum))
            add(QStringLiteral("totale %1 diverso dalla somma degli importi dei righi %2")
                    .arg(total, amountText(cents(sum))));
    }

private:
    QString m_file;
    int m_year = 0;
    QHash<QByteArray, qint64> m_numbers;
};

void checkCard(const QString& fileName, qint64 position, QByteArrayView record,
               QList<Finding>* findings) {
    const RecordLayout& layout = SchedaAnagrafica::layout();
    fixedfield::FieldChars chars;
    const QStringView name =
        fixedfield::decodeInto(record, layout.field(SchedaAnagrafica::Nome), chars);
    Finding base{Finding::Acquirenti, fileName, position, true, name.toString(), {}};
    checkLengths(layout, record, base, findings);
    if (name.isEmpty()) {
        base.what = QStringLiteral("scheda senza nome");
        findings->append(base);
    }
}

struct Archive {
    QString name;
    Finding::Archive kind;
    int recordSize;
};

// Checks one archive; false when the user stopped.
bool checkArchive(const ProgramFolder& folder, const Archive& archive, Report* report, qint64* done,
                  qint64 total, const Progress& progress) {
    const QString path = folder.file(archive.name);
    const qint64 size = QFileInfo(path).size();
    RecordFile file(path, archive.recordSize);
    ++report->archives;
    if (!file.open()) {
        report->findings.append({archive.kind,
                                 archive.name,
                                 0,
                                 false,
                                 {},
                                 QStringLiteral("il file non si può leggere")});
        return true;
    }
    DistinteCheck distinte(archive.name);
    bool stopped = false;
    const bool read = file.scan([&](qint64 position, QByteArrayView record) {
        if (archive.kind == Finding::Distinte) {
            distinte.record(position, record, &report->findings);
            ++report->distinte;
        } else {
            checkCard(archive.name, position, record, &report->findings);
            ++report->cards;
        }
        if (++*done % kRecordsPerStep == 0 && progress && !progress(*done, total)) {
            stopped = true;
            return false;
        }
        return true;
    });
    if (stopped)
        return false;
    if (!read)
        report->findings.append({archive.kind,
                                 archive.name,
                                 0,
                                 false,
                                 {},
                                 QStringLiteral("il file non si può leggere fino in fondo")});
    const qint64 tail = size % archive.recordSize;
    if (read && tail != 0)
        report->findings.append({archive.kind,
                                 archive.name,
                                 size / archive.recordSize + 1,
                                 false,
                                 {},
                                 QStringLiteral("ultimo record incompleto: %1 byte su %2")
                                     .arg(tail)
                                     .arg(archive.recordSize)});
    return true;
}

} // namespace

Report check(const ProgramFolder& folder, const Progress& progress) {
    Report report;
    QList<Archive> archives;
    const QStringList years =
        QDir(folder.path())
            .entryList({QStringLiteral("*.ric")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : years)
        archives.append({name, Finding::Distinte, Ricevuta::kRecordSize});
    if (QFileInfo(folder.file(kBuyersArchiveFileName)).isFile())
        archives.append(
            {kBuyersArchiveFileName, Finding::Acquirenti, SchedaAnagrafica::kRecordSize});

    qint64 total = 0;
    for (const Archive& archive : archives)
        total += QFileInfo(folder.file(archive.name)).size() / archive.recordSize;
    qint64 done = 0;
    for (const Archive& archive : archives) {
        if (!checkArchive(folder, archive, &report, &done, total, progress)) {
            report.cancelled = true;
            break;
        }
    }
    return report;
}

QString lineOf(const Finding& finding) {
    const QString where = finding.position > 0
                              ? QStringLiteral("record %1").arg(finding.position, 6)
                              : QString(13, u' ');
    QString who = finding.who.left(30);
    return QStringLiteral("%1 %2  %3 %4")
        .arg(finding.file.leftJustified(16), where, who.leftJustified(30), finding.what);
}

QString cleanMessage(const Report& report) {
    const QLocale italian(QLocale::Italian);
    return QStringLiteral("Nessun problema trovato: controllati %1 archivi, %2 distinte e %3 "
                          "schede acquirenti.")
        .arg(report.archives)
        .arg(italian.toString(report.distinte), italian.toString(report.cards));
}

} // namespace archivecheck
