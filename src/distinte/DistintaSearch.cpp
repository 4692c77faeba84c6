#include "distinte/DistintaSearch.h"

#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "common/TextRules.h"
#include "distinte/DistintaSummary.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <string_view>

namespace distintasearch {
namespace {

// The field's trimmed bytes, as the search compares them.
std::string_view storedText(QByteArrayView record, const FieldSpec& field) {
    const QByteArrayView bytes = fixedfield::trimmedBytes(record, field);
    return {bytes.data(), std::size_t(bytes.size())};
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

// One criterion in use, compared in the archive's own code page so that no
// record has to be decoded to be tested. Folding A-Z in Windows-1252 bytes is
// the same as folding them in the decoded text, and a trimmed field's bytes
// are the trimmed text's bytes.
class Criterion {
public:
    Criterion(const QString& typed, int field)
        : m_field(Ricevuta::layout().field(field)), m_needle(needleOf(typed)) {}

    bool hits(QByteArrayView record) const {
        if (!m_needle)
            return false;
        const std::string_view stored = storedText(record, m_field);
        std::array<char, 256> lowered;
        std::transform(stored.begin(), stored.end(), lowered.begin(), asciiLower);
        return std::string_view(lowered.data(), stored.size()).find(*m_needle) !=
               std::string_view::npos;
    }

private:
    // Nothing when the typed text holds a character the archive cannot
    // store: no field can contain it.
    static std::optional<std::string> needleOf(const QString& typed) {
        const QByteArray bytes = text::toWindows1252(text::asciiLower(typed));
        if (bytes.count('?') != typed.count(u'?'))
            return std::nullopt;
        return bytes.toStdString();
    }

    FieldSpec m_field;
    std::optional<std::string> m_needle;
};

QList<Criterion> criteriaInUse(const Criteria& c) {
    const std::pair<const QString&, int> all[] = {
        {c.numRic, Ricevuta::NumRic},           {c.data, Ricevuta::Data},
        {c.acqRigo01, Ricevuta::AcqRigo01},     {c.acqRigo02, Ricevuta::AcqRigo01 + 1},
        {c.acqRigo03, Ricevuta::AcqRigo01 + 2}, {c.totale, Ricevuta::Totale},
    };
    QList<Criterion> inUse;
    for (const auto& [typed, field] : all) {
        if (!text::trimmed(typed).isEmpty())
            inUse.append(Criterion(typed, field));
    }
    return inUse;
}

// Appends the row of every record `keep` accepts to `rows`: its summary
// line, after `prefix` when given. False when the archive could not be read
// to its end; the rows found before stay.
template <typename Keep>
bool appendWhere(const QString& archivePath, Keep keep, QList<ResultRow>& rows,
                 const QString& year = QString()) {
    RecordFile file(archivePath, Ricevuta::kRecordSize);
    if (!file.open())
        return false;
    const QString prefix = year.isEmpty() ? QString() : year + QStringLiteral("  ");
    return file.scan([&](qint64 position, QByteArrayView record) {
        if (keep(record)) {
            rows.append(ResultRow{year.isEmpty() ? distintasummary::lineOfRecord(record)
                                                 : prefix + distintasummary::lineOfRecord(record),
                                  position, year});
        }
        return true;
    });
}

// Lists the summary line of every record `keep` accepts.
template <typename Keep> Listing listWhere(const QString& archivePath, Keep keep) {
    Listing listing;
    listing.ok = appendWhere(archivePath, keep, listing.rows);
    return listing;
}

// Whether a record passes every criterion in use.
auto matchingAll(const QList<Criterion>& inUse) {
    return [&inUse](QByteArrayView record) {
        return std::all_of(inUse.begin(), inUse.end(),
                           [record](const Criterion& c) { return c.hits(record); });
    };
}

bool isYearArchiveName(const QString& name) {
    if (name.size() != 8 || !name.endsWith(QLatin1String(".ric")))
        return false;
    return std::all_of(name.begin(), name.begin() + 4,
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

int filledCount(const Criteria& c) {
    return int(criteriaInUse(c).size());
}

Listing search(const QString& archivePath, const Criteria& criteria) {
    const QList<Criterion> inUse = criteriaInUse(criteria);
    return listWhere(archivePath, matchingAll(inUse));
}

QStringList archiveYears(const ProgramFolder& folder) {
    QStringList years;
    // Unreadable files too: the search names them instead of hiding them.
    const QStringList names =
        QDir(folder.path())
            .entryList({QStringLiteral("????.ric")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (isYearArchiveName(name))
            years.append(name.left(4));
    }
    // Four digits each: text order is year order.
    std::sort(years.begin(), years.end());
    return years;
}

QString unreadableRowText(const QString& year) {
    return year + QStringLiteral("  Attenzione: non è stato possibile leggere l'archivio ") +
           yearArchiveFileName(year) + QStringLiteral(".");
}

YearsListing searchEveryYear(const ProgramFolder& folder, const Criteria& criteria) {
    const QList<Criterion> inUse = criteriaInUse(criteria);
    YearsListing listing;
    for (const QString& year : archiveYears(folder)) {
        if (!appendWhere(folder.file(yearArchiveFileName(year)), matchingAll(inUse), listing.rows,
                         year))
            listing.unreadable.append(year);
    }
    for (const QString& year : listing.unreadable)
        listing.rows.append(ResultRow{unreadableRowText(year), 0, year});
    return listing;
}

Listing unpaid(const QString& archivePath) {
    const FieldSpec flag = Ricevuta::layout().field(Ricevuta::Saldato);
    return listWhere(archivePath,
                     [&flag](QByteArrayView record) { return storedText(record, flag) == "No"; });
}

std::optional<Opened> open(const QString& archivePath, const ResultRow& row) {
    RecordFile file(archivePath, Ricevuta::kRecordSize);
    if (!file.open())
        return std::nullopt;
    const QString wanted = text::trimmed(row.text);
    const auto matches = [&wanted](QByteArrayView record) {
        return text::trimmed(distintasummary::lineOfRecord(record)) == wanted;
    };

    QByteArray record;
    if (row.position >= 1 && row.position <= file.count() && file.read(row.position, &record) &&
        matches(record))
        return Opened{Ricevuta::decode(record), row.position};

    // The record changed under the list (another desk rewrote it): look for
    // the line the user saw, the last such distinta winning.
    std::optional<Opened> found;
    const bool ok = file.scan([&](qint64 position, QByteArrayView stored) {
        if (matches(stored))
            found = Opened{Ricevuta::decode(stored), position};
        return true;
    });
    return ok ? found : std::nullopt;
}

std::optional<Opened> openOfYear(const ProgramFolder& folder, const ResultRow& row) {
    const QString prefix = row.year + QStringLiteral("  ");
    if (row.year.isEmpty() || row.position < 1 || !row.text.startsWith(prefix))
        return std::nullopt;
    return open(folder.file(yearArchiveFileName(row.year)),
                ResultRow{row.text.sliced(prefix.size()), row.position});
}

} // namespace distintasearch
