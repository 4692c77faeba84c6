#include "backup/ArchiveCheck.h"

#include "buyers/SchedaAnagrafica.h"
#include "common/Amounts.h"
#include "common/Dates.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "distinte/Ricevuta.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>

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

// The cents of an amount as the editor stores it: digits, at most one comma
// and at most two digits after it. Such amounts add up exactly in whole
// cents, which spares nearly every record the decoding and the rounding of
// the general reader. Anything else (more decimals, damage) is nullopt and
// goes the general way.
std::optional<qint64> plainCents(QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes.size() > 15)
        return std::nullopt;
    qint64 whole = 0;
    qint64 fraction = 0;
    int decimals = -1; // -1 before the comma
    for (const char c : bytes) {
        if (c >= '0' && c <= '9') {
            if (decimals < 0) {
                whole = whole * 10 + (c - '0');
            } else {
                if (++decimals > 2)
                    return std::nullopt;
                fraction = fraction * 10 + (c - '0');
            }
        } else if (c == ',' && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (decimals == 1)
        fraction *= 10;
    return whole * 100 + fraction;
}

// A date written as the editor writes it, gg/mm/aaaa: its day, month and
// year without decoding; nullopt for any other shape.
std::optional<QDate> plainDate(QByteArrayView bytes) {
    if (bytes.size() != 10 || bytes[2] != '/' || bytes[5] != '/')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 3, 6};
    const int lengths[3] = {2, 2, 4};
    for (int p = 0; p < 3; ++p) {
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            const char c = bytes[i];
            if (c < '0' || c > '9')
                return std::nullopt;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    return QDate(parts[2], parts[1], parts[0]);
}

// Collects the findings of one record. Nearly every record is clean, so
// the record's number or name is decoded only when something is found.
class RecordFindings {
public:
    RecordFindings(Finding::Archive kind, const QString& file, qint64 position,
                   QByteArrayView record, const FieldSpec& whoField, QLatin1String whoPrefix,
                   QList<Finding>* findings)
        : m_kind(kind), m_file(file), m_position(position), m_record(record), m_whoField(whoField),
          m_whoPrefix(whoPrefix), m_findings(findings) {}

    void add(const QString& what) {
        if (!m_whoDecoded) {
            const QString text = fixedfield::decode(m_record, m_whoField);
            if (!text.isEmpty())
                m_who = QString(m_whoPrefix) + text;
            m_whoDecoded = true;
        }
        m_findings->append({m_kind, m_file, m_position, true, m_who, what});
    }

    QString text(int field, const RecordLayout& layout) const {
        return fixedfield::decode(m_record, layout.field(field));
    }

    // No length byte says more than its field holds: the check every
    // record kind shares.
    void checkLengths(const RecordLayout& layout) {
        for (int i = 0; i < layout.fieldCount(); ++i) {
            const FieldSpec& field = layout.field(i);
            const int length = static_cast<unsigned char>(m_record[field.offset]);
            if (length > field.capacity)
                add(QStringLiteral("campo %1: lunghezza %2 oltre la capacità di %3 caratteri")
                        .arg(QLatin1String(field.name))
                        .arg(length)
                        .arg(field.capacity));
        }
    }

private:
    Finding::Archive m_kind;
    const QString& m_file;
    qint64 m_position;
    QByteArrayView m_record;
    const FieldSpec& m_whoField;
    QLatin1String m_whoPrefix;
    QList<Finding>* m_findings;
    QString m_who;
    bool m_whoDecoded = false;
};

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
        const auto bytes = [&](int field) {
            return fixedfield::trimmedBytes(record, layout.field(field));
        };
        RecordFindings found(Finding::Distinte, m_file, position, record,
                             layout.field(Ricevuta::NumRic), QLatin1String("n. "), findings);
        found.checkLengths(layout);
        checkNumber(position, bytes(Ricevuta::NumRic), found);
        checkDate(bytes(Ricevuta::Data), found, layout);
        if (bytes(Ricevuta::AcqRigo01).isEmpty())
            found.add(QStringLiteral("manca il primo rigo dell'acquirente"));
        if (bytes(Ricevuta::Descrizione01).isEmpty())
            found.add(QStringLiteral("manca la descrizione del primo rigo"));
        if (!plainTotalAgrees(record, layout))
            checkTotal(found, layout);
    }

