#include "buyers/ui/AnagraficaFixture.h"
#include "buyers/ui/TfrmExpAnagrafica.h"
#include "distinte/ui/EditorFixture.h"
#include "distinte/ui/TfrmExpRicevute.h"
#include "output/ExportFixtures.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct ExportFixture {
    static bool writeArchive(const TestFolder& folder) {
        folder.writeBytes("2023.ric", exportfixtures::archiveBytes(exportfixtures::distinte()));
        return true;
    }

    TestFolder dir;
    // Before the screen, which reads the archive when it is made.
    bool written = writeArchive(dir);
    FakeServices fake{dir.folder()};
    QWidget editor;
    TfrmExpRicevute screen{fake.services, &editor, "  " + dir.file("2023.ric") + " "};

    QTableView* grid() { return screen.findChild<QTableView*>("grdRecords"); }
    void exportNow(const QList<bool>& answers) {
        fake.messages.answers = answers;
        QTest::mouseClick(screen.findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
    }
    QString xls() const { return dir.file("Archivio_Distinte.xls"); }
};

} // namespace

TEST(TfrmExpRicevute, GridShowsTheArchiveWithRowNumbers) {
    ExportFixture f;
    QTableView* grid = f.grid();
    ASSERT_NE(grid, nullptr);
    QAbstractItemModel* model = grid->model();
    // The screen filled its grid when it was made.
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(f.screen.windowTitle(), " Esporta archivio distinte in Microsoft Excel");
    EXPECT_EQ(f.screen.findChild<QLabel*>("panInfo")->text(),
              "Esportazione archivio in Microsoft Excel.");

    ASSERT_EQ(model->rowCount(), 3);
    ASSERT_EQ(model->columnCount(), 21);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "N.");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Distinta n.");
    EXPECT_EQ(model->headerData(20, Qt::Horizontal).toString(), "Saldato");
    EXPECT_EQ(model->index(2, 0).data().toString(), "3");
    EXPECT_EQ(model->index(0, 3).data().toString(), "Rossi & Figli");
    EXPECT_EQ(model->index(0, 20).data().toString(), "Sì");
    EXPECT_EQ(model->index(1, 1).data().toString(), "007");
    const QList<int> widths = {60,  150, 150, 250, 250, 250, 250, 250, 250, 250, 250,
                               250, 250, 250, 250, 250, 250, 250, 250, 150, 80};
    for (int c = 0; c < widths.size(); ++c)
        EXPECT_EQ(grid->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 21);
    EXPECT_TRUE(grid->alternatingRowColors());
}

TEST(TfrmExpRicevute, QuestionsDecideWritingAndOpening) {
    const struct {
        QList<bool> answers;
        bool written;
        bool opened;
    } cases[] = {
        {{false}, false, false},
        {{true, false}, true, false},
        {{true, true}, true, true},
    };
    for (const auto& c : cases) {
        ExportFixture f;
        f.exportNow(c.answers);
        QStringList asked = {ExportScreen::kAskExport};
        if (c.written)
            asked.append(ExportScreen::kAskOpen);
        EXPECT_EQ(f.fake.messages.texts(), asked);
        EXPECT_EQ(f.dir.exists("Archivio_Distinte.xls"), c.written);
        EXPECT_EQ(f.fake.opener.opened, c.opened ? QStringList{f.xls()} : QStringList());
        if (c.written) {
            const QByteArray bytes = f.dir.readBytes("Archivio_Distinte.xls");
            EXPECT_EQ(bytes.count("<tr>"), 4);
            EXPECT_TRUE(bytes.contains(">Rossi &amp; Figli<"));
            EXPECT_TRUE(bytes.contains(">S\xEC</td></tr>"));
        }
    }
}

TEST(TfrmExpRicevute, UnwritableTargetGivesTheMessageAndKeepsTheOldFile) {
    ExportFixture f;
    f.dir.writeBytes("Archivio_Distinte.xls", "old export");
    f.screen.show();
    {
        ReadOnlyScope readOnly({f.xls()});
        f.exportNow({true, true});
    }
    ASSERT_EQ(f.fake.messages.shown.size(), 2);
    EXPECT_EQ(f.fake.messages.shown[1].kind, FakeMessageBoxes::Shown::Message);
    EXPECT_EQ(f.fake.messages.shown[1].text,
              "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
              "file di Excel non sia già aperto.");
    EXPECT_EQ(f.dir.readBytes("Archivio_Distinte.xls"), "old export");
    EXPECT_TRUE(f.fake.opener.opened.isEmpty());
    EXPECT_TRUE(f.screen.isVisible());
}

TEST(TfrmExpAnagrafica, ExportsTheBuyersArchive) {
    TestFolder dir;
    FakeServices fake{dir.folder()};
    QWidget editor;
    {
        // A missing archive is created and shows an empty grid.
        TfrmExpAnagrafica screen(fake.services, &editor);
        EXPECT_TRUE(dir.exists("Anagrafica.pro"));
        EXPECT_EQ(screen.findChild<QTableView*>("grdRecords")->model()->rowCount(), 0);
    }
    dir.writeBytes("Anagrafica.pro", exportfixtures::archiveBytes(exportfixtures::buyers()));
    TfrmExpAnagrafica screen(fake.services, &editor);
    EXPECT_EQ(screen.windowTitle(), " Esporta archivio anagrafico in Microsoft Excel");
    QTableView* grid = screen.findChild<QTableView*>("grdRecords");
    QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->columnCount(), 26);
    EXPECT_EQ(model->headerData(21, Qt::Horizontal).toString(), "Ente di rilascio");
    EXPECT_EQ(model->index(0, 2).data().toString(), "12");
    EXPECT_EQ(grid->columnWidth(1), 300);
    EXPECT_EQ(grid->columnWidth(5), 120);

    fake.messages.answers = {true, true};
    QTest::mouseClick(screen.findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
    const QByteArray bytes = dir.readBytes("Anagrafica.xls");
    EXPECT_TRUE(bytes.contains("<x:Name>Archivio Anagrafico</x:Name>"));
    EXPECT_TRUE(bytes.contains(" width=300>Ente rilascio</td>"));
    EXPECT_EQ(bytes.count("<tr>"), 3);
    EXPECT_EQ(fake.opener.opened, QStringList{dir.file("Anagrafica.xls")});
}

