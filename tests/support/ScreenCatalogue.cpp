#include "support/ScreenCatalogue.h"

#include "app/ui/Program.h"
#include "app/ui/TfrmAvvio.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "app/ui/TfrmInfo.h"
#include "app/ui/TfrmPassword.h"
#include "app/ui/TfrmSplash.h"
#include "backup/ArchiveCheck.h"
#include "backup/ui/TfrmCopiaSicurezza.h"
#include "backup/ui/TfrmVerificaArchivi.h"
#include "buyers/Attachments.h"
#include "buyers/ui/TfrmAllegaCartella.h"
#include "buyers/ui/TfrmAnagrafica.h"
#include "buyers/ui/TfrmExpAnagrafica.h"
#include "buyers/ui/TfrmQuestioni.h"
#include "buyers/ui/TfrmStampaAnagrafica.h"
#include "buyers/ui/TfrmTrovaAnagrafica.h"
#include "checks/ui/TfrmCarta.h"
#include "checks/ui/TfrmCodFisc.h"
#include "checks/ui/TfrmIban.h"
#include "checks/ui/TfrmPartitaIva.h"
#include "distinte/YearChoice.h"
#include "distinte/ui/TfrmAnteprimaRic.h"
#include "distinte/ui/TfrmCalendario.h"
#include "distinte/ui/TfrmExpRicevute.h"
#include "distinte/ui/TfrmLogo.h"
#include "distinte/ui/TfrmNonPagati.h"
#include "distinte/ui/TfrmNumerazione.h"
#include "distinte/ui/TfrmRicevute.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "distinte/ui/TfrmTrovaRic.h"
#include "help/HelpTopics.h"
#include "help/ui/TfrmGuida.h"
#include "output/ui/ReportPreviewDialog.h"
#include "reports/IncomeSummary.h"
#include "reports/ui/TfrmRiepLavoro.h"
#include "support/SampleShop.h"
#include "tariff/ui/TfrmAggiungi_Voce.h"
#include "tariff/ui/TfrmModifica_Voce.h"
#include "tariff/ui/TfrmTrovaServizi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

ScreenStage::ScreenStage(Program& program, Services& services, ProgramFolder folder)
    : m_program(program), m_services(services), m_folder(std::move(folder)) {}

ScreenStage::~ScreenStage() = default;

void ScreenStage::settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QWidget* ScreenStage::show(MainScreen id) {
    m_program.password()->hide();
    m_program.changePassword()->hide();
    m_program.router().switchTo(id, nullptr);
    settle();
    return m_program.router().screen(id);
}

TfrmRicevute* ScreenStage::editor() {
    auto* editor = static_cast<TfrmRicevute*>(m_program.router().screen(MainScreen::Ricevute));
    editor->openYear(SampleShop::year());
    show(MainScreen::Ricevute);
    editor->showDistinta(SampleShop::sampleDistinta(), 1);
    return editor;
}

TfrmAnagrafica* ScreenStage::buyers() {
    auto* screen = static_cast<TfrmAnagrafica*>(show(MainScreen::Anagrafica));
    screen->showScheda(SampleShop::sampleCard(), 1);
    return screen;
}

QWidget* ScreenStage::keep(std::unique_ptr<QWidget> window, bool isDialog) {
    release();
    m_kept = std::move(window);
    m_keptIsDialog = isDialog;
    m_kept->show();
    settle();
    return m_kept.get();
}

void ScreenStage::release() {
    if (m_kept)
        m_kept->hide();
    m_kept.reset();
}

template <typename T> T* ScreenStage::child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        m_problems.append(QStringLiteral("no control ") + QString::fromLatin1(name) +
                          QStringLiteral(" on ") + window->objectName());
    return found;
}

