// Every help button and help picture of the program opens the help window,
// owned by its screen, on the topic written for that screen.

#include "app/ui/Program.h"
#include "buyers/ui/TfrmExpAnagrafica.h"
#include "common/ListFind.h"
#include "distinte/ui/TfrmExpRicevute.h"
#include "distinte/ui/TfrmRicevute.h"
#include "help/ui/TfrmGuida.h"
#include "reports/ui/TfrmRiepLavoro.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// What the help window showed when a help button was pressed.
struct Shown {
    QString title;
    QString text;
    QWidget* owner = nullptr;
};

// The program's main screens on an empty folder; dialogs opened by a case
// are kept in `dialog` until the test ends.
struct Shop {
    QWidget* show(MainScreen id) {
        program.router().switchTo(id, nullptr);
        return program.router().screen(id);
    }
    template <typename T> T* screen(MainScreen id) {
        return static_cast<T*>(program.router().screen(id));
    }
    QWidget* keep(std::unique_ptr<QWidget> opened) {
        dialog = std::move(opened);
        dialog->show();
        return dialog.get();
    }

    // Presses the help control `name` of `screen` and returns what the help
    // window showed, or nothing when no help window opened.
    std::optional<Shown> pressHelp(QWidget* screen, const char* name) {
        auto* control = screen->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        EXPECT_TRUE(control != nullptr && control->isVisible()) << name;
        if (control == nullptr)
            return std::nullopt;
        std::optional<Shown> shown;
        fake.dialogs.handlers.append([&shown](QDialog* d) {
            shown = Shown{d->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text(),
                          d->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText(),
                          d->parentWidget()};
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(control, Qt::LeftButton);
        fake.dialogs.handlers.clear();
        return shown;
    }

    TestFolder folder;
    FakeServices fake{folder.folder()};
    Program program{fake.services};
    listfind::Memory findMemory;
    std::unique_ptr<QWidget> dialog;
};

QWidget* editor(Shop& s) {
    s.screen<TfrmRicevute>(MainScreen::Ricevute)->openYear(QStringLiteral("2024"));
    return s.show(MainScreen::Ricevute);
}

QWidget* chartPanel(Shop& s) {
    QWidget* chart = s.show(MainScreen::Statistiche);
    chart->findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
    QTest::mouseClick(chart->findChild<QWidget*>(QStringLiteral("btnApri")), Qt::LeftButton);
    return chart;
}

struct HelpCase {
    const char* screen;
    const char* control;
    const char* title;
    std::function<QWidget*(Shop&)> open;
};

void PrintTo(const HelpCase& c, std::ostream* os) {
    *os << c.screen << "." << c.control;
}

const HelpCase kHelpButtons[] = {
    {"main-menu", "imgGuida", "Uno sguardo ad Vellarmo",
     [](Shop& s) { return s.show(MainScreen::Avvio); }},
    {"distinte-menu", "imgGuida", "App Emissione Distinte",
     [](Shop& s) { return s.show(MainScreen::MenuRicevute); }},
    {"editor", "cmdGuida", "App Emissione Distinte", editor},
    {"buyers", "cmdGuida", "App Archivio Acquirenti",
     [](Shop& s) { return s.show(MainScreen::Anagrafica); }},
    {"tariff", "btnGuida", "App Tariffario Valori Bollati",
     [](Shop& s) { return s.show(MainScreen::Prodotti); }},
    {"chart-year", "imgGuida", "App Statistiche Incassi",
     [](Shop& s) { return s.show(MainScreen::Statistiche); }},
    {"chart", "cmdGuida", "App Statistiche Incassi", chartPanel},
    {"summary-entry", "imgGuida", "App Riepilogo Incassi",
     [](Shop& s) { return s.show(MainScreen::MenuRiepLavoro); }},
    {"summary", "imgGuida", "App Riepilogo Incassi",
     [](Shop& s) {
         return s.keep(std::make_unique<TfrmRiepLavoro>(
             s.fake.services, s.show(MainScreen::MenuRiepLavoro), s.findMemory));
     }},
    {"export-distinte", "cmdGuida", "Esportazione archivio distinte in Microsoft Excel",
     [](Shop& s) {
         return s.keep(std::make_unique<TfrmExpRicevute>(
             s.fake.services, editor(s), s.folder.file(QStringLiteral("2024.ric"))));
     }},
    {"export-buyers", "cmdGuida", "Esportazione archivio anagrafico in Microsoft Excel",
     [](Shop& s) {
         return s.keep(
             std::make_unique<TfrmExpAnagrafica>(s.fake.services, s.show(MainScreen::Anagrafica)));
     }},
};

class HelpButtons : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpButtons, OpenTheirTopicOwnedByTheirScreen) {
    Shop shop;
    QWidget* screen = GetParam().open(shop);
    ASSERT_NE(screen, nullptr);
    const std::optional<Shown> shown = shop.pressHelp(screen, GetParam().control);
    ASSERT_TRUE(shown.has_value()) << "no help window opened";
    EXPECT_EQ(shown->title, QString::fromUtf8(GetParam().title));
    EXPECT_FALSE(shown->text.isEmpty());
    EXPECT_EQ(shown->owner, screen);
    EXPECT_EQ(shop.fake.dialogs.opened.last(), QStringLiteral("TfrmGuida"));
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, HelpButtons, ::testing::ValuesIn(kHelpButtons),
                         [](const ::testing::TestParamInfo<HelpCase>& param) {
                             std::string name =
                                 std::string(param.param.screen) + "_" + param.param.control;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

TEST(HelpButtonsShared, DistinteMenuAndEditorShowTheSameTopic) {
    Shop shop;
    const std::optional<Shown> menu =
        shop.pressHelp(shop.show(MainScreen::MenuRicevute), "imgGuida");
    const std::optional<Shown> edit = shop.pressHelp(editor(shop), "cmdGuida");
    ASSERT_TRUE(menu && edit);
    EXPECT_EQ(menu->title, edit->title);
    EXPECT_EQ(menu->text, edit->text);
}

TEST(HelpButtonsShared, ChartShowsTheSameTopicFromBothPanels) {
    Shop shop;
    const std::optional<Shown> yearPanel =
        shop.pressHelp(shop.show(MainScreen::Statistiche), "imgGuida");
    const std::optional<Shown> chart = shop.pressHelp(chartPanel(shop), "cmdGuida");
    ASSERT_TRUE(yearPanel && chart);
    EXPECT_EQ(yearPanel->title, chart->title);
    EXPECT_EQ(yearPanel->text, chart->text);
}

} // namespace
