#pragma once

#include "EditorFixture.h"
#include "support/PdfCapture.h"
#include "widgets/ResultList.h"

#include <QPushButton>
#include <functional>

// The distinta editor on a fresh archive, with the search or the unpaid list
// opened from its own command and driven by `drive` while it is open, as
// the user would drive it. Returns what the dialog returned.
struct ListScreenFixture : EditorFixture {
    struct Screen {
        QDialog* dialog;

        template <typename T = QWidget> T* get(const char* name) const {
            T* found = dialog->findChild<T*>(QString::fromLatin1(name));
            EXPECT_NE(found, nullptr) << name;
            return found;
        }
        ResultList* list() const { return get<ResultList>("lstRecords"); }
        void click(const char* name) const {
            QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
        }
        void type(const char* field, const QString& text) const {
            get<QLineEdit>(field)->setText(text);
        }
        void doubleClickRow(qsizetype row) const {
            ResultList* l = list();
            const QPoint at = l->visualRect(l->rows().index(int(row))).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
        }
        QList<qint64> positions() const {
            QList<qint64> out;
            for (qsizetype i = 0; i < list()->rows().size(); ++i)
                out.append(list()->rows().at(i).position);
            return out;
        }
    };

    // Opens the screen with the editor's command and drives it until the
    // handler returns; the dialog's own result when it closed itself.
    int run(const char* command, const std::function<void(const Screen&)>& drive) {
        int closedWith = -1;
        fake.dialogs.handlers.append([&](QDialog* dialog) {
            QObject::connect(dialog, &QDialog::finished, [&](int r) { closedWith = r; });
            dialog->show();
            drive(Screen{dialog});
            return closedWith;
        });
        click(QString::fromLatin1(command));
        EXPECT_EQ(fake.dialogs.handlers.size(), 0) << "the command opened no dialog";
        return closedWith;
    }

    // The fake services with printing going to `printers`' PDF file.
    Services printingTo(PrintToPdf& printers) {
        return {fake.services.folder, fake.messages, fake.dialogs,
                fake.files,           printers,      fake.opener};
    }

    // The one message a list screen gives when the archive cannot be read.
    void expectOnlyTheAccessMessage() const {
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0].kind, FakeMessageBoxes::Shown::Message);
        EXPECT_EQ(
            fake.messages.shown[0].text,
            QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                           "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                           "installazione del programma."));
    }
};
