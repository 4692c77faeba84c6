// Every screen and dialog of the program, opened on the screen size this test
// binary runs with (a 1024x768 till screen; see tests/CMakeLists.txt), must
// show each control the user acts on inside the screen's available area and
// inside its own window.
//
// With VELLARMO_SCREENSHOTS set to a folder, each screen is also saved there
// as <name>-<width>x<height>.png, for the pictures in docs/.

#include "app/ui/Program.h"
#include "app/ui/TfrmAvvio.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "app/ui/TfrmInfo.h"
#include "app/ui/TfrmPassword.h"
#include "app/ui/TfrmSplash.h"
#include "backup/ui/TfrmCopiaSicurezza.h"
#include "backup/ui/TfrmVerificaArchivi.h"
#include "buyers/Attachments.h"
#include "buyers/SchedaAnagrafica.h"
#include "buyers/ui/TfrmAllegaCartella.h"
#include "buyers/ui/TfrmExpAnagrafica.h"
#include "buyers/ui/TfrmQuestioni.h"
#include "buyers/ui/TfrmStampaAnagrafica.h"
#include "buyers/ui/TfrmTrovaAnagrafica.h"
#include "checks/ui/TfrmCarta.h"
#include "checks/ui/TfrmCodFisc.h"
#include "checks/ui/TfrmIban.h"
#include "checks/ui/TfrmPartitaIva.h"
#include "distinte/Ricevuta.h"
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
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"
#include "support/FakeServices.h"
#include "support/SampleShop.h"
#include "support/TestFolder.h"
#include "tariff/TariffEntry.h"
#include "tariff/ui/TfrmAggiungi_Voce.h"
#include "tariff/ui/TfrmModifica_Voce.h"
#include "tariff/ui/TfrmTrovaServizi.h"
#include "widgets/PictureButton.h"
#include "widgets/ScreenRouter.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The program with its main screens, on the sample shop's folder, so that
// lists and fields show real content.
struct Shop {
    Shop() { EXPECT_TRUE(SampleShop::write(folder.folder())); }

    template <typename T> T* screen(MainScreen id) {
        return static_cast<T*>(program.router().screen(id));
    }
    QWidget* show(MainScreen id) {
        program.router().switchTo(id, nullptr);
        return program.router().screen(id);
    }
    TfrmRicevute* editor() {
        auto* editor = screen<TfrmRicevute>(MainScreen::Ricevute);
        editor->openYear(kYear);
        show(MainScreen::Ricevute);
        editor->showDistinta(sample(), 1);
        return editor;
    }

