#include "support/SampleShop.h"

#include "app/PasswordStore.h"
#include "buyers/BuyerArchive.h"
#include "buyers/BuyerLines.h"
#include "distinte/DistintaArchive.h"
#include "distinte/DistintaForm.h"
#include "distinte/DistintaTotal.h"
#include "distinte/Impostazioni.h"
#include "distinte/YearChoice.h"
#include "support/SampleTariff.h"
#include "tariff/TariffFile.h"

#include <QDir>
#include <QFile>

namespace {

const std::array<QString, Ricevuta::kPartyLines> kReseller = {
    QStringLiteral("Tabaccheria Ferri n. 12"), QStringLiteral("Via Roma 15"),
    QStringLiteral("00100 Roma (RM)"), QStringLiteral("P. IVA 01234567890"), QString()};

struct Buyer {
    const char* nome;
    const char* indirizzo;
    const char* num;
    const char* cap;
    const char* localita;
    const char* prov;
    const char* partitaIva;
    const char* codFisc;
    const char* questioni;
    const char* tel;
    const char* sesso;
};

const Buyer kBuyers[] = {
    {"Studio Bianchi S.r.l.", "Corso Italia", "8", "00198", "Roma", "RM", "09876543210", "",
     "Attende la fattura di marzo per le marche da bollo.", "06 5551234", ""},
    {"Rossi Mario", "Via Appia Nuova", "120", "00183", "Roma", "RM", "", "RSSMRA80A01H501U", "",
     "06 5552211", "M"},
    {"Agenzia Pratiche Auto Verdi", "Via Tuscolana", "44", "00181", "Roma", "RM", "07643520567", "",
     "Chiede il prezzo dei contrassegni per 200 pezzi.", "06 5559087", ""},
    {"Esposito Anna", "Piazza Navona", "3", "00186", "Roma", "RM", "", "SPSNNA75M41F839X", "",
     "06 5554410", "F"},
    {"Condominio Via Nazionale 90", "Via Nazionale", "90", "00184", "Roma", "RM", "", "97012340581",
     "", "06 5556723", "M"},
};

struct Sale {
    const char* data;
    int buyer;
    const char* pagamento;
    int quant;
    const char* descrizione;
    const char* unitario;
    int quant2; // 0: one line only
    const char* descrizione2;
    const char* unitario2;
    bool saldato;
};

const Sale kSales[] = {
    {"05/03/2024", 0, "Contanti", 10, "Marca da bollo", "16,00", 20, "Francobollo posta ordinaria",
     "1,25", false},
    {"12/01/2024", 1, "Bancomat", 2, "Marca da bollo", "16,00", 0, "", "", true},
    {"26/01/2024", 2, "Bonifico bancario", 50, "Contrassegno telematico", "0,52", 10,
     "Marca da bollo", "2,00", true},
    {"14/02/2024", 3, "Contanti", 1, "Marca per passaporto", "73,50", 0, "", "", true},
    {"28/02/2024", 4, "Contanti", 30, "Francobollo posta prioritaria", "2,95", 0, "", "", false},
    {"18/03/2024", 2, "Bonifico bancario", 100, "Contrassegno telematico", "0,52", 0, "", "", true},
    {"09/04/2024", 0, "Carta di credito", 25, "Marca da bollo", "16,00", 0, "", "", true},
    {"22/05/2024", 1, "Contanti", 5, "Marca da bollo", "2,00", 0, "", "", true},
    {"11/06/2024", 2, "Bonifico bancario", 40, "Marca da bollo", "16,00", 0, "", "", false},
    {"03/07/2024", 3, "Bancomat", 1, "Marca per passaporto", "73,50", 0, "", "", true},
    {"17/09/2024", 0, "Contanti", 12, "Marca da bollo", "16,00", 0, "", "", true},
    {"08/10/2024", 4, "Contanti", 60, "Francobollo posta ordinaria", "1,25", 0, "", "", true},
    {"20/11/2024", 2, "Bonifico bancario", 30, "Marca da bollo", "16,00", 0, "", "", true},
    {"16/12/2024", 0, "Carta di credito", 15, "Marca da bollo", "16,00", 0, "", "", true},
};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

SchedaAnagrafica cardFor(const Buyer& b) {
    SchedaAnagrafica card;
    card.nome = text(b.nome);
    card.indirizzo = text(b.indirizzo);
    card.num = text(b.num);
    const QString cap = text(b.cap);
    for (int i = 0; i < int(card.cap.size()) && i < cap.size(); ++i)
        card.cap[i] = cap.mid(i, 1);
    card.localita = text(b.localita);
    card.prov = {text(b.prov).left(1), text(b.prov).mid(1, 1)};
    card.partitaIva = text(b.partitaIva);
    card.codFisc = text(b.codFisc);
    card.questioni = text(b.questioni);
    card.tel = text(b.tel);
    // Firms with a partita IVA have no sex; the condominium, with a codice
    // fiscale only, is given one as the program asks.
    card.sesso = text(b.sesso);
    return card;
}

Ricevuta distintaFor(int number, const Sale& s) {
    Ricevuta d;
    d.numRic = QString::number(number);
    d.data = text(s.data);
    d.nomeRiv = QStringLiteral("Giovanna Ferri");
    d.pagamento = text(s.pagamento);
    d.rivRigo = kReseller;
    // The buyer lines as the editor's buyer import writes them.
    d.acqRigo = buyerlines::distintaBuyerLines(cardFor(kBuyers[s.buyer]));
    d.quant[0] = QString::number(s.quant);
    d.descrizione[0] = text(s.descrizione);
    d.unitario[0] = text(s.unitario);
    if (s.quant2 > 0) {
        d.quant[1] = QString::number(s.quant2);
        d.descrizione[1] = text(s.descrizione2);
        d.unitario[1] = text(s.unitario2);
    }
    // Amounts and total as the editor's "Salva" computes them.
    distintatotal::Lines lines = distintaform::stampLines(d);
    distintatotal::compute(lines);
    d.quant = lines.quant;
    d.importo = lines.importo;
    d.totale = lines.totale;
    d.saldato = distintaform::paidFlag(s.saldato);
    return d;
}

bool writeTariff(const ProgramFolder& folder);
bool writeSettings(const ProgramFolder& folder);
bool writeBuyers(const ProgramFolder& folder);
bool writeDistinte(const ProgramFolder& folder);

} // namespace

