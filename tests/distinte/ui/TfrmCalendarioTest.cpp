#include "distinte/ui/TfrmCalendario.h"

#include "EditorFixture.h"
#include "support/ActiveWindow.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void pickAndImport(QDialog* dialog, QDate date) {
    dialog->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"))->setSelectedDate(date);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnImportaData")),
                      Qt::LeftButton);
}

} // namespace

TEST(TfrmCalendario, DateChosenFromTheEditorGoesIntoItsDateField) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.field(QStringLiteral("txtData"))->setFocus();
    int result = -1;
    f.fake.dialogs.handlers.append([&result](QDialog* dialog) {
        EXPECT_EQ(
            dialog->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"))->selectedDate(),
            QDate::currentDate());
        pickAndImport(dialog, QDate(2024, 3, 5));
        result = dialog->result();
        return result;
    });
    QTest::keyClick(f.field(QStringLiteral("txtData")), Qt::Key_5);
    EXPECT_EQ(f.text(QStringLiteral("txtData")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(result, QDialog::Accepted);
}

// The calendar only hands the day back: the caller decides where it goes.
TEST(TfrmCalendario, ImportHandsTheDayBackAndAnnullaNothing) {
    EditorFixture f;
    f.field(QStringLiteral("txtData"))->setText(QStringLiteral("01/01/2024"));
    TfrmCalendario calendar(f.fake.services, &f.editor);
    calendar.show();
    pickAndImport(&calendar, QDate(2024, 3, 5));
    EXPECT_FALSE(calendar.isVisible());
    EXPECT_EQ(calendar.result(), QDialog::Accepted);
    EXPECT_EQ(calendar.chosenDate(), QDate(2024, 3, 5));
    EXPECT_EQ(f.text(QStringLiteral("txtData")), QStringLiteral("01/01/2024"));

    f.fake.dialogs.handlers.append([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnAnnulla")),
                          Qt::LeftButton);
        return dialog->result();
    });
    EXPECT_EQ(TfrmCalendario::choose(f.fake.services, &f.editor), std::nullopt);
}

TEST(TfrmCalendario, EscapeClosesWithoutImporting) {
    // On the month view, and on the dialog itself when no child has the
    // focus (regression: the dialog swallowed Escape there).
    for (const bool onDialog : {false, true}) {
        SCOPED_TRACE(onDialog ? "dialog" : "calendar");
        EditorFixture f;
        ASSERT_TRUE(showActive(&f.editor));
        f.field(QStringLiteral("txtData"))->setText(QStringLiteral("01/01/2024"));
        f.field(QStringLiteral("txtData"))->setFocus();
        int result = -1;
        f.fake.dialogs.handlers.append([&result, onDialog](QDialog* dialog) {
            EXPECT_TRUE(showActive(dialog));
            auto* calendar = dialog->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"));
            calendar->setSelectedDate(QDate(2024, 3, 5));
            QWidget* target = calendar;
            if (onDialog) {
                if (QWidget* focused = dialog->focusWidget())
                    focused->clearFocus();
                target = dialog;
            }
            QTest::keyClick(target, Qt::Key_Escape);
            EXPECT_FALSE(dialog->isVisible());
            result = dialog->result();
            return result;
        });
        QTest::keyClick(f.field(QStringLiteral("txtData")), Qt::Key_5);
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(f.text(QStringLiteral("txtData")), QStringLiteral("01/01/2024"));
    }
}
