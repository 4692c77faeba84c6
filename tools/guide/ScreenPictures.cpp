#include "tools/guide/ScreenPictures.h"

#include "app/ui/Program.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "app/ui/TfrmPassword.h"
#include "backup/ui/TfrmCopiaSicurezza.h"
#include "backup/ui/TfrmVerificaArchivi.h"
#include "buyers/Attachments.h"
#include "buyers/ui/TfrmAllegaCartella.h"
#include "buyers/ui/TfrmAnagrafica.h"
#include "buyers/ui/TfrmQuestioni.h"
#include "buyers/ui/TfrmTrovaAnagrafica.h"
#include "checks/ui/TfrmCodFisc.h"
#include "checks/ui/TfrmIban.h"
#include "checks/ui/TfrmPartitaIva.h"
#include "common/ListFind.h"
#include "distinte/ui/TfrmAnteprimaRic.h"
#include "distinte/ui/TfrmExpRicevute.h"
#include "distinte/ui/TfrmLogo.h"
#include "distinte/ui/TfrmNonPagati.h"
#include "distinte/ui/TfrmNumerazione.h"
#include "distinte/ui/TfrmRicevute.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "distinte/ui/TfrmTrovaRic.h"
#include "help/ui/TfrmGuida.h"
#include "output/ui/ReportPreviewDialog.h"
#include "reports/IncomeSummary.h"
#include "reports/ui/TfrmRiepLavoro.h"
#include "support/SampleShop.h"
#include "tariff/ui/TfrmAggiungi_Voce.h"
#include "tariff/ui/TfrmTrovaServizi.h"
#include "tools/guide/SilentServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>

