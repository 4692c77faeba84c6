#include "support/TariffPick.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

int importTariffRow(QDialog* dialog, int row) {
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstRecords"));
    dialog->show();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnImporta")),
                      Qt::LeftButton);
    return dialog->result();
}
