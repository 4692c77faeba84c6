#pragma once

#include "../BuyerCards.h"
#include "buyers/ui/TfrmAnagrafica.h"
#include "support/FakeServices.h"
#include "support/NamedChild.h"
#include "support/TestFolder.h"
#include "widgets/ScreenRouter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// A buyer editor on a fresh program folder, with a stand-in main menu to
// return to.
struct AnagraficaFixture {
    AnagraficaFixture() {
        router.add(MainScreen::Avvio, &avvio);
        router.add(MainScreen::Anagrafica, &editor);
    }

    template <typename T = QWidget> T* child(const QString& name) {
        return namedChild<T>(editor, name);
    }
    QLineEdit* field(const QString& name) { return child<QLineEdit>(name); }
    QString text(const QString& name) { return field(name)->text(); }
    QString position() { return child<QLabel>(QStringLiteral("lblPosizione"))->text(); }
    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    QStringList messages() const { return fake.messages.texts(); }
    // The attachment names and descriptions as "Allega file" shows them for
    // the card on screen; the dialog is then cancelled.
    QStringList attachedTexts() {
        QStringList shown;
        // Another dialog still to answer would take this look instead.
        if (!fake.dialogs.handlers.isEmpty()) {
            ADD_FAILURE() << "attachedTexts() with dialog answers still queued";
            return shown;
        }
        fake.dialogs.handlers.append([&shown](QDialog* d) {
            for (const char* stem : {"txtFile0", "txtDesc0"})
                for (int n = 1; n <= 3; ++n)
                    shown.append(
                        namedChild<QLineEdit>(*d, QString::fromLatin1(stem) + QString::number(n))
                            ->text());
            return int(QDialog::Rejected);
        });
        click(QStringLiteral("cmdFile"));
        return shown;
    }
    // Types each character into whichever widget has the focus at that moment.
    static void typeIntoFocus(const QString& typed) {
        for (QChar c : typed)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    static QString focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    TestFolder dir;
    FakeServices fake{dir.folder()};
    ScreenRouter router;
    QWidget avvio;
    TfrmAnagrafica editor{fake.services, router};
};
