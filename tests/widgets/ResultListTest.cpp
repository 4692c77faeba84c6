#include "widgets/ResultList.h"

#include "output/ui/ListPrinter.h"
#include "support/ActiveWindow.h"
#include "support/FakeServices.h"
#include "support/PdfCapture.h"
#include "support/RequireTool.h"
#include "support/TestFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A bare list screen: the find controls and the list, as a screen lays them out.
struct ListHost {
    explicit ListHost(Services& services) {
        auto* layout = new QVBoxLayout(&window);
        list = new ResultList(&window);
        find = list->makeFindControls(&window, services, memory);
        layout->addWidget(find.txtTrova);
        layout->addWidget(find.btnTrova);
        layout->addWidget(list);
        window.resize(800, 400);
    }

    void trova(const QString& typed) {
        find.txtTrova->setText(typed);
        QTest::mouseClick(find.btnTrova, Qt::LeftButton);
    }

    QWidget window;
    ResultList* list;
    ResultList::FindControls find;
    listfind::Memory memory;
};

const QList<ResultRow> kRows = {{QStringLiteral("N. 1   Mario Rossi"), 1},
                                {QStringLiteral("N. 2   Luca Bianchi"), 2},
                                {QStringLiteral("N. 3   ROSSI ANNA"), 5}};

} // namespace

TEST(ResultList, LooksTheSameOnEveryListScreen) {
    ResultList list;
    list.setRows(kRows);
    list.resize(600, 300);
    list.show();
    EXPECT_EQ(list.objectName(), QStringLiteral("lstRecords"));
    EXPECT_TRUE(list.uniformItemSizes());
    EXPECT_EQ(list.font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(list.font().pointSize(), 12);
    EXPECT_EQ(list.palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list.visualRect(list.rows().index(0)).width(), ResultList::kRowWidth);
    EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(list.selectedIndex(), 0); // new rows come with the first selected
}

TEST(ResultList, TrovaTwiceMovesToTheNextHitAndWrapsRound) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    ListHost host(fake.services);
    ASSERT_TRUE(showActive(&host.window));
    host.list->setRows(kRows);
    host.list->selectRow(1);

    host.find.txtTrova->setFocus();
    QTest::keyClicks(host.find.txtTrova, QStringLiteral("ROSSI"));
    QTest::keyClick(host.find.txtTrova, Qt::Key_Return);
    EXPECT_TRUE(host.find.btnTrova->hasFocus());

    QList<qsizetype> visited;
    for (int press = 0; press < 3; ++press) {
        QTest::mouseClick(host.find.btnTrova, Qt::LeftButton);
        visited.append(host.list->selectedIndex());
    }
    // A new key starts from the first row even though the second is selected.
    EXPECT_EQ(visited, QList<qsizetype>({0, 2, 0}));
    ASSERT_TRUE(host.list->selectedRow());
    EXPECT_EQ(host.list->selectedRow()->position, 1);

    host.trova(QStringLiteral("verdi"));
    EXPECT_EQ(host.list->selectedIndex(), 0);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(ResultList, TrovaOnAnEmptyListSaysSoAndDoesNothingElse) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    ListHost host(fake.services);
    host.trova(QStringLiteral("rossi"));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Message);
    EXPECT_EQ(fake.messages.shown[0].text,
              QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    EXPECT_FALSE(host.list->selectedRow());
}

TEST(ResultList, DoubleClickHandsTheSelectedRowWithItsPosition) {
    ResultList list;
    list.setRows(kRows);
    list.resize(600, 300);
    list.show();
    QSignalSpy opened(&list, &ResultList::rowDoubleClicked);
    const QPoint third = list.visualRect(list.rows().index(2)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(opened.count(), 1);
    ASSERT_TRUE(list.selectedRow());
    EXPECT_EQ(*list.selectedRow(), kRows[2]);

    list.clear();
    EXPECT_FALSE(list.selectedRow());
}

TEST(ResultList, PrintsTheRowsInOrderAndAnEmptyListToo) {
    REQUIRE_TOOL("pdftotext");
    TestFolder dir;
    const QString pdf = dir.file(QStringLiteral("lista.pdf"));
    PrintingServices printing(dir.folder(), pdf);
    ResultList list;
    list.setRows(kRows);
    ASSERT_TRUE(printList(printing.services, &list, QStringLiteral("Riepilogo di prova"),
                          list.rows().lines()));
    auto text = pdfText(pdf);
    ASSERT_TRUE(text);
    const qsizetype title = text->indexOf(QStringLiteral("Riepilogo di prova"));
    const qsizetype first = text->indexOf(QStringLiteral("Mario Rossi"));
    const qsizetype last = text->indexOf(QStringLiteral("ROSSI ANNA"));
    EXPECT_NE(title, -1);
    EXPECT_LT(title, first);
    EXPECT_LT(first, last);

    list.clear();
    ASSERT_TRUE(
        printList(printing.services, &list, QStringLiteral("Lista vuota"), list.rows().lines()));
    text = pdfText(pdf);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral("Lista vuota")));
    EXPECT_TRUE(text->contains(QStringLiteral("Stampa eseguita in data")));
    EXPECT_EQ(printing.printers.calls, 2);
}