SampleShop::SampleShop() {
    m_ok = m_dir.isValid() && write(folder());
}

bool SampleShop::write(const ProgramFolder& folder) {
    return PasswordStore(folder).write(PasswordStore::firstAccessPassword()) &&
           writeTariff(folder) && writeSettings(folder) && writeBuyers(folder) &&
           writeDistinte(folder);
}

QString SampleShop::year() {
    return QStringLiteral("2024");
}

QString SampleShop::archivePath() const {
    return yearchoice::archivePath(folder(), year());
}

Ricevuta SampleShop::sampleDistinta() {
    return distintaFor(1, kSales[0]);
}

bool SampleShop::writeYear(const ProgramFolder& folder, const QString& year) {
    const DistintaArchive archive(yearchoice::archivePath(folder, year));
    for (const Ricevuta& distinta : distinte(year))
        if (!archive.save(distinta, DistintaArchive::kNotStored).ok)
            return false;
    return true;
}

QList<Ricevuta> SampleShop::distinte(const QString& year) {
    QList<Ricevuta> distinte;
    int number = 1;
    for (const Sale& s : kSales) {
        Ricevuta d = distintaFor(number++, s);
        d.data = d.data.left(6) + year;
        distinte.append(d);
    }
    return distinte;
}

SchedaAnagrafica SampleShop::sampleCard() {
    SchedaAnagrafica card = cardFor(kBuyers[0]);
    card.email = QStringLiteral("info@studiobianchi.example");
    card.pec = QStringLiteral("studiobianchi@pec.example");
    card.iban = QStringLiteral("IT60X0542811101000000123456");
    card.occupazione = QStringLiteral("Studio di consulenza");
    card.tipoDoc = QStringLiteral("Visura camerale n. 4412");
    card.enteRil = QStringLiteral("C.C.I.A.A. di Roma");
    card.dataRil = QStringLiteral("10/01/2024");
    card.prodotti = QStringLiteral("Marche da bollo, francobolli per raccomandate");
    card.note = QStringLiteral("Ritira di solito il venerdì mattina.");
    card.file[0] = QStringLiteral("visura.pdf");
    card.desc[0] = QStringLiteral("Visura camerale 2024");
    return card;
}

namespace {

bool writeTariff(const ProgramFolder& folder) {
    return tariff::writeTariffFile(folder.file(tariff::tariffFileName()), sampleTariffEntries()).ok;
}

bool writeSettings(const ProgramFolder& folder) {
    DatiRivenditore dati;
    dati.righe = kReseller;
    dati.nome = QStringLiteral("Giovanna Ferri");
    return Impostazioni(folder).setRivenditore(dati);
}

bool writeBuyers(const ProgramFolder& folder) {
    const BuyerArchive archive(folder);
    if (!archive.save(SampleShop::sampleCard(), BuyerArchive::kNotStored).ok)
        return false;
    for (std::size_t i = 1; i < std::size(kBuyers); ++i)
        if (!archive.save(cardFor(kBuyers[i]), BuyerArchive::kNotStored).ok)
            return false;
    // The attachment the sample card names.
    QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati")));
    QFile attached(folder.file(QStringLiteral("Documenti_Allegati/visura.pdf")));
    return attached.open(QIODevice::WriteOnly) && attached.write("%PDF-1.4\n") > 0;
}

bool writeDistinte(const ProgramFolder& folder) {
    return SampleShop::writeYear(folder, SampleShop::year());
}

} // namespace