    // A screen's button pressed as the user would.
    static void click(QWidget* screen, const char* name) {
        QTest::mouseClick(screen->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    // The income chart opened on the stored year, as bars or as a pie.
    QWidget* chart(const char* style) {
        QWidget* chart = show(MainScreen::Statistiche);
        chart->findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(kYear);
        click(chart, "btnApri");
        click(chart, style);
        return chart;
    }

    // The income summary of the first half of the stored year. The result
    // screen is shown maximised like the main screens, with their title bar,
    // so the shop keeps it rather than the dialog checks.
    QWidget* incomeSummary() {
        const QString start = QStringLiteral("01/01/2024");
        const QString end = QStringLiteral("30/06/2024");
        auto summary = std::make_unique<TfrmRiepLavoro>(
            fake.services, show(MainScreen::MenuRiepLavoro), findMemory);
        summary->showSummary(incomesummary::summarize(
                                 {folder.file(QStringLiteral("2024.ric")), QString(), start, end}),
                             QString(), start, end);
        summary->show();
        resultScreen = std::move(summary);
        return resultScreen.get();
    }

    static inline const QString kYear = SampleShop::year();

    static Ricevuta sample() {
        return DistintaBuilder(QStringLiteral("128"))
            .date(QStringLiteral("05/03/2024"))
            .reseller(QStringLiteral("Giovanna Ferri"),
                      {QStringLiteral("Tabaccheria Ferri n. 12"), QStringLiteral("Via Roma 15"),
                       QStringLiteral("00100 Roma (RM)"), QStringLiteral("P. IVA 01234567890")})
            .payment(QStringLiteral("Contanti"))
            .buyer({QStringLiteral("Studio Bianchi S.r.l."), QStringLiteral("Corso Italia 8"),
                    QStringLiteral("00198 Roma (RM)"), QStringLiteral("P. IVA 09876543210")})
            .line(0, QStringLiteral("10"), QStringLiteral("Marca da bollo"),
                  QStringLiteral("16,00"), QStringLiteral("160,00"))
            .line(1, QStringLiteral("20"), QStringLiteral("Francobollo posta ordinaria"),
                  QStringLiteral("1,25"), QStringLiteral("25,00"))
            .total(QStringLiteral("185,00"));
    }

    TestFolder folder;
    FakeServices fake{folder.folder()};
    Program program{fake.services};
    listfind::Memory findMemory;
    std::unique_ptr<QWidget> resultScreen;
};

// Opens one screen and returns its window; dialogs are owned by the test.
using Opener = std::function<QWidget*(Shop&, std::unique_ptr<QWidget>&)>;

struct ScreenCase {
    const char* name;
    Opener open;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

template <typename Dialog, typename... Args>
QWidget* dialogOver(QWidget* owner, std::unique_ptr<QWidget>& keep, Args&&... args) {
    keep = std::make_unique<Dialog>(std::forward<Args>(args)..., owner);
    keep->show();
    return keep.get();
}

// The distinte search over the editor with the buyers of one postal code
// asked in every year, as the pictures in docs/ show it.
QWidget* everyYearSearch(Shop& s, std::unique_ptr<QWidget>& keep) {
    TfrmRicevute* editor = s.editor();
    QWidget* search = dialogOver<TfrmTrovaRic>(editor, keep, s.fake.services, *editor);
    search->findChild<QCheckBox*>(QStringLiteral("chkTuttiGliAnni"))->setChecked(true);
    search->findChild<QLineEdit*>(QStringLiteral("txtAcqRigo03"))->setText(QStringLiteral("00198"));
    return search;
}

const ScreenCase kScreens[] = {
    {"password",
     [](Shop& s, auto&) {
         s.program.start();
         return static_cast<QWidget*>(s.program.password());
     }},
    {"cambia-password",
     [](Shop& s, auto&) {
         s.program.changePassword()->show();
         return static_cast<QWidget*>(s.program.changePassword());
     }},
    {"main-menu", [](Shop& s, auto&) { return s.show(MainScreen::Avvio); }},
    {"distinte-menu", [](Shop& s, auto&) { return s.show(MainScreen::MenuRicevute); }},
    {"editor", [](Shop& s, auto&) { return static_cast<QWidget*>(s.editor()); }},
    {"tariff", [](Shop& s, auto&) { return s.show(MainScreen::Prodotti); }},
    {"buyers", [](Shop& s, auto&) { return s.show(MainScreen::Anagrafica); }},
    {"buyer-search",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmTrovaAnagrafica>(s.show(MainScreen::Anagrafica), keep,
                                                s.fake.services);
     }},
    {"buyer-questions",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmQuestioni>(s.show(MainScreen::Anagrafica), keep, s.fake.services);
     }},
    {"buyer-attachments",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmAllegaCartella>(s.show(MainScreen::Anagrafica), keep,
                                               s.fake.services, Attachments{}, qint64(0));
     }},
    {"buyer-card-print",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmStampaAnagrafica>(s.show(MainScreen::Anagrafica), keep,
                                                 s.fake.services, SchedaAnagrafica{});
     }},
    {"check-codice-fiscale",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmCodFisc>(s.show(MainScreen::Anagrafica), keep, s.fake.services,
                                        QStringLiteral("RSSMRA80A01H501U"));
     }},
    {"check-partita-iva",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmPartitaIva>(s.show(MainScreen::Anagrafica), keep, s.fake.services,
                                           QStringLiteral("01234567890"));
     }},
    {"check-iban",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmIban>(s.show(MainScreen::Anagrafica), keep, s.fake.services,
                                     QStringLiteral("IT60X0542811101000000123456"));
     }},
    {"check-card",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmCarta>(s.show(MainScreen::Anagrafica), keep, s.fake.services,
                                      QStringLiteral("4111111111111111"));
     }},
    {"export-buyers",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmExpAnagrafica>(s.show(MainScreen::Anagrafica), keep,
                                              s.fake.services);
     }},
    {"distinte-search", [](Shop& s, auto& keep) { return everyYearSearch(s, keep); }},
    {"distinte-found",
     [](Shop& s, auto& keep) {
         s.folder.writeBytes(QStringLiteral("2023.ric"),
                             archiveBytes(SampleShop::distinte(QStringLiteral("2023"))));
         QWidget* search = everyYearSearch(s, keep);
         Shop::click(search, "btnCerca");
         return search;
     }},
    {"distinte-unpaid",
     [](Shop& s, auto& keep) {
         TfrmRicevute* editor = s.editor();
         return dialogOver<TfrmNonPagati>(editor, keep, s.fake.services, *editor);
     }},
    {"export-distinte",
     [](Shop& s, auto& keep) {
         QWidget* editor = s.editor();
         keep = std::make_unique<TfrmExpRicevute>(s.fake.services, editor,
                                                  s.folder.file(QStringLiteral("2024.ric")));
         keep->show();
         return keep.get();
     }},
    {"income-menu", [](Shop& s, auto&) { return s.show(MainScreen::MenuRiepLavoro); }},
    {"income-summary", [](Shop& s, auto&) { return s.incomeSummary(); }},
    {"income-chart-bars", [](Shop& s, auto&) { return s.chart("btnBarre"); }},
    {"income-chart-pie", [](Shop& s, auto&) { return s.chart("btnTorta"); }},
    {"info",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmInfo>(s.show(MainScreen::Avvio), keep, s.fake.services);
     }},
    {"splash",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmSplash>(s.show(MainScreen::Avvio), keep, s.fake.services);
     }},
    {"safety-copy",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmCopiaSicurezza>(s.show(MainScreen::Avvio), keep, s.fake.services);
     }},
    {"archive-check",
     [](Shop& s, auto& keep) {
         archivecheck::Report report;
         report.findings = {{archivecheck::Finding::Distinte, QStringLiteral("2024.ric"), 12, true,
                             QStringLiteral("n. 12"), QStringLiteral("manca la data")}};
         return dialogOver<TfrmVerificaArchivi>(s.show(MainScreen::Avvio), keep, s.fake.services,
                                                report);
     }},
    {"help",
     [](Shop& s, auto& keep) {
         // The longest topic, the one of the main menu.
         auto guida = std::make_unique<TfrmGuida>(s.fake.services, s.show(MainScreen::Avvio));
         const help::HelpTopic topic = help::topic(help::Topic::Panoramica);
         guida->setTopic(topic.title, topic.paragraphs);
         keep = std::move(guida);
         keep->show();
         return keep.get();
     }},
    {"numbering",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmNumerazione>(s.editor(), keep, s.fake.services);
     }},
    {"calendar",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmCalendario>(s.editor(), keep, s.fake.services);
     }},
    {"logo",
     [](Shop& s, auto& keep) { return dialogOver<TfrmLogo>(s.editor(), keep, s.fake.services); }},
    {"print",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmStampaRic>(s.editor(), keep, s.fake.services, Shop::sample());
     }},
    {"preview-choice",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmAnteprimaRic>(s.editor(), keep, s.fake.services, Shop::sample());
     }},
    {"preview",
     [](Shop& s, auto& keep) {
         QWidget* editor = s.editor();
         const TfrmAnteprimaRic choice(s.fake.services, Shop::sample(), editor);
         return dialogOver<ReportPreviewDialog>(editor, keep, s.fake.services,
                                                choice.preparedPage());
     }},
    {"tariff-import",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmTrovaServizi>(s.editor(), keep, s.fake.services);
     }},
    {"tariff-add",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmAggiungi_Voce>(s.show(MainScreen::Prodotti), keep, s.fake.services);
     }},
    {"tariff-modify",
     [](Shop& s, auto& keep) {
         return dialogOver<TfrmModifica_Voce>(s.show(MainScreen::Prodotti), keep, s.fake.services);
     }},
};

