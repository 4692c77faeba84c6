#include "buyers/ui/TfrmAllegaCartella.h"
#include "support/TestFolder.h"
#include "widgets/QtServices.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The real file dialog with the attachments' filter: its label reads "Tutti
// i file (*.*)" and it lists a file without a dot, such as a scan saved as
// "scansione".
TEST(QtFileDialogs, AllFilesFilterListsNamesWithoutADot) {
    TestFolder dir;
    for (const char* name : {"scansione", "doc.pdf"})
        dir.writeBytes(QString::fromLatin1(name), "x");
    QString label;
    QStringList listed;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = nullptr;
        if (!QTest::qWaitFor([&] {
                dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                return dialog != nullptr;
            }))
            return;
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        const auto names = [&] {
            QStringList out;
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                out.append(view->model()->index(r, 0, view->rootIndex()).data().toString());
            out.sort();
            return out;
        };
        // The folder is read in the background; both files, or a failure.
        if (QTest::qWaitFor([&] { return names().size() >= 2; }))
            listed = names();
        label = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        dialog->reject();
    });
    QtFileDialogs dialogs;
    EXPECT_EQ(dialogs.openFileName(nullptr, QStringLiteral("Selezionare il file da allegare:"),
                                   dir.path(), TfrmAllegaCartella::kAllFilesFilter),
              QString());
    EXPECT_EQ(label, QStringLiteral("Tutti i file (*.*)"));
    EXPECT_EQ(listed, QStringList({QStringLiteral("doc.pdf"), QStringLiteral("scansione")}));
}

} // namespace
