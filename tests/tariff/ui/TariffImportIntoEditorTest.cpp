#include "distinte/ui/TfrmRicevute.h"
#include "support/FakeServices.h"
#include "support/TariffPick.h"
#include "support/TestFolder.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"
#include "widgets/ScreenRouter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString two(int i) {
    return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

// Every text of the editor's edit fields and labels, by object name.
QMap<QString, QString> textsOf(const QWidget& editor) {
    QMap<QString, QString> out;
    for (const QLineEdit* field : editor.findChildren<QLineEdit*>())
        out.insert(field->objectName(), field->text());
    for (const QLabel* label : editor.findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty())
            out.insert(label->objectName(), label->text());
    }
    return out;
}

} // namespace

TEST(TariffImportIntoEditor,
     EachLineGetsDescriptionAndUnitValueAndOnlyItsAmountAndTheTotalGoStale) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    ScreenRouter router;
    TfrmRicevute editor(fake.services, router);
    ASSERT_TRUE(tariff::writeTariffFile(dir.file(tariff::tariffFileName()),
                                        {tariff::makeEntry(u"Cartolina", u"0,95"),
                                         tariff::makeEntry(u"Marca da bollo", u"16,00")})
                    .ok);

    // Every line filled and the total computed, so that any stray write shows.
    for (int i = 1; i <= 10; ++i) {
        editor.findChild<QLineEdit*>(QStringLiteral("txtQuant") + two(i))->setText(two(i));
        editor.findChild<QLineEdit*>(QStringLiteral("txtDescrizione") + two(i))
            ->setText(QStringLiteral("Voce ") + two(i));
        editor.findChild<QLineEdit*>(QStringLiteral("txtUnitario") + two(i))
            ->setText(QStringLiteral("1,00"));
    }
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("btnTotale")), Qt::LeftButton);
    QMap<QString, QString> expected = textsOf(editor);
    ASSERT_EQ(expected.value(QStringLiteral("txtTotale")), QStringLiteral("55,00"));

    // Each import button fills its own line; that line's amount and the total
    // are emptied, as typing a new unit value would, and nothing else changes.
    for (int line = 1; line <= 10; ++line) {
        SCOPED_TRACE(line);
        fake.dialogs.handlers.append([](QDialog* dialog) { return importTariffRow(dialog, 1); });
        QTest::mouseClick(editor.findChild<QToolButton*>(QStringLiteral("impBollato") + two(line)),
                          Qt::LeftButton);

        expected[QStringLiteral("txtDescrizione") + two(line)] = QStringLiteral("Marca da bollo");
        expected[QStringLiteral("txtUnitario") + two(line)] = QStringLiteral("16,00");
        expected[QStringLiteral("txtImporto") + two(line)] = QString();
        expected[QStringLiteral("txtTotale")] = QString();
        EXPECT_EQ(textsOf(editor), expected);
    }
    EXPECT_EQ(fake.dialogs.opened, QStringList(10, QStringLiteral("TfrmTrovaServizi")));
    EXPECT_EQ(expected.value(QStringLiteral("txtImporto07")), QString());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}
