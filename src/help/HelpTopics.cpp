#include "help/HelpTopics.h"

#include "common/MessageBreaks.h"
#include "common/ProgramFolder.h"

#include <QDir>

namespace help {

namespace {

// The opening paragraph of each area. The general topic of the main menu
// is made of these, so the two never tell different stories.

QString buyersInBrief() {
    return QStringLiteral(
        "L'Archivio acquirenti raccoglie le schede delle persone e delle ditte che acquistano "
        "valori bollati. Serve soprattutto a compilare le distinte in un attimo, importando i "
        "dati dell'acquirente invece di riscriverli ogni volta, ma è anche una rubrica completa "
        "di indirizzi, recapiti e documenti dei clienti.");
}

QString tariffInBrief() {
    return QStringLiteral(
        "Il Tariffario valori bollati è l'elenco dei valori che si vendono al banco, ciascuno "
        "con il suo prezzo unitario. Durante la compilazione di una distinta si richiama una "
        "voce del tariffario invece di scriverne a mano descrizione e prezzo.");
}

QString distinteInBrief() {
    return QStringLiteral(
        "L'ambiente Emissione distinte serve a compilare e stampare su un foglio A4 la "
        "distinta da consegnare a chi acquista valori bollati, e a conservarla nell'archivio "
        "dell'anno. Le distinte sono numerate automaticamente e gli importi vengono calcolati "
        "dal programma.");
}

QString backupInBrief() {
    return QStringLiteral(
        "Il collegamento «Copia di sicurezza e verifica archivi» della schermata principale "
        "copia tutti i dati su una chiavetta USB o su un altro disco, verificando ogni file, e "
        "li ripristina da una copia senza perdere quelli attuali. Conviene fare la copia "
        "spesso: alla chiusura il programma lo ricorda se l'ultima è di più di una settimana "
        "prima.");
}

QStringList chartParagraphs() {
    return {
        QStringLiteral(
            "Il grafico statistico degli incassi (collegamento «Grafici statistici incassi» del "
            "menu delle distinte) mostra quanto si è incassato in ciascun mese di un anno "
            "solare, in base alle distinte emesse. Si scrive l'anno e si preme «Apri»: "
            "compaiono dodici barre tridimensionali, una per mese, con gli importi arrotondati "
            "all'euro."),
        QStringLiteral(
            "Con «Visualizza grafico a torta» gli stessi incassi si vedono come spicchi di una "
            "torta, uno per mese; «Visualizza grafico a barre» riporta le barre. «Stampa "
            "grafico» stampa il grafico visualizzato insieme ai dati mensili."),
    };
}

QStringList summaryParagraphs() {
    return {
        QStringLiteral(
            "Il riepilogo degli incassi (collegamento «Riepilogo incassi per intervalli» del "
            "menu delle distinte) elenca le distinte emesse in un periodo a scelta, per un solo "
            "acquirente o per tutti. Si indicano l'anno, il nome dell'acquirente come compare "
            "nel primo rigo dei suoi dati sulla distinta, il giorno e il mese di inizio e di "
            "fine del periodo, poi si preme «Visualizza riepilogo»."),
        QStringLiteral(
            "Ogni riga del riepilogo riporta la data della distinta, l'acquirente, i valori "
            "bollati del primo rigo e il totale; sotto l'elenco compare la somma incassata nel "
            "periodo. Lasciando vuoto il campo dell'acquirente si ottiene il riepilogo di tutti "
            "gli acquirenti. «Stampa riepilogo» stampa l'elenco con il totale."),
    };
}

HelpTopic panoramica() {
    QStringList p;
    p << QStringLiteral(
        "Vellarmo è il programma per compilare, stampare e archiviare le distinte di acquisto "
        "dei valori bollati, pensato per le tabaccherie e per gli altri rivenditori autorizzati. "
        "Dalla schermata principale si entra nei tre ambienti di lavoro: Archivio acquirenti, "
        "Valori bollati ed Emissione distinte.");
    p << buyersInBrief() << tariffInBrief() << distinteInBrief();
    p << chartParagraphs().first() << summaryParagraphs().first();
    p << QStringLiteral(
        "Tutti i dati si trovano nella cartella del programma. Vellarmo si può quindi usare "
        "anche da una chiavetta USB, oppure da una cartella condivisa in una rete locale, da "
        "più postazioni; se due postazioni modificano nello stesso momento la stessa scheda o "
        "la stessa distinta, resta valido l'ultimo salvataggio.");
    p << backupInBrief();
    p << QStringLiteral(
        "L'archivio delle distinte e quello degli acquirenti si possono esportare in un file di "
        "Microsoft Excel, da aprire con qualsiasi programma di fogli di calcolo, per esempio "
        "per le proprie elaborazioni o per il commercialista.");
    p << QStringLiteral(
        "L'accesso al programma è protetto da una password, la stessa per tutti gli utenti. La "
        "password del primo accesso è aperturacassaz: conviene cambiarla subito con «Cambia "
        "password» nella schermata di accesso, scrivendo la vecchia password e due volte la "
        "nuova. All'accesso maiuscole e minuscole sono indifferenti, ma nella conferma la "
        "nuova password va ripetuta esattamente come è stata scritta.");
    p << QStringLiteral(
        "In ogni ambiente di lavoro il pulsante con il punto interrogativo apre la guida di "
        "quell'ambiente. La guida completa, con le immagini delle schermate, si apre con il "
        "collegamento «Visualizza guida in formato PDF» in fondo a questa finestra.");
    return {QStringLiteral("Uno sguardo ad Vellarmo"), p};
}

HelpTopic distinte() {
    QStringList p;
    p << distinteInBrief();
    p << QStringLiteral(
        "Le distinte di ogni anno solare hanno un archivio a sé: nel menu delle distinte si "
        "scrive l'anno (è già proposto quello in corso) e si preme «Apri». La numerazione parte "
        "da 1 e prosegue da sola; chi ha già emesso distinte in altro modo può impostare, "
        "con il pulsante «N.» accanto al numero, quello da cui ripartire.");
    p << QStringLiteral(
        "Una distinta riporta numero e data, i dati del rivenditore e quelli dell'acquirente, "
        "fino a dieci righe di valori bollati con quantità, descrizione, valore unitario e "
        "importo, la modalità di pagamento e il totale. Sulla pagina stampata ci sono anche il "
        "riferimento all'esenzione IVA, lo spazio per il timbro e la firma del rivenditore e "
        "quello per la marca da bollo.");
    p << QStringLiteral(
        "Per una nuova distinta si preme «Nuovo»: il programma propone il numero successivo e "
        "la data di oggi. I dati del rivenditore si scrivono una volta sola: il programma li "
        "ricorda all'uscita e li ripropone su ogni distinta. Compilati i campi, si preme "
        "«Salva». Per correggere una distinta già salvata la si richiama con «Trova» o con le "
        "frecce di scorrimento, si modifica e si salva di nuovo.");
    p << QStringLiteral("Il logo del rivenditore, stampato sulla distinta, si sceglie "
                        "nel menu delle distinte con «Imposta logo rivenditore».");
    p << QStringLiteral(
        "I pulsanti con la freccia verde importano i dati senza riscriverli: quello dei dati "
        "dell'acquirente apre la ricerca nell'Archivio acquirenti, quelli delle righe "
        "richiamano una voce del Tariffario valori bollati con descrizione e prezzo unitario. "
        "Il pulsante accanto alla data inserisce la data di oggi.");
    p << QStringLiteral(
        "Gli importi delle righe (quantità per valore unitario) e il totale sono calcolati "
        "dal programma in euro, al centesimo, quando si salva o si preme «Calcola totale».");
    p << QStringLiteral(
        "«Trova» cerca le distinte dell'anno: si scrivono una o più parole nei campi che "
        "interessano e si preme «Cerca»; un doppio clic su una riga dei risultati apre la "
        "distinta.");
    p << QStringLiteral(
        "Spuntando «Cerca in tutti gli anni» la ricerca passa per gli archivi di tutti gli "
        "anni, dal più vecchio al più recente, e ogni riga dei risultati comincia con l'anno "
        "della distinta; il doppio clic apre la distinta nell'archivio del suo anno. Se "
        "l'archivio di un anno non si può leggere, lo dice una riga in fondo all'elenco e gli "
        "altri anni compaiono lo stesso.");
    p << QStringLiteral(
        "La casella «Saldato» indica che l'acquirente ha pagato. «Da saldare» elenca le "
        "distinte non ancora saldate; quando arriva il pagamento si apre la distinta, si spunta "
        "la casella e si salva.");
    p << QStringLiteral(
        "«Anteprima» mostra la pagina prima della stampa, «Stampa» la manda alla stampante "
        "scelta ed «Esporta» salva l'archivio dell'anno in un file di Microsoft Excel, nel "
        "formato XLS o in quello XLSX di Excel 2007 e successivi.");
    p << chartParagraphs() << summaryParagraphs();
    return {QStringLiteral("App Emissione Distinte"), p};
}

HelpTopic acquirenti() {
    QStringList p;
    p << buyersInBrief();
    p << QStringLiteral(
        "Per una nuova scheda si preme «Nuovo», si compilano i campi e si preme «Salva». Per "
        "modificare una scheda la si richiama con «Trova» o con le frecce di scorrimento, si "
        "correggono i dati e si salva di nuovo. Prima di lasciare una scheda modificata e non "
        "ancora salvata, il programma chiede se salvare le modifiche.");
    p << QStringLiteral(
        "Una scheda contiene nome e cognome o ragione sociale, indirizzo, CAP, località e "
        "provincia, telefoni, e-mail e PEC, data e luogo di nascita, sesso, cittadinanza, "
        "occupazione e stato civile, il documento d'identità con ente e date di rilascio e di "
        "scadenza, codice fiscale, partita IVA, IBAN, carta di credito, i prodotti di interesse "
        "e le note. Per salvare una scheda sono necessari il nome e il sesso, indicato con la "
        "lettera M oppure F; una ditta con la partita IVA può lasciare vuoto il sesso.");
    p << QStringLiteral(
        "Nel campo «Questioni in sospeso» si annota ciò che resta da sistemare con "
        "l'acquirente. Il pulsante «Questioni», con il triangolo giallo, elenca tutte le schede "
        "che hanno una questione in sospeso; un doppio clic su una riga apre la scheda.");
    p << QStringLiteral(
        "«Duplica» prepara una nuova scheda con i dati di quella visualizzata: è comodo per "
        "schede simili, per esempio i componenti di una famiglia che abitano allo stesso "
        "indirizzo. Basta correggere ciò che cambia e salvare.");
    p << QStringLiteral(
        "«Trova» cerca le schede con più filtri insieme: si scrivono una o più parole nei "
        "campi che interessano, per esempio il nome e la località, e si preme «Cerca»; un "
        "doppio clic su un risultato carica la scheda.");
    p << QStringLiteral(
        "Con «Allega file» si collegano alla scheda fino a tre documenti, ciascuno con una "
        "sua descrizione, per esempio la copia del documento d'identità o un file con le "
        "richieste particolari dell'acquirente. Il programma ne conserva una copia nella "
        "cartella Documenti_Allegati, dentro la cartella del programma.");
    p << QStringLiteral(
        "I pulsanti di controllo accanto a codice fiscale, partita IVA, IBAN e carta di "
        "credito verificano che il numero scritto sia corretto; per la partita IVA viene "
        "indicato anche l'ufficio che l'ha attribuita. Il pulsante accanto all'e-mail prepara "
        "un nuovo messaggio all'indirizzo della scheda con il programma di posta.");
    p << QStringLiteral("«Stampa» stampa la scheda visualizzata su un foglio A4; «Esporta» salva "
                        "l'intero archivio in un file di Microsoft Excel.");
    return {QStringLiteral("App Archivio Acquirenti"), p};
}

HelpTopic tariffario() {
    QStringList p;
    p << tariffInBrief();
    p << QStringLiteral(
        "Per aggiungere una voce si preme «Aggiungi voce», si scrivono il nome del valore (per "
        "esempio «Marca da bollo») e il suo prezzo unitario in euro e si conferma.");
    p << QStringLiteral(
        "Per correggere una voce la si seleziona nell'elenco e si preme «Modifica voce»; per "
        "toglierla la si seleziona e si preme «Elimina voce». «Stampa elenco» stampa "
        "l'intero tariffario.");
    p << QStringLiteral(
        "L'elenco viene salvato quando si esce con «Applica e chiudi»: da quel momento le voci "
        "nuove o corrette si possono richiamare nelle distinte.");
    return {QStringLiteral("App Tariffario Valori Bollati"), p};
}

HelpTopic copiaSicurezza() {
    QStringList p;
    p << backupInBrief();
    p << QStringLiteral(
        "«Crea copia di sicurezza...» chiede dove mettere la copia, per esempio una chiavetta "
        "USB o una cartella di rete, e vi crea una nuova cartella Vellarmo-copia con la data e "
        "l'ora. Contiene gli archivi delle distinte di ogni anno, l'archivio acquirenti, il "
        "tariffario, le impostazioni, la password, il logo e i documenti allegati, più il file "
        "Vellarmo-copia.sha256 con l'impronta di ogni file. Ogni file viene riletto dalla "
        "copia e confrontato con l'originale; se il disco si riempie o la chiavetta viene "
        "tolta, la copia incompleta viene eliminata e il programma lo dice. Una copia "
        "precedente non viene mai sovrascritta.");
    p << QStringLiteral(
        "La copia si può fare anche mentre altre postazioni registrano distinte: ogni archivio "
        "viene letto per intero tra un salvataggio e l'altro. Non si può mettere la copia "
        "dentro la cartella dei dati, perché andrebbe persa insieme ai dati.");
    p << QStringLiteral(
        "«Ripristina da una copia...» chiede la cartella di una copia e la verifica: se manca "
        "un file o uno è danneggiato, la copia non viene usata e il programma indica quali "
        "file. Dopo la conferma, i dati attuali vengono copiati e verificati in una cartella "
        "Dati-prima-del-ripristino con la data e l'ora, dentro la cartella del programma, e "
        "solo dopo i file della copia prendono il loro posto. Se qualcosa va storto i file "
        "vengono rimessi come prima.");
    p << QStringLiteral(
        "«Verifica archivi» legge tutti gli archivi delle distinte e quello degli acquirenti "
        "senza modificarli ed elenca ciò che non va: un ultimo record incompleto, un campo "
        "danneggiato, una data non valida o di un altro anno, un totale che non è un importo o "
        "non corrisponde alla somma dei righi, un numero di distinta usato due volte, una "
        "distinta senza numero, data, acquirente o prima descrizione, una scheda senza nome. "
        "L'elenco si può stampare; un doppio clic su una riga apre la distinta o la scheda.");
    p << QStringLiteral(
        "Quando si chiude il programma dalla schermata principale e l'ultima copia ha più di 7 "
        "giorni, il programma propone di farla. Il numero di giorni è la voce Promemoria giorni "
        "della sezione Copia di sicurezza del file Impostazioni.ini; con 0 il promemoria non "
        "compare più.");
    return {QStringLiteral("Copia di sicurezza e verifica archivi"), p};
}

HelpTopic statistiche() {
    return {QStringLiteral("App Statistiche Incassi"), chartParagraphs()};
}

HelpTopic riepilogo() {
    return {QStringLiteral("App Riepilogo Incassi"), summaryParagraphs()};
}

// The two exports work alike; only the screen, the records and the file differ.
QStringList exportSteps(const QString& screen, const QString& records, const QString& file,
                        const QString& xlsxFile) {
    return {
        QStringLiteral("Nella schermata %1 il pulsante «Esporta» apre la finestra "
                       "dell'esportazione, che mostra in una griglia %2.")
            .arg(screen, records),
        QStringLiteral("Si fa clic su una delle due icone del foglio di calcolo e si conferma. "
                       "Terminata l'esportazione, il programma chiede se aprire il file appena "
                       "creato: rispondendo «Sì» il file si apre con il programma di fogli di "
                       "calcolo."),
        QStringLiteral(
            "«Esporta» scrive il file %1, che si apre con Microsoft Excel, LibreOffice Calc o "
            "qualsiasi altro programma che legga i file XLS.")
            .arg(file),
        QStringLiteral(
            "«Esporta .xlsx» scrive invece il file %1, nel formato di Excel 2007 e successivi: "
            "si apre con Excel 2007 e le versioni successive e con gli altri programmi di fogli "
            "di calcolo recenti. I totali sono numeri, che il foglio di calcolo può sommare; la "
            "prima riga con i nomi delle colonne resta ferma mentre si scorre.")
            .arg(xlsxFile),
        QStringLiteral(
            "I file si trovano nella cartella del programma e ogni nuova esportazione sostituisce "
            "quello dello stesso formato. Per conservarne uno lo si salva subito con un nome a "
            "scelta."),
    };
}

HelpTopic esportaDistinte() {
    return {QStringLiteral("Esportazione archivio distinte in Microsoft Excel"),
            exportSteps(QStringLiteral("delle distinte"),
                        QStringLiteral("tutte le distinte dell'anno aperto"),
                        QStringLiteral("Archivio_Distinte.xls"),
                        QStringLiteral("Archivio_Distinte.xlsx"))};
}

HelpTopic esportaAnagrafica() {
    return {QStringLiteral("Esportazione archivio anagrafico in Microsoft Excel"),
            exportSteps(QStringLiteral("dell'Archivio acquirenti"),
                        QStringLiteral("tutte le schede degli acquirenti"),
                        QStringLiteral("Anagrafica.xls"), QStringLiteral("Anagrafica.xlsx"))};
}

} // namespace

HelpTopic topic(Topic id) {
    switch (id) {
    case Topic::Panoramica:
        return panoramica();
    case Topic::Distinte:
        return distinte();
    case Topic::Acquirenti:
        return acquirenti();
    case Topic::Tariffario:
        return tariffario();
    case Topic::Statistiche:
        return statistiche();
    case Topic::Riepilogo:
        return riepilogo();
    case Topic::EsportaDistinte:
        return esportaDistinte();
    case Topic::EsportaAnagrafica:
        return esportaAnagrafica();
    case Topic::CopiaSicurezza:
        return copiaSicurezza();
    }
    return panoramica();
}

QList<Topic> allTopics() {
    return {Topic::Panoramica,      Topic::Acquirenti,        Topic::Tariffario,
            Topic::Distinte,        Topic::Statistiche,       Topic::Riepilogo,
            Topic::EsportaDistinte, Topic::EsportaAnagrafica, Topic::CopiaSicurezza};
}

QString joinParagraphs(const QStringList& paragraphs) {
    return paragraphs.join(QStringLiteral(VM_PARAGRAPH_CRLF));
}

QString userGuideFileName() {
    return QStringLiteral("Guida.pdf");
}

QString quotedUserGuidePath(const ProgramFolder& folder) {
    return QLatin1Char('"') + folder.file(userGuideFileName()) + QLatin1Char('"');
}

QString missingUserGuideMessage(const QString& path) {
    return QStringLiteral(
               "Attenzione: la guida in formato PDF non è stata trovata." VM_PARAGRAPH_CRLF
               "Il file cercato è \"%1\".")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace help