void ScreenStage::type(QWidget* window, const char* field, const QString& text) {
    if (auto* edit = child<QLineEdit>(window, field)) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

void ScreenStage::press(QWidget* window, const char* button) {
    if (auto* b = child<QAbstractButton>(window, button))
        b->click();
    settle();
}

void ScreenStage::tick(QWidget* window, const char* box) {
    if (auto* b = child<QCheckBox>(window, box))
        b->setChecked(true);
}

void ScreenStage::pick(QWidget* window, const char* combo, const QString& text) {
    if (auto* box = child<QComboBox>(window, combo))
        box->setCurrentIndex(box->findText(text));
}

namespace {

QWidget* chart(ScreenStage& s, const char* style) {
    QWidget* w = s.show(MainScreen::Statistiche);
    s.type(w, "txtAnno", SampleShop::year());
    s.press(w, "btnApri");
    s.press(w, style);
    return w;
}

// The distinte search over the editor, for the buyers of one postal code in
// every year.
QWidget* everyYearSearch(ScreenStage& s) {
    TfrmRicevute* owner = s.editor();
    QWidget* w = s.dialog<TfrmTrovaRic>(s.services(), *owner, owner);
    s.tick(w, "chkTuttiGliAnni");
    s.type(w, "txtAcqRigo03", QStringLiteral("00198"));
    return w;
}

archivecheck::Report sampleFindings() {
    using archivecheck::Finding;
    const QString year = SampleShop::year() + QStringLiteral(".ric");
    archivecheck::Report report;
    report.archives = 2;
    report.distinte = 1250;
    report.cards = 310;
    report.findings = {
        {Finding::Distinte, year, 87, true, QStringLiteral("n. 86"),
         QStringLiteral("numero già usato dalla distinta in posizione 86")},
        {Finding::Distinte, year, 412, true, QStringLiteral("n. 411"),
         QStringLiteral("data 31/12/2022 non dell'anno ") + SampleShop::year()},
        {Finding::Acquirenti, QStringLiteral("Anagrafica.pro"), 57, true, QString(),
         QStringLiteral("scheda senza nome")},
    };
    return report;
}

std::vector<ScreenEntry> makeCatalogue() {
    using S = ScreenStage;
    return {
        // Start.
        {"password",
         [](S& s) {
             s.program().start();
             QWidget* w = s.program().password();
             s.type(w, "txtPassword", QStringLiteral("aperturacassaz"));
             return w;
         }},
        {"cambia-password",
         [](S& s) {
             QWidget* w = s.program().changePassword();
             w->show();
             ScreenStage::settle();
             for (const char* field : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
                 s.type(w, field, QStringLiteral("segreta"));
             return w;
         }},
        {"menu-principale", [](S& s) { return s.show(MainScreen::Avvio); }},
        {"guida-rapida",
         [](S& s) {
             auto* w = static_cast<TfrmGuida*>(
                 s.dialog<TfrmGuida>(s.services(), s.show(MainScreen::Avvio)));
             // The longest topic, the one of the main menu.
             const help::HelpTopic topic = help::topic(help::Topic::Panoramica);
             w->setTopic(topic.title, topic.paragraphs);
             return static_cast<QWidget*>(w);
         }},
        {"informazioni",
         [](S& s) { return s.dialog<TfrmInfo>(s.services(), s.show(MainScreen::Avvio)); }},
        {"presentazione",
         [](S& s) { return s.dialog<TfrmSplash>(s.services(), s.show(MainScreen::Avvio)); }},
        {"copia-sicurezza",
         [](S& s) {
             return s.dialog<TfrmCopiaSicurezza>(s.services(), s.show(MainScreen::Avvio));
         }},
        {"verifica-archivi",
         [](S& s) {
             return s.dialog<TfrmVerificaArchivi>(s.services(), sampleFindings(),
                                                  s.show(MainScreen::Avvio));
         }},

        // Distinte.
        {"menu-distinte", [](S& s) { return s.show(MainScreen::MenuRicevute); }},
        {"editor", [](S& s) { return static_cast<QWidget*>(s.editor()); }},
        {"importa-tariffa",
         [](S& s) {
             QWidget* w = s.dialog<TfrmTrovaServizi>(s.services(), s.editor());
             if (auto* list = w->findChild<QListWidget*>(QStringLiteral("lstRecords")))
                 list->setCurrentRow(0);
             return w;
         }},
        {"calendario", [](S& s) { return s.dialog<TfrmCalendario>(s.services(), s.editor()); }},
        {"stampa-distinta",
         [](S& s) {
             return s.dialog<TfrmStampaRic>(s.services(), SampleShop::sampleDistinta(), s.editor());
         }},
        {"scelta-anteprima",
         [](S& s) {
             return s.dialog<TfrmAnteprimaRic>(s.services(), SampleShop::sampleDistinta(),
                                               s.editor());
         }},
        {"anteprima",
         [](S& s) {
             TfrmRicevute* owner = s.editor();
             const TfrmAnteprimaRic choice(s.services(), SampleShop::sampleDistinta(), owner);
             return s.dialog<ReportPreviewDialog>(s.services(), choice.preparedPage(), owner);
         }},
        {"numerazione", [](S& s) { return s.dialog<TfrmNumerazione>(s.services(), s.editor()); }},
        {"logo", [](S& s) { return s.dialog<TfrmLogo>(s.services(), s.editor()); }},
        {"trova-distinte", [](S& s) { return everyYearSearch(s); }},
        {"risultati-distinte",
         [](S& s) {
             SampleShop::writeYear(s.folder(), QStringLiteral("2023"));
             QWidget* w = everyYearSearch(s);
             s.press(w, "btnCerca");
             return w;
         }},
        {"non-saldate",
         [](S& s) {
             TfrmRicevute* owner = s.editor();
             QWidget* w = s.dialog<TfrmNonPagati>(s.services(), *owner, owner);
             s.type(w, "txtTrova", QStringLiteral("verdi"));
             s.press(w, "btnTrova");
             return w;
         }},
        {"esporta-distinte",
         [](S& s) {
             return s.dialog<TfrmExpRicevute>(
                 s.services(), s.editor(), yearchoice::archivePath(s.folder(), SampleShop::year()));
         }},

        // Tariff list.
        {"tariffario", [](S& s) { return s.show(MainScreen::Prodotti); }},
        {"aggiungi-voce",
         [](S& s) {
             QWidget* w = s.dialog<TfrmAggiungi_Voce>(s.services(), s.show(MainScreen::Prodotti));
             s.type(w, "txtNomeVoce", QStringLiteral("Marca da bollo"));
             s.type(w, "txtPrezzo", QStringLiteral("1,00"));
             return w;
         }},
        {"modifica-voce",
         [](S& s) {
             return s.dialog<TfrmModifica_Voce>(s.services(), s.show(MainScreen::Prodotti));
         }},

        // Buyers archive.
        {"acquirenti", [](S& s) { return static_cast<QWidget*>(s.buyers()); }},
        {"allegati",
         [](S& s) {
             const SchedaAnagrafica card = SampleShop::sampleCard();
             Attachments attached;
             attached.file = card.file;
             attached.desc = card.desc;
             return s.dialog<TfrmAllegaCartella>(s.services(), attached, qint64(0), s.buyers());
         }},
        {"questioni", [](S& s) { return s.dialog<TfrmQuestioni>(s.services(), s.buyers()); }},
        {"trova-acquirenti",
         [](S& s) {
             QWidget* w = s.dialog<TfrmTrovaAnagrafica>(s.services(), s.buyers());
             s.type(w, "txtLocalita", QStringLiteral("roma"));
             s.press(w, "btnCerca");
             return w;
         }},
        {"stampa-scheda",
         [](S& s) {
             return s.dialog<TfrmStampaAnagrafica>(s.services(), SampleShop::sampleCard(),
                                                   s.buyers());
         }},
        {"esporta-acquirenti",
         [](S& s) { return s.dialog<TfrmExpAnagrafica>(s.services(), s.buyers()); }},
        {"controllo-codice-fiscale",
         [](S& s) {
             return s.dialog<TfrmCodFisc>(s.services(), QStringLiteral("RSSMRA80A01H501U"),
                                          s.buyers());
         }},
        {"controllo-partita-iva",
         [](S& s) {
             return s.dialog<TfrmPartitaIva>(s.services(), QStringLiteral("09876543210"),
                                             s.buyers());
         }},
        {"controllo-iban",
         [](S& s) {
             return s.dialog<TfrmIban>(s.services(), QStringLiteral("IT60X0542811101000000123456"),
                                       s.buyers());
         }},
        {"controllo-carta",
         [](S& s) {
             return s.dialog<TfrmCarta>(s.services(), QStringLiteral("4111111111111111"),
                                        s.buyers());
         }},

        // Income summary and chart.
        {"riepilogo",
         [](S& s) {
             QWidget* w = s.show(MainScreen::MenuRiepLavoro);
             s.type(w, "txtAnno", SampleShop::year());
             s.pick(w, "txtGiornoInizio", QStringLiteral("01"));
             s.pick(w, "txtMeseInizio", QStringLiteral("Gennaio"));
             s.pick(w, "txtGiornoFine", QStringLiteral("31"));
             s.pick(w, "txtMeseFine", QStringLiteral("Marzo"));
             return w;
         }},
        {"riepilogo-risultato",
         [](S& s) {
             const QString start = QStringLiteral("01/01/") + SampleShop::year();
             const QString end = QStringLiteral("31/03/") + SampleShop::year();
             auto summary = std::make_unique<TfrmRiepLavoro>(
                 s.services(), s.show(MainScreen::MenuRiepLavoro), s.findMemory());
             summary->showSummary(
                 incomesummary::summarize({yearchoice::archivePath(s.folder(), SampleShop::year()),
                                           QString(), start, end}),
                 QString(), start, end);
             // Shown maximised like the main screens, with their title bar.
             return s.keepScreen(std::move(summary));
         }},
        {"grafico-barre", [](S& s) { return chart(s, "btnBarre"); }},
        {"grafico-torta", [](S& s) { return chart(s, "btnTorta"); }},
    };
}

} // namespace

const std::vector<ScreenEntry>& everyScreen() {
    static const std::vector<ScreenEntry> catalogue = makeCatalogue();
    return catalogue;
}
