#include "distinte/ui/TfrmLogo.h"

#include "distinte/ui/DistintaPrinting.h"
#include "distinte/ui/LogoPicture.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"
#include "support/Unprivileged.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Opens the logo screen, lets `drive` press its buttons, and returns what
// the dialog runner saw.
void runLogoScreen(FakeServices& fake, std::function<void(QDialog*)> drive) {
    fake.dialogs.handlers = {[drive](QDialog* d) {
        drive(d);
        return d->result();
    }};
    openLogoDialog(fake.services, nullptr);
}

void click(QDialog* d, const char* name) {
    auto* button = d->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray formatOf(const QString& path) {
    return QImageReader(path).format();
}

TEST(TfrmLogo, ChosenJpegIsStoredAsBmpUnscaledAndPrintsWithoutDistortion) {
    TestFolder dir;
    QImage jpeg(600, 200, QImage::Format_RGB32);
    jpeg.fill(QColor(200, 30, 30));
    const QString jpegPath = dir.file(QStringLiteral("marchio.jpg"));
    ASSERT_TRUE(jpeg.save(jpegPath, "JPG"));

    FakeServices fake(dir.folder());
    fake.files.names = {jpegPath};
    runLogoScreen(fake, [](QDialog* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("TfrmLogo"));
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Impostazione logo"));
        click(d, "btnSfoglia");
        click(d, "btnApplica");
    });
    EXPECT_EQ(fake.files.lastTitle,
              QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
    EXPECT_EQ(fake.files.lastFilter,
              QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));

    const QString stored = dir.file(QStringLiteral("Logo.bmp"));
    EXPECT_EQ(formatOf(stored), QByteArray("bmp"));
    const QImage logo(stored);
    EXPECT_EQ(logo.size(), QSize(600, 200));

    TfrmStampaRic print(fake.services, Ricevuta{}, nullptr);
    const PreparedReport page = print.preparedPage();
    const ReportObject* picture = page.pages[0].named(u"imgLogo").first();
    EXPECT_EQ(picture->picture.pixels, QSize(600, 200));
    const QRectF drawn = picture->fittedPictureRect();
    EXPECT_DOUBLE_EQ(drawn.width(), 80);
    EXPECT_DOUBLE_EQ(drawn.height(), 80.0 / 3);
    EXPECT_EQ(drawn.topLeft(), QPointF(1, 1));
}

TEST(TfrmLogo, EuroAndEraserIconsChooseWhatIsStored) {
    const struct {
        const char* button;
        QImage expected;
    } cases[] = {{"btnCancLogo", logo::blankPicture()}, {"imgEuro", logo::defaultPicture()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        TestFolder dir;
        FakeServices fake(dir.folder());
        runLogoScreen(fake, [&](QDialog* d) {
            click(d, c.button);
            EXPECT_EQ(static_cast<TfrmLogo*>(d)->picture(), c.expected);
            click(d, "btnApplica");
        });
        const QString stored = dir.file(QStringLiteral("Logo.bmp"));
        EXPECT_EQ(formatOf(stored), QByteArray("bmp"));
        EXPECT_EQ(QImage(stored).convertToFormat(QImage::Format_RGB32), c.expected);
    }
}

TEST(TfrmLogo, AnnullaAndCancelledBrowsingStoreNothing) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    runLogoScreen(fake, [](QDialog* d) {
        const QImage before = static_cast<TfrmLogo*>(d)->picture();
        EXPECT_EQ(before, logo::defaultPicture());
        click(d, "btnCancLogo");
        click(d, "btnSfoglia"); // no file chosen
        EXPECT_EQ(static_cast<TfrmLogo*>(d)->picture(), logo::blankPicture());
        click(d, "btnAnnulla");
    });
    EXPECT_FALSE(dir.exists(QStringLiteral("Logo.bmp")));
}

TEST(TfrmLogo, UnreadablePictureFallsBackToTheEuro) {
    TestFolder dir;
    dir.writeBytes(QStringLiteral("rotto.jpg"), QByteArray("\xFF\xD8 truncated"));
    FakeServices fake(dir.folder());
    fake.files.names = {dir.file(QStringLiteral("rotto.jpg"))};
    runLogoScreen(fake, [](QDialog* d) {
        click(d, "btnCancLogo");
        click(d, "btnSfoglia");
        EXPECT_EQ(static_cast<TfrmLogo*>(d)->picture(), logo::defaultPicture());
    });
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(TfrmLogo, FailedSaveKeepsThePreviousLogoSaysSoAndCloses) {
    TestFolder dir;
    ASSERT_TRUE(logo::save(dir.folder(), logo::blankPicture()));
    const QByteArray before = dir.readBytes(QStringLiteral("Logo.bmp"));
    FakeServices fake(dir.folder());
    int result = -1;
    {
        ReadOnlyScope readOnly({dir.path()});
        runLogoScreen(fake, [&](QDialog* d) {
            click(d, "imgEuro");
            click(d, "btnApplica");
            result = d->result();
        });
    }
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(fake.messages.texts(),
              QStringList{QStringLiteral(
                  "Attenzione: non è stato possibile salvare il logo; resta in uso quello "
                  "precedente.\n\r\n\rAccertarsi che il disco non sia pieno e di possedere i "
                  "privilegi di scrittura nella cartella del programma.")});
    EXPECT_EQ(dir.readBytes(QStringLiteral("Logo.bmp")), before);
}

} // namespace