// Controls the user types into, clicks or picks from.
bool actedOn(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const PictureButton*>(w);
}

// The part of `w` the user can see: its rectangle clipped by every widget it
// sits in (a scroll area's viewport included), in global coordinates.
QRect visiblePart(const QWidget* w) {
    QRect part(w->mapToGlobal(QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget())
        part &= QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
    return part;
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Two controls overlap when the layout was squeezed below what they need.
bool overlapping(const QWidget* a, const QWidget* b) {
    if (a->isAncestorOf(b) || b->isAncestorOf(a))
        return false;
    const QRect ra(a->mapToGlobal(QPoint(0, 0)), a->size());
    const QRect rb(b->mapToGlobal(QPoint(0, 0)), b->size());
    return ra.intersects(rb);
}

class ScreenFit : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenFit, EveryControlIsInsideTheScreenAndItsWindow) {
    Shop shop;
    std::unique_ptr<QWidget> dialog;
    QWidget* window = GetParam().open(shop, dialog);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();

    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << "window " << describe(frame).toStdString() << " on "
                                           << describe(available).toStdString();
    // A window manager keeps a window at least as large as its layout needs,
    // borders and title bar included.
    const QSize needed = window->minimumSizeHint().expandedTo(window->minimumSize()) + QSize(8, 36);
    EXPECT_TRUE(needed.width() <= available.width() && needed.height() <= available.height())
        << "needs " << needed.width() << "x" << needed.height();
    // The kit scrolls a window that would not fit; a screen designed for
    // 1024x768 never needs that.
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("sfoContenuto")), nullptr)
        << "the window only fits by scrolling its content";
    const QRect inside(window->mapToGlobal(QPoint(0, 0)), window->size());

    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (actedOn(w) && w->isVisible() && !w->size().isEmpty() && w->window() == window)
            controls.append(w);
    }
    ASSERT_FALSE(controls.isEmpty()) << "no control found: the table opened the wrong window";
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget* w = controls[i];
        const QRect whole(w->mapToGlobal(QPoint(0, 0)), w->size());
        const QRect seen = visiblePart(w);
        EXPECT_TRUE(seen == whole && inside.contains(whole) && available.contains(whole))
            << w->objectName().toStdString() << " at " << describe(whole).toStdString() << ", seen "
            << describe(seen).toStdString() << ", window " << describe(inside).toStdString();
        // Rows read to their end (the tariff prices) without scrolling sideways.
        if (const auto* view = qobject_cast<const QListWidget*>(w)) {
            EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0)
                << w->objectName().toStdString() << " hides the end of its rows";
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(overlapping(w, controls[j]))
                << w->objectName().toStdString() << " overlaps "
                << controls[j]->objectName().toStdString();
    }

    // Dialogs: a title bar without minimise and maximise buttons.
    if (dialog != nullptr) {
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    const QString shots = qEnvironmentVariable("VELLARMO_SCREENSHOTS");
    if (!shots.isEmpty()) {
        const QSize size = window->screen()->size();
        window->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2x%3.png")
                                                     .arg(QLatin1String(GetParam().name))
                                                     .arg(size.width())
                                                     .arg(size.height())));
    }
}

INSTANTIATE_TEST_SUITE_P(AllScreens, ScreenFit, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<ScreenCase>& param) {
                             std::string name = param.param.name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

} // namespace