private:
    void checkNumber(qint64 position, QByteArrayView number, RecordFindings& found) {
        if (number.isEmpty()) {
            found.add(QStringLiteral("manca il numero della distinta"));
            return;
        }
        const auto [first, added] =
            m_numbers.try_emplace(std::string(number.data(), std::size_t(number.size())), position);
        if (!added)
            found.add(QStringLiteral("numero già usato dalla distinta in posizione %1")
                          .arg(first->second));
    }

    void checkDate(QByteArrayView stored, RecordFindings& found, const RecordLayout& layout) {
        if (stored.isEmpty()) {
            found.add(QStringLiteral("manca la data"));
            return;
        }
        const std::optional<QDate> plain = plainDate(stored);
        const QDate parsed = plain ? *plain : dates::parseDate(found.text(Ricevuta::Data, layout));
        if (parsed.isValid() && (m_year == 0 || parsed.year() == m_year))
            return;
        const QString text = found.text(Ricevuta::Data, layout);
        if (!parsed.isValid())
            found.add(QStringLiteral("data non valida: %1").arg(text));
        else
            found.add(QStringLiteral("data %1 non dell'anno %2").arg(text).arg(m_year));
    }

    // True when every line amount and the total are plain amounts and the
    // total is their sum: the answer for nearly every record.
    static bool plainTotalAgrees(QByteArrayView record, const RecordLayout& layout) {
        qint64 sum = 0;
        for (int line = 0; line < Ricevuta::kLines; ++line) {
            const QByteArrayView amount =
                fixedfield::trimmedBytes(record, layout.field(Ricevuta::Importo01 + line));
            if (amount.isEmpty())
                continue;
            const std::optional<qint64> value = plainCents(amount);
            if (!value)
                return false;
            sum += *value;
        }
        const std::optional<qint64> total =
            plainCents(fixedfield::trimmedBytes(record, layout.field(Ricevuta::Totale)));
        return total && *total == sum;
    }

    // The general way, which names what is wrong.
    static void checkTotal(RecordFindings& found, const RecordLayout& layout) {
        double sum = 0;
        bool summed = true;
        for (int line = 0; line < Ricevuta::kLines; ++line) {
            const QString amount = found.text(Ricevuta::Importo01 + line, layout);
            if (amount.isEmpty())
                continue;
            const std::optional<double> value = amounts::parseAmount(amount);
            if (value) {
                sum += *value;
                continue;
            }
            summed = false;
            found.add(QStringLiteral("importo del rigo %1 non è un importo: %2")
                          .arg(line + 1)
                          .arg(amount));
        }
        const QString total = found.text(Ricevuta::Totale, layout);
        const std::optional<double> totalValue = amounts::parseAmount(total);
        if (!totalValue)
            found.add(total.isEmpty() ? QStringLiteral("manca il totale")
                                      : QStringLiteral("totale non è un importo: %1").arg(total));
        else if (summed && cents(*totalValue) != cents(sum))
            found.add(QStringLiteral("totale %1 diverso dalla somma degli importi dei righi %2")
                          .arg(total, amountText(cents(sum))));
    }

    QString m_file;
    int m_year = 0;
    // Standard strings keep the short numbers of nearly every archive in
    // place: no allocation per record, which a QByteArray key would cost.
    std::unordered_map<std::string, qint64> m_numbers;
};

void checkCard(const QString& fileName, qint64 position, QByteArrayView record,
               QList<Finding>* findings) {
    const RecordLayout& layout = SchedaAnagrafica::layout();
    const FieldSpec& name = layout.field(SchedaAnagrafica::Nome);
    RecordFindings found(Finding::Acquirenti, fileName, position, record, name, QLatin1String(),
                         findings);
    found.checkLengths(layout);
    if (fixedfield::trimmedBytes(record, name).isEmpty())
        found.add(QStringLiteral("scheda senza nome"));
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

namespace {
// "1 distinta", "2 distinte": a count agrees with its noun.
QString counted(qint64 count, const char* one, const char* many) {
    return QLocale(QLocale::Italian).toString(count) + u' ' +
           QString::fromUtf8(count == 1 ? one : many);
}
} // namespace

QString cleanMessage(const Report& report) {
    return QStringLiteral("Nessun problema trovato: controllati %1, %2 e %3.")
        .arg(counted(report.archives, "archivio", "archivi"),
             counted(report.distinte, "distinta", "distinte"),
             counted(report.cards, "scheda acquirente", "schede acquirenti"));
}

QString summaryLine(const Report& report) {
    return QStringLiteral("%1 in %2 (%3, %4).")
        .arg(counted(report.findings.size(), "problema trovato", "problemi trovati"),
             counted(report.archives, "archivio", "archivi"),
             counted(report.distinte, "distinta", "distinte"),
             counted(report.cards, "scheda acquirente", "schede acquirenti"));
}

} // namespace archivecheck
