#pragma once

#include "../PrintQString.h"
#include "checks/ui/TfrmCarta.h"
#include "checks/ui/TfrmCodFisc.h"
#include "checks/ui/TfrmIban.h"
#include "checks/ui/TfrmPartitaIva.h"
#include "support/ActiveWindow.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

enum class CheckScreen { CodFisc, PartitaIva, Iban, Carta };

// One check screen, shown and active, with its fake services and the
// widgets the tests drive.
struct CheckScreenFixture {
    explicit CheckScreenFixture(CheckScreen which, const QString& value = QString())
        : fake(dir.folder()) {
        switch (which) {
        case CheckScreen::CodFisc:
            dialog = std::make_unique<TfrmCodFisc>(fake.services, value, nullptr);
            break;
        case CheckScreen::PartitaIva:
            dialog = std::make_unique<TfrmPartitaIva>(fake.services, value, nullptr);
            break;
        case CheckScreen::Iban:
            dialog = std::make_unique<TfrmIban>(fake.services, value, nullptr);
            break;
        case CheckScreen::Carta:
            dialog = std::make_unique<TfrmCarta>(fake.services, value, nullptr);
            break;
        }
        const char* names[] = {"txtCodFisc", "txtPartitaIva", "txtIban", "txtNumero"};
        field = dialog->findChild<QLineEdit*>(QString::fromLatin1(names[int(which)]));
        controlla = dialog->findChild<QPushButton*>(QStringLiteral("btnControlla"));
        chiudi = dialog->findChild<QPushButton*>(QStringLiteral("btnChiudi"));
        shown = showActive(dialog.get());
    }

    void pressControlla() { QTest::mouseClick(controlla, Qt::LeftButton); }

    TestFolder dir;
    FakeServices fake;
    std::unique_ptr<QDialog> dialog;
    QLineEdit* field = nullptr;
    QPushButton* controlla = nullptr;
    QPushButton* chiudi = nullptr;
    bool shown = false;
};
