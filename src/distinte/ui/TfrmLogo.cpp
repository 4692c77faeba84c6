#include "distinte/ui/TfrmLogo.h"

#include "common/MessageBreaks.h"
#include "distinte/ui/LogoPicture.h"
#include "widgets/Services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

const QString TfrmLogo::kBrowseTitle =
    QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
const QString TfrmLogo::kBrowseFilter =
    QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
const QString TfrmLogo::kNotSaved = QStringLiteral(
    "Attenzione: non è stato possibile salvare il logo; resta in uso quello "
    "precedente." VM_PARAGRAPH "Accertarsi che il disco non sia pieno e di possedere i "
    "privilegi di scrittura nella cartella del programma.");

namespace {
constexpr int kPreviewWidth = 297;
constexpr int kPreviewHeight = 184;

QIcon euroIcon() {
    return QIcon(QPixmap::fromImage(
        logo::defaultPicture().scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// A pink rubber with a white sleeve, leaning to the right.
QIcon eraserIcon() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(12, 12);
    p.rotate(-35);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(0xF4, 0x8F, 0xB1));
    p.drawRoundedRect(QRectF(-10, -5, 10, 10), 2, 2);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0, -5, 10, 10), 2, 2);
    return QIcon(pixmap);
}

QToolButton* cornerButton(const QString& name, const QIcon& icon, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
} // namespace

TfrmLogo::TfrmLogo(Services& services, QWidget* owner) : DialogBase(owner), m_services(services) {
    setObjectName(QStringLiteral("TfrmLogo"));
    setWindowTitle(QStringLiteral(" Impostazione logo"));

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("IMPOSTAZIONE LOGO"), this);
    title->setObjectName(QStringLiteral("titLogo"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    layout->addWidget(title);
    auto* hint = new QLabel(QStringLiteral("Caricare il proprio logo in formato JPEG o Bitmap, "
                                           "di 297 x 184 pixel."),
                            this);
    hint->setObjectName(QStringLiteral("lblIstruzioni"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    // The preview, with the euro and eraser icons in its lower corners.
    auto* frame = new QWidget(this);
    frame->setFixedSize(kPreviewWidth + 2, kPreviewHeight + 2);
    frame->setStyleSheet(QStringLiteral("background: white; border: 1px solid #87CEEB;"));
    m_imgLogo = new QLabel(frame);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setGeometry(1, 1, kPreviewWidth, kPreviewHeight);
    m_imgLogo->setAlignment(Qt::AlignCenter);
    m_imgLogo->setStyleSheet(QStringLiteral("border: none;"));
    QToolButton* imgEuro = cornerButton(QStringLiteral("imgEuro"), euroIcon(), frame);
    QToolButton* btnCancLogo = cornerButton(QStringLiteral("btnCancLogo"), eraserIcon(), frame);
    imgEuro->setStyleSheet(QStringLiteral("border: none;"));
    btnCancLogo->setStyleSheet(QStringLiteral("border: none;"));
    imgEuro->setToolTip(QStringLiteral("Logo predefinito"));
    btnCancLogo->setToolTip(QStringLiteral("Nessun logo"));
    imgEuro->setGeometry(3, kPreviewHeight - 25, 26, 26);
    btnCancLogo->setGeometry(kPreviewWidth - 27, kPreviewHeight - 25, 26, 26);
    layout->addWidget(frame, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    auto* btnSfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
    btnSfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    auto* btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    buttons->addWidget(btnSfoglia);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);

    connect(imgEuro, &QToolButton::clicked, this, [this] { showPicture(logo::defaultPicture()); });
    connect(btnCancLogo, &QToolButton::clicked, this,
            [this] { showPicture(logo::blankPicture()); });
    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::browse);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::apply);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    showPicture(logo::load(services.folder));
}

void TfrmLogo::showPicture(const QImage& picture) {
    m_picture = picture;
    const QImage shown = picture.width() <= kPreviewWidth && picture.height() <= kPreviewHeight
                             ? picture
                             : picture.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation);
    m_imgLogo->setPixmap(QPixmap::fromImage(shown));
}

void TfrmLogo::browse() {
    const QString path = m_services.files.openFileName(
        this, kBrowseTitle, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        kBrowseFilter);
    if (!path.isEmpty())
        showPicture(logo::loadOrDefault(path));
}

void TfrmLogo::apply() {
    // A logo that cannot be stored leaves the previous one in place; the
    // screen closes either way, after saying so.
    if (!logo::save(m_services.folder, m_picture))
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kNotSaved);
    accept();
}
