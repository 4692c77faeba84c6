#include "ArchiveGenerator.h"

#include <QDate>
#include <QFile>

namespace {

const QStringList kFirstNames = {
    QStringLiteral("Mario"),     QStringLiteral("Niccolò"),   QStringLiteral("Lucia"),
    QStringLiteral("Giuseppe"),  QStringLiteral("Anna"),      QStringLiteral("Raffaele"),
    QStringLiteral("Francesca"), QStringLiteral("Gianluca"),  QStringLiteral("Nicolò"),
    QStringLiteral("Maria Pia"), QStringLiteral("Salvatore"), QStringLiteral("Zoë"),
    QStringLiteral("Concetta"),  QStringLiteral("Andrea"),    QStringLiteral("Elisabetta")};

const QStringList kSurnames = {
    QStringLiteral("ROSSI"),       QStringLiteral("Esposito"), QStringLiteral("De Luca"),
    QStringLiteral("Russo"),       QStringLiteral("Ferrari"),  QStringLiteral("D'Angelo"),
    QStringLiteral("Colombo"),     QStringLiteral("Sansò"),    QStringLiteral("Mazzà"),
    QStringLiteral("Della Valle"), QStringLiteral("Gallo"),    QStringLiteral("Bianchi"),
    QStringLiteral("Lombardi"),    QStringLiteral("Nicolò"),   QStringLiteral("Fontana")};

const QStringList kCompanies = {
    QStringLiteral("Società Cooperativa La Città"),
    QStringLiteral("Caffè dell'Arte S.r.l."),
    QStringLiteral("Studio Legale Associato Perù & Co."),
    QStringLiteral("Agenzia Pratiche Auto Sant'Anna S.n.c."),
    QStringLiteral("Comune di Castelnuovo Berardenga - Ufficio Economato"),
    QStringLiteral("CAF Università Popolare"),
    QStringLiteral("Edilizia Gentilì S.p.A.")};

const QStringList kStreets = {
    QStringLiteral("Via Roma"),           QStringLiteral("Corso Vittorio Emanuele II"),
    QStringLiteral("Piazza Municipio"),   QStringLiteral("Via dei Mille"),
    QStringLiteral("Viale Libertà"),      QStringLiteral("Vico Santa Maria della Pietà"),
    QStringLiteral("Via Nicolò Tommaseo")};

const QStringList kTowns = {QStringLiteral("Napoli"),  QStringLiteral("Forlì"),
                            QStringLiteral("Cantù"),   QStringLiteral("Milano"),
                            QStringLiteral("Palermo"), QStringLiteral("Sant'Agata de' Goti"),
                            QStringLiteral("Torino"),  QStringLiteral("Bari")};

const QStringList kProvinces = {QStringLiteral("NA"), QStringLiteral("FC"), QStringLiteral("CO"),
                                QStringLiteral("MI"), QStringLiteral("PA"), QStringLiteral("BN"),
                                QStringLiteral("TO"), QStringLiteral("BA")};

const QStringList kPayments = {
    QStringLiteral("Contanti"), QStringLiteral("Bancomat"), QStringLiteral("Carta di credito"),
    QStringLiteral("Bonifico bancario anticipato"), QStringLiteral("Assegno non trasferibile")};

struct Stamp {
    QString description;
    int cents;
};

const QList<Stamp> kStamps = {
    {QStringLiteral("Marca da bollo € 16,00"), 1600},
    {QStringLiteral("Marca da bollo € 2,00"), 200},
    {QStringLiteral("Marca da bollo € 1,00"), 100},
    {QStringLiteral("Marca da bollo € 0,52"), 52},
    {QStringLiteral("Francobollo B - posta ordinaria nazionale"), 125},
    {QStringLiteral("Francobollo B zona 1 (Europa e bacino del Mediterraneo)"), 245},
    {QStringLiteral("Francobollo B zona 3 (Oceania)"), 350},
    {QStringLiteral("Contributo unificato € 43,00"), 4300},
    {QStringLiteral("Contributo unificato € 98,00"), 9800},
    {QStringLiteral("Marca per passaporto ordinario € 73,50"), 7350},
    {QStringLiteral("Francobollo celebrativo \"Città d'Italia\""), 120},
    {QStringLiteral("Valore bollato per diritti di segreteria"), 0},
};

const QStringList kOccupations = {QStringLiteral("Impiegato"),
                                  QStringLiteral("Avvocato"),
                                  QStringLiteral("Geometra"),
                                  QStringLiteral("Pensionata"),
                                  QStringLiteral("Titolare di agenzia pratiche auto"),
                                  QStringLiteral("Commercialista")};

const QStringList kQuestions = {
    QStringLiteral("Da richiamare per la fornitura mensile di marche da € 16,00"),
    QStringLiteral("Attende la fattura della distinta di marzo; verificare l'IBAN"),
    QStringLiteral("Documento scaduto: chiedere copia aggiornata")};

QString amount(qint64 cents) {
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

template <typename Make>
bool writeRecords(const QString& path, int recordSize, qint64 count, QString* error, Make make) {
    // One buffered pass, records end to end as the record file lays them out:
    // an append through the record file syncs every record to disk, which
    // would make a 100,000-record archive take minutes to write.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    for (qint64 i = 1; i <= count; ++i) {
        const QByteArray record = make(i);
        if (record.size() != recordSize || file.write(record) != recordSize) {
            *error = file.errorString();
            return false;
        }
    }
    if (!file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

ArchiveGenerator::ArchiveGenerator(quint32 seed) : m_random(seed) {}

int ArchiveGenerator::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

const QString& ArchiveGenerator::pick(const QStringList& list) {
    return list[between(0, int(list.size()) - 1)];
}

QString ArchiveGenerator::digits(int count) {
    QString out;
    for (int i = 0; i < count; ++i)
        out.append(QChar(u'0' + between(0, 9)));
    return out;
}

QString ArchiveGenerator::date(int yearFrom, int yearTo) {
    const QDate d = QDate(between(yearFrom, yearTo), 1, 1).addDays(between(0, 364));
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

QString ArchiveGenerator::personName() {
    return pick(kSurnames) + QLatin1Char(' ') + pick(kFirstNames);
}

Ricevuta ArchiveGenerator::ricevuta(qint64 number) {
    Ricevuta r;
    r.numRic = QString::number(number);
    // Dates move forward through the year, a few distinte a day.
    if (between(0, 3) == 0)
        m_dayOfYear = (m_dayOfYear + 1) % 365;
    r.data = QDate(2023, 1, 1).addDays(m_dayOfYear).toString(QStringLiteral("dd/MM/yyyy"));
    r.nomeRiv = QStringLiteral("Tabaccheria Ricevitoria n. 42 di Bianchi Luca");
    r.pagamento = pick(kPayments);
    r.rivRigo = {QStringLiteral("Via Garibaldi, 18"), QStringLiteral("80142 Napoli (NA)"),
                 QStringLiteral("P.IVA 01234567890"), QStringLiteral("Rivendita n. 42"),
                 QStringLiteral("Tel. 081 5551234")};
    const bool company = between(0, 4) == 0;
    r.acqRigo[0] = company ? pick(kCompanies) : personName();
    r.acqRigo[1] = pick(kStreets) + QStringLiteral(", ") + QString::number(between(1, 240));
    r.acqRigo[2] = digits(5) + QLatin1Char(' ') + pick(kTowns) + QStringLiteral(" (") +
                   pick(kProvinces) + QLatin1Char(')');
    r.acqRigo[3] = company ? QStringLiteral("P.IVA ") + digits(11)
                           : QStringLiteral("C.F. RSSMRA") + digits(2) + QStringLiteral("A01F") +
                                 digits(3) + QLatin1Char('X');
    r.acqRigo[4] = between(0, 2) == 0 ? QString() : QStringLiteral("Tel. 3") + digits(9);

    const int lines = between(0, 2) == 0 ? between(1, 10) : between(1, 3);
    qint64 total = 0;
    for (int i = 0; i < Ricevuta::kLines; ++i) {
        if (i >= lines) {
            r.importo[i] = QStringLiteral("0,00");
            continue;
        }
        const Stamp& stamp = kStamps[between(0, int(kStamps.size()) - 1)];
        const int quantity = between(0, 5) == 0 ? between(20, 500) : between(1, 10);
        const qint64 lineCents = qint64(quantity) * stamp.cents;
        r.quant[i] = QString::number(quantity);
        r.descrizione[i] = stamp.description;
        r.unitario[i] = stamp.cents > 0 ? amount(stamp.cents) : QString();
        r.importo[i] = amount(lineCents);
        total += lineCents;
    }
    r.totale = amount(total);
    r.saldato = between(0, 9) < 7 ? kSaldatoSi : kSaldatoNo;
    return r;
}

SchedaAnagrafica ArchiveGenerator::scheda() {
    SchedaAnagrafica s;
    const bool company = between(0, 4) == 0;
    s.nome = company ? pick(kCompanies) : personName();
    s.indirizzo = pick(kStreets);
    s.num =
        QString::number(between(1, 240)) + (between(0, 5) == 0 ? QStringLiteral("/b") : QString());
    const QString cap = digits(5);
    for (int i = 0; i < 5; ++i)
        s.cap[i] = cap.mid(i, 1);
    const int town = between(0, int(kTowns.size()) - 1);
    s.localita = kTowns[town];
    s.prov = {kProvinces[town].left(1), kProvinces[town].mid(1)};
    s.tel = QStringLiteral("0") + digits(2) + QLatin1Char(' ') + digits(7);
    s.email = QStringLiteral("cliente%1@esempio.it").arg(digits(4));
    s.dataNasc = date(1940, 2004);
    s.sesso = between(0, 1) ? QStringLiteral("M") : QStringLiteral("F");
    s.luogoNasc = pick(kTowns);
    s.codFisc = QStringLiteral("RSSMRA") + digits(2) + QStringLiteral("A01F") + digits(3) +
                QLatin1Char('X');
    s.partitaIva = company ? digits(11) : QString();
    s.iban = QStringLiteral("IT60X0542811101") + digits(12);
    s.pec = company ? QStringLiteral("amministrazione@pec.esempio.it") : QString();
    s.carta = between(0, 2) == 0 ? QStringLiteral("4539 ") + digits(4) + QLatin1Char(' ') +
                                       digits(4) + QLatin1Char(' ') + digits(4)
                                 : QString();
    s.scadeCarta = s.carta.isEmpty() ? QString() : QStringLiteral("12/2027");
    s.cel = QStringLiteral("3") + digits(9);
    s.cittadinanza = QStringLiteral("Italiana");
    s.occupazione = pick(kOccupations);
    s.civile = between(0, 1) ? QStringLiteral("Coniugato/a") : QStringLiteral("Celibe/Nubile");
    s.tipoDoc = QStringLiteral("Carta d'identità CA") + digits(5) + QStringLiteral("AB");
    s.enteRil = QStringLiteral("Comune di ") + pick(kTowns);
    s.dataRil = date(2016, 2022);
    s.dataSca = date(2026, 2032);
    s.prodotti = QStringLiteral("Marche da bollo per istanze e certificati; francobolli "
                                "per raccomandate verso l'estero");
    s.questioni = between(0, 4) == 0 ? pick(kQuestions) : QString();
    s.note = QStringLiteral("Cliente abituale, preferisce il pagamento con ") +
             pick(kPayments).toLower() + QStringLiteral(". Più di una distinta al mese.");
    const int attachments = between(0, 3);
    for (int i = 0; i < attachments; ++i) {
        s.file[i] = QStringLiteral("documento_%1_%2.pdf").arg(digits(6)).arg(i + 1);
        s.desc[i] = QStringLiteral("Copia del documento d'identità, pagina %1").arg(i + 1);
    }
    return s;
}

bool ArchiveGenerator::writeDistinte(const QString& path, qint64 count, QString* error) {
    ArchiveGenerator generator;
    return writeRecords(path, Ricevuta::kRecordSize, count, error,
                        [&generator](qint64 i) { return generator.ricevuta(i).encode(); });
}

bool ArchiveGenerator::writeSchede(const QString& path, qint64 count, QString* error) {
    ArchiveGenerator generator;
    return writeRecords(path, SchedaAnagrafica::kRecordSize, count, error,
                        [&generator](qint64) { return generator.scheda().encode(); });
}
