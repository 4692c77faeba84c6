#include "distinte/ui/TfrmNumerazione.h"

#include "EditorFixture.h"
#include "distinte/Impostazioni.h"
#include "support/ActiveWindow.h"
#include "support/Unprivileged.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Opens the numbering screen from the editor and lets `drive` work it: the
// dialog is shown (so it reads the stored start), then driven.
void openNumbering(EditorFixture& f, std::function<void(QDialog*, QLineEdit*)> drive) {
    f.fake.dialogs.handlers.append([drive](QDialog* dialog) {
        dialog->show();
        drive(dialog, dialog->findChild<QLineEdit*>(QStringLiteral("txtInizio")));
        return dialog->result();
    });
    f.click(QStringLiteral("impNumerazione"));
    EXPECT_EQ(f.fake.dialogs.opened, QStringList{QStringLiteral("TfrmNumerazione")});
}

void press(QDialog* dialog, const char* button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

TEST(TfrmNumerazione, ApplyStoresTheTypedStartWithoutLeadingZeros) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"007", "7"}, {"", "1"}, {"0", "0"}, {"500", "500"}};
    for (const auto& c : cases) {
        EditorFixture f;
        ASSERT_TRUE(Impostazioni(f.dir.folder()).setNumberingStart(QStringLiteral("40")));
        f.editor.show();
        QString shown;
        openNumbering(f, [&](QDialog* dialog, QLineEdit* start) {
            shown = start->text();
            start->setText(QString::fromLatin1(c.typed));
            press(dialog, "btnApplica");
            EXPECT_EQ(start->text(), QString::fromLatin1(c.stored));
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
        });
        EXPECT_EQ(shown, QStringLiteral("40"));
        EXPECT_EQ(Impostazioni(f.dir.folder()).numberingStart(), QString::fromLatin1(c.stored))
            << c.typed;
    }
}

TEST(TfrmNumerazione, MissingStartShowsOneAndCancelStoresNothing) {
    EditorFixture f;
    f.editor.show();
    openNumbering(f, [](QDialog* dialog, QLineEdit* start) {
        EXPECT_EQ(start->text(), QStringLiteral("1"));
        start->setText(QStringLiteral("500"));
        press(dialog, "btnAnnulla");
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
    });
    EXPECT_FALSE(f.dir.exists(QStringLiteral("Impostazioni.ini")));
}

TEST(TfrmNumerazione, StartTypedInTheDialogIsUsedByTheNextNew) {
    EditorFixture f;
    f.store({storedDistinta(QStringLiteral("1")), storedDistinta(QStringLiteral("2"))});
    f.editor.show();
    // By keyboard: Enter moves to "Applica e chiudi", Enter there applies.
    openNumbering(f, [](QDialog* dialog, QLineEdit* start) {
        ASSERT_TRUE(showActive(dialog));
        start->clear();
        QTest::keyClicks(start, QStringLiteral("0100"));
        auto* rectangle = dialog->findChild<QWidget*>(QStringLiteral("effInizio"));
        EXPECT_TRUE(rectangle->isVisible());
        QTest::keyClick(start, Qt::Key_Return);
        EXPECT_EQ(start->text(), QStringLiteral("100"));
        EXPECT_FALSE(rectangle->isVisible());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    });
    EXPECT_EQ(Impostazioni(f.dir.folder()).numberingStart(), QStringLiteral("100"));
    f.click(QStringLiteral("cmdNuovo"));
    EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QStringLiteral("102"));
}

TEST(TfrmNumerazione, StartThatCannotBeStoredIsReported) {
    EditorFixture f;
    ASSERT_TRUE(Impostazioni(f.dir.folder()).setNumberingStart(QStringLiteral("40")));
    f.editor.show();
    {
        ReadOnlyScope readOnly({f.dir.path(), f.dir.file(QStringLiteral("Impostazioni.ini"))});
        openNumbering(f, [](QDialog* dialog, QLineEdit* start) {
            start->setText(QStringLiteral("90"));
            press(dialog, "btnApplica");
        });
    }
    EXPECT_EQ(f.messages(),
              QStringList{QStringLiteral(
                  "Attenzione: non è stato possibile salvare il numero iniziale delle distinte."
                  "\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di "
                  "installazione del programma.")});
    EXPECT_EQ(Impostazioni(f.dir.folder()).numberingStart(), QStringLiteral("40"));
}

// A start stored longer than the typing limit is shown, and stored again, whole.
TEST(TfrmNumerazione, LongStoredStartIsShownWhole) {
    EditorFixture f;
    ASSERT_TRUE(Impostazioni(f.dir.folder()).setNumberingStart(QStringLiteral("123456")));
    f.editor.show();
    QString shown;
    openNumbering(f, [&shown](QDialog* dialog, QLineEdit* start) {
        shown = start->text();
        press(dialog, "btnApplica");
    });
    EXPECT_EQ(shown, QStringLiteral("123456"));
    EXPECT_EQ(Impostazioni(f.dir.folder()).numberingStart(), QStringLiteral("123456"));
}