TEST(TfrmExpRicevute, OpenedByTheEditorOnItsArchive) {
    EditorFixture f;
    f.store({storedDistinta("1"), storedDistinta("2")});
    int rows = -1;
    f.fake.dialogs.handlers.append([&rows](QDialog* dialog) {
        rows = dialog->findChild<QTableView*>("grdRecords")->model()->rowCount();
        return int(QDialog::Rejected);
    });
    f.click("cmdEsporta");
    EXPECT_EQ(f.fake.dialogs.opened, QStringList{"TfrmExpRicevute"});
    EXPECT_EQ(rows, 2);
}

// The buyers archive opened its export without reading the archive: the grid
// was empty and a header-only file was called a success.
TEST(TfrmExpAnagrafica, OpenedByTheBuyersArchiveOnEveryCard) {
    AnagraficaFixture f;
    f.dir.writeBytes("Anagrafica.pro", exportfixtures::archiveBytes(exportfixtures::buyers()));
    f.editor.show();
    int rows = -1;
    f.fake.dialogs.handlers.append([&](QDialog* dialog) {
        rows = dialog->findChild<QTableView*>("grdRecords")->model()->rowCount();
        f.fake.messages.answers = {true, false};
        QTest::mouseClick(dialog->findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    f.click("cmdEsporta");
    EXPECT_EQ(f.fake.dialogs.opened, QStringList{"TfrmExpAnagrafica"});
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(f.fake.messages.texts(),
              (QStringList{ExportScreen::kAskExport, ExportScreen::kAskOpen}));
    EXPECT_EQ(f.dir.readBytes("Anagrafica.xls").count("<tr>"), 3);
}

// An archive that cannot be read leaves the grid short: what is written then
// is not called a success.
TEST(TfrmExpAnagrafica, AnUnreadableArchiveIsNotReportedAsExported) {
    TestFolder dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Anagrafica.pro"));
    FakeServices fake{dir.folder()};
    QWidget editor;
    TfrmExpAnagrafica screen(fake.services, &editor);
    fake.messages.answers = {true, true};
    QTest::mouseClick(screen.findChild<QToolButton*>("cmdEsporta"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.texts(),
              (QStringList{ExportScreen::kAskExport,
                           "Attenzione: l'archivio non è stato letto per intero.\r\n\r\nIl file "
                           "di Excel contiene soltanto le 0 schede lette."}));
    EXPECT_TRUE(fake.opener.opened.isEmpty());
}

// The .xlsx command beside the .xls one, on both screens: the same questions,
// its own file, and the .xls left as it is.
TEST(ExportScreens, XlsxCommandWritesTheWorkbookBesideTheXls) {
    TestFolder dir;
    dir.writeBytes("2023.ric", exportfixtures::archiveBytes(exportfixtures::distinte()));
    dir.writeBytes("Anagrafica.pro", exportfixtures::archiveBytes(exportfixtures::buyers()));
    FakeServices fake{dir.folder()};
    QWidget owner;
    TfrmExpRicevute distinte(fake.services, &owner, dir.file("2023.ric"));
    TfrmExpAnagrafica buyers(fake.services, &owner);
    const struct {
        ExportScreen* screen;
        const char* xlsx;
        const char* xls;
    } cases[] = {{&distinte, "Archivio_Distinte.xlsx", "Archivio_Distinte.xls"},
                 {&buyers, "Anagrafica.xlsx", "Anagrafica.xls"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xlsx);
        auto* command = c.screen->findChild<QToolButton*>("cmdEsportaXlsx");
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->text(), "Esporta .xlsx");
        c.screen->show();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(command, &enter);
        EXPECT_EQ(c.screen->findChild<QLabel*>("panInfo")->text(),
                  "Esporta l'archivio in formato Excel 2007 e successivi (.xlsx).");

        // No: nothing written.
        fake.messages.shown.clear();
        fake.messages.answers = {false};
        QTest::mouseClick(command, Qt::LeftButton);
        EXPECT_EQ(fake.messages.texts(), QStringList{ExportScreen::kAskExport});
        EXPECT_FALSE(dir.exists(c.xlsx));

        dir.writeBytes(c.xls, "the .xls of before");
        fake.messages.shown.clear();
        fake.messages.answers = {true, true};
        QTest::mouseClick(command, Qt::LeftButton);
        EXPECT_EQ(fake.messages.texts(),
                  QStringList({ExportScreen::kAskExport, ExportScreen::kAskOpen}));
        EXPECT_TRUE(dir.readBytes(c.xlsx).startsWith("PK\x03\x04"));
        EXPECT_EQ(dir.readBytes(c.xls), "the .xls of before");
        EXPECT_EQ(fake.opener.opened.last(), dir.file(c.xlsx));
    }
}
