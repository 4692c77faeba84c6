#include "app/ui/TfrmAvvio.h"

#include "app/ui/MakerLinks.h"
#include "app/ui/TfrmInfo.h"
#include "app/ui/TfrmSplash.h"
#include "help/ui/TfrmGuida.h"
#include "widgets/DeferredPictures.h"
#include "widgets/FormFonts.h"
#include "widgets/LinkFeedback.h"
#include "widgets/OpenService.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenPreamble.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The menu is made at start-up and shown after the password: its pictures
// are drawn then (`size` is the size `draw` makes).
PictureButton* picture(QWidget* parent, const QString& name, QSize size, deferred::Drawing draw) {
    auto* button = new PictureButton(size, std::move(draw), parent);
    button->setObjectName(name);
    button->setAlignment(Qt::AlignCenter);
    return button;
}

} // namespace

TfrmAvvio::TfrmAvvio(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("frmAvvio"), QStringLiteral(" Vellarmo"), QColor(0xF4F8FC));

    // Tab goes through the three areas and the exit, in this order.
    QList<PictureButton*> reachable;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addLayout(buildTitleRow());
    layout->addWidget(buildSubtitle());
    layout->addStretch(1);
    layout->addLayout(buildAreas(&reachable));
    layout->addStretch(2);
    layout->addLayout(buildBottomRow(&reachable));

    for (PictureButton* button : reachable)
        button->makeKeyboardReachable();
    for (qsizetype i = 0; i + 1 < reachable.size(); ++i)
        setTabOrder(reachable[i], reachable[i + 1]);
    m_firstArea = reachable.first();
}

// Information and help at the corners, the program's name between them.
QHBoxLayout* TfrmAvvio::buildTitleRow() {
    using namespace pictures;
    auto* imgInfo = picture(this, QStringLiteral("imgInfo"), QSize(48, 48),
                            [] { return roundIcon(QStringLiteral("i"), kTeal, 48); });
    auto* imgGuida = picture(this, QStringLiteral("imgGuida"), QSize(48, 48),
                             [] { return roundIcon(QStringLiteral("?"), kTeal, 48); });
    auto* imgTitolo = new QLabel(this);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    deferred::setPicture(imgTitolo, QSize(520, 96),
                         [] { return title(QStringLiteral("Vellarmo"), QSize(520, 96), 48); });
    imgTitolo->setAlignment(Qt::AlignCenter);
    connect(imgInfo, &PictureButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &PictureButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Panoramica); });

    auto* top = new QHBoxLayout;
    top->addWidget(imgInfo, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(imgTitolo);
    top->addStretch(1);
    top->addWidget(imgGuida, 0, Qt::AlignTop);
    return top;
}

QLabel* TfrmAvvio::buildSubtitle() {
    auto* imgSottotitolo = new QLabel(this);
    imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
    deferred::setPicture(imgSottotitolo, QSize(900, 44), [] {
        return pictures::strip(
            QStringLiteral("Software per compilare, stampare e archiviare le distinte di acquisto "
                           "dei valori bollati, per tabaccherie e rivenditori autorizzati"),
            QSize(900, 44), pictures::kNavy, 12);
    });
    imgSottotitolo->setAlignment(Qt::AlignCenter);
    return imgSottotitolo;
}

// The three areas side by side, each a picture over its caption button;
// both open the area. The caption buttons join `reachable`.
QHBoxLayout* TfrmAvvio::buildAreas(QList<PictureButton*>* reachable) {
    using namespace pictures;
    struct Column {
        QString image, button, caption;
        Area area;
        QColor colour;
        MainScreen target;
    };
    const Column columns[] = {
        {QStringLiteral("imgAcquirenti"), QStringLiteral("btnAcquirenti"),
         QStringLiteral("ARCHIVIO ACQUIRENTI"), Area::Buyers, kTeal, MainScreen::Anagrafica},
        {QStringLiteral("imgBollati"), QStringLiteral("btnBollati"),
         QStringLiteral("VALORI BOLLATI"), Area::Stamps, kCrimson, MainScreen::Prodotti},
        {QStringLiteral("imgDistinte"), QStringLiteral("btnDistinte"),
         QStringLiteral("EMISSIONE DISTINTE"), Area::Forms, kNavy, MainScreen::MenuRicevute},
    };
    auto* areas = new QHBoxLayout;
    areas->addStretch(1);
    for (const Column& column : columns) {
        const Area area = column.area;
        auto* image =
            picture(this, column.image, QSize(180, 180), [area] { return areaPicture(area, 180); });
        auto* button = picture(this, column.button, kCaptionButtonSize,
                               [caption = column.caption, colour = column.colour] {
                                   return captionButton(caption, colour, kCaptionButtonSize);
                               });
        reachable->append(button);
        const MainScreen target = column.target;
        connect(image, &PictureButton::clicked, this, [this, target] { openArea(target); });
        connect(button, &PictureButton::clicked, this, [this, target] { openArea(target); });
        auto* stack = new QVBoxLayout;
        stack->setSpacing(16);
        stack->addWidget(image);
        stack->addWidget(button);
        areas->addLayout(stack);
        areas->addStretch(1);
    }
    return areas;
}

