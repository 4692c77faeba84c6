// Every file the distinte screens replace, on a disk filled to the last
// block: the old file stays byte for byte and the user is told.

#include "support/FullDisk.h"

#include "distinte/Impostazioni.h"
#include "distinte/ui/DistintaPrinting.h"
#include "distinte/ui/LogoPicture.h"
#include "distinte/ui/TfrmAnteprimaRic.h"
#include "distinte/ui/TfrmLogo.h"
#include "distinte/ui/TfrmRicevute.h"
#include "support/DistintaBuilder.h"
#include "support/FakeServices.h"
#include "widgets/ScreenRouter.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void click(QWidget* screen, const char* name) {
    auto* button = screen->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// Only the files the test put there and the disk's own filler.
QStringList filesOn(const FullDisk& disk) {
    QStringList names = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(QStringLiteral(".filler"));
    return names;
}

} // namespace

// The fault this guards: closing the editor on a full disk left only the
// section line in the settings, and the numbering fell back from 505 to 6.
TEST(FullDisk, ClosingTheEditorKeepsTheSettingsAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const ProgramFolder folder(disk.path());
    ASSERT_TRUE(Impostazioni(folder).setNumberingStart(QStringLiteral("505")));
    DatiRivenditore dati;
    dati.nome = QStringLiteral("Tabaccheria Rossi");
    ASSERT_TRUE(Impostazioni(folder).setRivenditore(dati));
    const QString ini = folder.file(Impostazioni::fileName());
    const QByteArray before = bytesOf(ini);

    FakeServices fake(folder);
    ScreenRouter router;
    QWidget avvio;
    TfrmRicevute editor(fake.services, router);
    router.add(MainScreen::Avvio, &avvio);
    router.add(MainScreen::Ricevute, &editor);
    editor.openYear(QStringLiteral("2024"));
    router.switchTo(MainScreen::Ricevute, &avvio);
    editor.findChild<QLineEdit*>(QStringLiteral("txtNomeRiv"))
        ->setText(QStringLiteral("Tabaccheria Rossi e Figli"));
    disk.fill();

    editor.close();
    EXPECT_EQ(fake.messages.texts(), QStringList{TfrmRicevute::kResellerNotSaved});
    EXPECT_EQ(bytesOf(ini), before);
    EXPECT_EQ(Impostazioni(folder).numberingStart(), QStringLiteral("505"));
    EXPECT_EQ(filesOn(disk), QStringList{Impostazioni::fileName()});
}

// The fault this guards: "no logo" on a full disk emptied Logo.bmp silently.
TEST(FullDisk, StoringTheLogoKeepsTheOldOneAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const ProgramFolder folder(disk.path());
    ASSERT_TRUE(logo::save(folder, logo::blankPicture()));
    const QByteArray before = bytesOf(folder.file(logo::kFileName));
    disk.fill();

    FakeServices fake(folder);
    fake.dialogs.handlers = {[](QDialog* d) {
        click(d, "imgEuro");
        click(d, "btnApplica");
        return d->result();
    }};
    openLogoDialog(fake.services, nullptr);
    EXPECT_EQ(fake.messages.texts(), QStringList{TfrmLogo::kNotSaved});
    EXPECT_EQ(bytesOf(folder.file(logo::kFileName)), before);
    EXPECT_EQ(filesOn(disk), QStringList{logo::kFileName});
}

TEST(FullDisk, SavingThePdfKeepsTheOldFileAndSaysSo) {
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const ProgramFolder folder(disk.path());
    const QString pdf = folder.file(QStringLiteral("Distinta.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("%PDF-1.4 la copia di ieri");
    }
    const QByteArray before = bytesOf(pdf);
    disk.fill();

    FakeServices fake(folder);
    const Ricevuta distinta = DistintaBuilder(QStringLiteral("15"))
                                  .line(0, QString(), QStringLiteral("Marca da bollo"), QString());
    TfrmAnteprimaRic screen(fake.services, distinta, nullptr);
    screen.show();
    fake.files.names = {pdf};
    click(&screen, "btnSalvaPdf");
    EXPECT_EQ(fake.messages.texts(), QStringList{TfrmAnteprimaRic::kPdfFailed});
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(bytesOf(pdf), before);
    EXPECT_EQ(filesOn(disk), QStringList{QStringLiteral("Distinta.pdf")});
}