namespace {

// The window as the user sees it: the grabbed content under a plain title
// bar with the window's caption, in a thin frame.
QImage asWindow(QWidget* window) {
    const QImage content = window->grab().toImage();
    constexpr int kBar = 26;
    QImage shot(content.width() + 2, content.height() + kBar + 2, QImage::Format_RGB32);
    shot.fill(QColor(0x5A6470));
    QPainter p(&shot);
    p.fillRect(QRect(1, 1, content.width(), kBar), QColor(0x1F3A5F));
    QFont font(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(10, 1, content.width() - 20, kBar), Qt::AlignVCenter | Qt::AlignLeft,
               window->windowTitle().trimmed());
    p.drawImage(1, kBar + 1, content);
    return shot;
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// One picture: the window to grab, opened over the running program. Dialogs
// go into `keep` and are destroyed after the grab.
using Opener = std::function<QWidget*(std::unique_ptr<QWidget>& keep)>;

class Session {
public:
    explicit Session(const SampleShop& shop)
        : m_shop(shop), m_silent(shop.folder()), m_program(m_silent.services) {}

    void render(const QString& name, const Opener& open) {
        const qsizetype before = m_silent.shownTexts().size();
        std::unique_ptr<QWidget> keep;
        QWidget* window = open(keep);
        if (window == nullptr) {
            m_out.problems.append(name + QStringLiteral(": the screen was not opened"));
            return;
        }
        window->show();
        settle();
        m_out.pictures.insert(name, asWindow(window));
        for (qsizetype i = before; i < m_silent.shownTexts().size(); ++i)
            m_out.problems.append(name + QStringLiteral(": the screen said \"") +
                                  m_silent.shownTexts()[i] + QLatin1Char('"'));
        if (keep)
            keep->hide();
    }

    void renderAll();
    ScreenPictures result() { return std::move(m_out); }

    // The income chart of the sample year as bars and as a pie, each printed
    // through the chart's own print command into a PDF file in `folder`.
    void printCharts(const QString& folder) {
        QWidget* w = show(MainScreen::Statistiche);
        type(w, "txtAnno", SampleShop::year());
        press(w, "btnApri");
        for (const auto& [style, name] : {std::pair{"btnBarre", "income-chart-bars-printed.pdf"},
                                          {"btnTorta", "income-chart-pie-printed.pdf"}}) {
            const QString pdf = QDir(folder).filePath(QString::fromLatin1(name));
            m_silent.printInto(pdf);
            press(w, style);
            press(w, "btnStampa");
            if (QFileInfo(pdf).size() == 0)
                m_out.problems.append(pdf + QStringLiteral(": the chart was not printed"));
        }
    }

    // The sample distinta printed through its print dialog into
    // distinta-printed.pdf in `folder`.
    void printDistinta(const QString& folder) {
        const QString pdf = QDir(folder).filePath(QStringLiteral("distinta-printed.pdf"));
        m_silent.printInto(pdf);
        TfrmStampaRic print(m_silent.services, SampleShop::sampleDistinta(), editor());
        print.show();
        settle();
        press(&print, "btnStampa");
        if (QFileInfo(pdf).size() == 0)
            m_out.problems.append(pdf + QStringLiteral(": the distinta was not printed"));
    }

private:
    QWidget* show(MainScreen id) {
        m_program.router().switchTo(id, nullptr);
        settle();
        return m_program.router().screen(id);
    }
    TfrmRicevute* editor() {
        auto* editor = static_cast<TfrmRicevute*>(m_program.router().screen(MainScreen::Ricevute));
        editor->openYear(SampleShop::year());
        show(MainScreen::Ricevute);
        editor->showDistinta(SampleShop::sampleDistinta(), 1);
        return editor;
    }
    TfrmAnagrafica* buyers() {
        auto* screen = static_cast<TfrmAnagrafica*>(show(MainScreen::Anagrafica));
        screen->showScheda(SampleShop::sampleCard(), 1);
        return screen;
    }
    template <typename T> T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            m_out.problems.append(QStringLiteral("no control ") + QString::fromLatin1(name) +
                                  QStringLiteral(" on ") + window->objectName());
        return found;
    }
    // Types into a field key by key, so that the screen's own key handling runs.
    void type(QWidget* window, const char* field, const QString& text) {
        if (auto* edit = child<QLineEdit>(window, field)) {
            edit->clear();
            QTest::keyClicks(edit, text);
        }
    }
    void press(QWidget* window, const char* button) {
        if (auto* b = child<QAbstractButton>(window, button))
            b->click();
        settle();
    }
    void pick(QWidget* window, const char* combo, const QString& text) {
        if (auto* box = child<QComboBox>(window, combo))
            box->setCurrentIndex(box->findText(text));
    }

    const SampleShop& m_shop;
    SilentServices m_silent;
    Program m_program;
    listfind::Memory m_findMemory;
    ScreenPictures m_out;
};

template <typename Dialog, typename... Args>
QWidget* over(std::unique_ptr<QWidget>& keep, Args&&... args) {
    keep = std::make_unique<Dialog>(std::forward<Args>(args)...);
    return keep.get();
}

void Session::renderAll() {
    Services& s = m_silent.services;

    render(QStringLiteral("password"), [this](auto&) {
        m_program.start();
        QWidget* w = m_program.password();
        type(w, "txtPassword", QStringLiteral("aperturacassaz"));
        return w;
    });
    render(QStringLiteral("cambia-password"), [this](auto&) {
        QWidget* w = m_program.changePassword();
        w->show();
        settle();
        for (const char* field : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
            type(w, field, QStringLiteral("segreta"));
        return w;
    });
    m_program.changePassword()->hide();
    m_program.password()->hide();
    render(QStringLiteral("menu-principale"), [this](auto&) { return show(MainScreen::Avvio); });
    render(QStringLiteral("guida-rapida"), [this, &s](auto& keep) {
        auto* w = static_cast<TfrmGuida*>(over<TfrmGuida>(keep, s, show(MainScreen::Avvio)));
        const help::HelpTopic topic = help::topic(help::Topic::Panoramica);
        w->setTopic(topic.title, topic.paragraphs);
        return static_cast<QWidget*>(w);
    });

    // Distinte.
    render(QStringLiteral("menu-distinte"),
           [this](auto&) { return show(MainScreen::MenuRicevute); });
    render(QStringLiteral("editor"), [this](auto&) { return static_cast<QWidget*>(editor()); });
    render(QStringLiteral("importa-tariffa"), [this, &s](auto& keep) {
        QWidget* w = over<TfrmTrovaServizi>(keep, s, editor());
        if (auto* list = child<QListWidget>(w, "lstRecords"))
            list->setCurrentRow(0);
        return w;
    });
    render(QStringLiteral("anteprima"), [this, &s](auto& keep) {
        TfrmRicevute* owner = editor();
        const TfrmAnteprimaRic choice(s, SampleShop::sampleDistinta(), owner);
        return over<ReportPreviewDialog>(keep, s, choice.preparedPage(), owner);
    });
    render(QStringLiteral("numerazione"),
           [this, &s](auto& keep) { return over<TfrmNumerazione>(keep, s, editor()); });
    render(QStringLiteral("logo"),
           [this, &s](auto& keep) { return over<TfrmLogo>(keep, s, editor()); });

    // Tariff list.
    render(QStringLiteral("tariffario"), [this](auto&) { return show(MainScreen::Prodotti); });
    render(QStringLiteral("aggiungi-voce"), [this, &s](auto& keep) {
        QWidget* w = over<TfrmAggiungi_Voce>(keep, s, show(MainScreen::Prodotti));
        type(w, "txtNomeVoce", QStringLiteral("Marca da bollo"));
        type(w, "txtPrezzo", QStringLiteral("1,00"));
        return w;
    });

    // Buyers archive.
    render(QStringLiteral("acquirenti"), [this](auto&) { return static_cast<QWidget*>(buyers()); });
    render(QStringLiteral("allegati"), [this, &s](auto& keep) {
        const SchedaAnagrafica card = SampleShop::sampleCard();
        Attachments attached;
        attached.file = card.file;
        attached.desc = card.desc;
        return over<TfrmAllegaCartella>(keep, s, attached, qint64(0), buyers());
    });
    render(QStringLiteral("questioni"),
           [this, &s](auto& keep) { return over<TfrmQuestioni>(keep, s, buyers()); });

    // Searches and lists.
    render(QStringLiteral("trova-distinte"), [this, &s](auto& keep) {
        TfrmRicevute* owner = editor();
        QWidget* w = over<TfrmTrovaRic>(keep, s, *owner, owner);
        w->show();
        settle();
        type(w, "txtAcqRigo01", QStringLiteral("bianchi"));
        return w;
    });
    render(QStringLiteral("risultati-distinte"), [this, &s](auto& keep) {
        TfrmRicevute* owner = editor();
        QWidget* w = over<TfrmTrovaRic>(keep, s, *owner, owner);
        w->show();
        settle();
        press(w, "btnCerca");
        return w;
    });
    render(QStringLiteral("non-saldate"), [this, &s](auto& keep) {
        TfrmRicevute* owner = editor();
        QWidget* w = over<TfrmNonPagati>(keep, s, *owner, owner);
        w->show();
        settle();
        type(w, "txtTrova", QStringLiteral("verdi"));
        press(w, "btnTrova");
        return w;
    });
    render(QStringLiteral("trova-acquirenti"), [this, &s](auto& keep) {
        QWidget* w = over<TfrmTrovaAnagrafica>(keep, s, buyers());
        w->show();
        settle();
        type(w, "txtLocalita", QStringLiteral("roma"));
        press(w, "btnCerca");
        return w;
    });

    // Income summary and chart.
    render(QStringLiteral("riepilogo"), [this](auto&) {
        QWidget* w = show(MainScreen::MenuRiepLavoro);
        type(w, "txtAnno", SampleShop::year());
        pick(w, "txtGiornoInizio", QStringLiteral("01"));
        pick(w, "txtMeseInizio", QStringLiteral("Gennaio"));
        pick(w, "txtGiornoFine", QStringLiteral("31"));
        pick(w, "txtMeseFine", QStringLiteral("Marzo"));
        return w;
    });
    render(QStringLiteral("riepilogo-risultato"), [this, &s](auto& keep) {
        const QString start = QStringLiteral("01/01/") + SampleShop::year();
        const QString end = QStringLiteral("31/03/") + SampleShop::year();
        auto* w = static_cast<TfrmRiepLavoro*>(
            over<TfrmRiepLavoro>(keep, s, show(MainScreen::MenuRiepLavoro), m_findMemory));
        w->showSummary(incomesummary::summarize({m_shop.archivePath(), QString(), start, end}),
                       QString(), start, end);
        return static_cast<QWidget*>(w);
    });
    render(QStringLiteral("grafico-barre"), [this](auto&) {
        QWidget* w = show(MainScreen::Statistiche);
        type(w, "txtAnno", SampleShop::year());
        press(w, "btnApri");
        return w;
    });
    render(QStringLiteral("grafico-torta"), [this](auto&) {
        QWidget* w = m_program.router().screen(MainScreen::Statistiche);
        press(w, "btnTorta");
        return w;
    });

    // Export and checks.
    render(QStringLiteral("esporta-distinte"), [this, &s](auto& keep) {
        return over<TfrmExpRicevute>(keep, s, editor(), m_shop.archivePath());
    });
    render(QStringLiteral("controllo-codice-fiscale"), [this, &s](auto& keep) {
        return over<TfrmCodFisc>(keep, s, QStringLiteral("RSSMRA80A01H501U"), buyers());
    });
    render(QStringLiteral("controllo-partita-iva"), [this, &s](auto& keep) {
        return over<TfrmPartitaIva>(keep, s, QStringLiteral("09876543210"), buyers());
    });
    render(QStringLiteral("controllo-iban"), [this, &s](auto& keep) {
        return over<TfrmIban>(keep, s, QStringLiteral("IT60X0542811101000000123456"), buyers());
    });
    render(QStringLiteral("copia-sicurezza"), [this, &s](auto& keep) {
        return over<TfrmCopiaSicurezza>(keep, s, show(MainScreen::Avvio));
    });
    render(QStringLiteral("verifica-archivi"), [this, &s](auto& keep) {
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
        return over<TfrmVerificaArchivi>(keep, s, report, show(MainScreen::Avvio));
    });
}

} // namespace

ScreenPictures renderScreens(const SampleShop& shop) {
    Session session(shop);
    session.renderAll();
    return session.result();
}

QStringList printReadmePages(const SampleShop& shop, const QString& folder) {
    Session session(shop);
    session.printCharts(folder);
    session.printDistinta(folder);
    return session.result().problems;
}