// The maker's mark, the copy link over the web address, and the exit, which
// joins `reachable`.
QHBoxLayout* TfrmAvvio::buildBottomRow(QList<PictureButton*>* reachable) {
    using namespace pictures;
    auto* imgMarchio =
        picture(this, QStringLiteral("imgMarchio"), QSize(56, 56), [] { return productLogo(56); });
    auto* imgSito = picture(this, QStringLiteral("imgSito"), QSize(360, 34), [] {
        return strip(QStringLiteral("www.vellarmo.it"), QSize(360, 34), kTeal, 11);
    });
    auto* lnkCopia = new QLabel(QStringLiteral("Copia di sicurezza e verifica archivi"), this);
    lnkCopia->setObjectName(QStringLiteral("lnkCopia"));
    QFont linkFont = formfont::bold(12);
    linkFont.setUnderline(true);
    lnkCopia->setFont(linkFont);
    lnkCopia->setAlignment(Qt::AlignCenter);
    applyLinkFeedback(lnkCopia, [this] { lnkCopiaClick(); });
    auto* imgEsci = picture(this, QStringLiteral("imgEsci"), QSize(56, 56),
                            [] { return roundIcon(QStringLiteral("×"), kCrimson, 56); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgMarchio, 0, Qt::AlignBottom);
    bottom->addStretch(1);
    auto* links = new QVBoxLayout;
    links->addWidget(lnkCopia, 0, Qt::AlignHCenter);
    links->addWidget(imgSito, 0, Qt::AlignHCenter);
    bottom->addLayout(links);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci, 0, Qt::AlignBottom);

    reachable->append(imgEsci);
    connect(imgMarchio, &PictureButton::clicked, this, &TfrmAvvio::imgSplashClick);
    connect(imgSito, &PictureButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &PictureButton::clicked, this, &QWidget::close);
    return bottom;
}

void TfrmAvvio::setRecordEditors(DistintaEditor* distinte, BuyerEditor* buyers) {
    m_editors = {&m_router, distinte, buyers};
}

void TfrmAvvio::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The keyboard starts on the first area, so Enter alone opens it.
    if (!event->spontaneous() && focusWidget() == nullptr)
        m_firstArea->setFocus();
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    // "Sì" opens the copy dialog; the program then ends as asked, unless the
    // user opened a record from the archive check there.
    if (backupmenu::askForCopy(m_services, this, QDateTime::currentDateTime())) {
        const auto chosen = backupmenu::openDialog(m_services, this);
        if (chosen && backupmenu::openFinding(m_services, m_editors, this, *chosen)) {
            event->ignore();
            return;
        }
    }
    event->accept();
    emit closed();
}

void TfrmAvvio::lnkCopiaClick() {
    if (const auto chosen = backupmenu::openDialog(m_services, this))
        backupmenu::openFinding(m_services, m_editors, this, *chosen);
}

void TfrmAvvio::openArea(MainScreen area) {
    m_router.switchTo(area, this);
}

void TfrmAvvio::imgInfoClick() {
    TfrmInfo info(m_services, this);
    m_services.dialogs.exec(&info);
}

void TfrmAvvio::imgSplashClick() {
    TfrmSplash splash(m_services, this);
    m_services.dialogs.exec(&splash);
}

void TfrmAvvio::imgSitoClick() {
    OpenService(m_services.opener).open(maker::webSite());
}
