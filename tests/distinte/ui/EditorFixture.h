#pragma once

#include "distinte/Ricevuta.h"
#include "distinte/ui/TfrmRicevute.h"
#include "support/ArchiveBytes.h"
#include "support/DistintaBuilder.h"
#include "support/FakeServices.h"
#include "support/NamedChild.h"
#include "support/TestFolder.h"
#include "widgets/ScreenRouter.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

// A distinta editor on a fresh program folder, opened on the year 2024, with
// a stand-in main menu to return to.
struct EditorFixture {
    EditorFixture() {
        router.add(MainScreen::Avvio, &avvio);
        router.add(MainScreen::Ricevute, &editor);
        editor.openYear(QStringLiteral("2024"));
    }

    QString archive() const { return dir.file(QStringLiteral("2024.ric")); }

    template <typename T = QWidget> T* child(const QString& name) {
        return namedChild<T>(editor, name);
    }
    QLineEdit* field(const QString& name) { return child<QLineEdit>(name); }
    QLabel* label(const QString& name) { return child<QLabel>(name); }
    QString text(const QString& name) { return field(name)->text(); }
    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }

    // Writes the archive with the given distinte.
    void store(const QList<Ricevuta>& distinte) {
        dir.writeBytes(QStringLiteral("2024.ric"), archiveBytes(distinte));
    }

    // The smallest distinta that can be saved.
    void fillRequired() {
        field(QStringLiteral("txtAcqRigo01"))->setText(QStringLiteral("Mario Bianchi"));
        field(QStringLiteral("txtNumRic"))->setText(QStringLiteral("1"));
        field(QStringLiteral("txtData"))->setText(QStringLiteral("05/03/2024"));
        field(QStringLiteral("txtDescrizione01"))->setText(QStringLiteral("Marca da bollo"));
        field(QStringLiteral("txtUnitario01"))->setText(QStringLiteral("16,00"));
    }

    QStringList messages() const { return fake.messages.texts(); }

    TestFolder dir;
    FakeServices fake{dir.folder()};
    ScreenRouter router;
    QWidget avvio;
    TfrmRicevute editor{fake.services, router};
};
