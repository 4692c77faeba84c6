#include "app/ui/TfrmSplash.h"

#include "app/ui/MakerLinks.h"
#include "widgets/FormFonts.h"
#include "widgets/Pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(Services& services, QWidget* owner) : DialogBase(owner) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Vellarmo"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, pictures::kPaper);
    setPalette(background);

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(pictures::productLogo(150));
    imgLogo->setAlignment(Qt::AlignCenter);
    auto* lblTitolo = new QLabel(this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setPixmap(pictures::title(QStringLiteral("Vellarmo"), QSize(360, 70), 34));
    lblTitolo->setAlignment(Qt::AlignCenter);
    auto* lblSottotitolo = new QLabel(
        QStringLiteral("Compila, stampa e archivia le distinte dei valori bollati"), this);
    lblSottotitolo->setObjectName(QStringLiteral("lblSottotitolo"));
    lblSottotitolo->setFont(formfont::plain(10));
    lblSottotitolo->setAlignment(Qt::AlignCenter);
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 14);
    layout->setSpacing(10);
    layout->addWidget(imgLogo);
    layout->addWidget(lblTitolo);
    layout->addWidget(lblSottotitolo);
    auto* lblVersione = new QLabel(QStringLiteral("Versione %1").arg(maker::version()), this);
    lblVersione->setObjectName(QStringLiteral("lblVersione"));
    lblVersione->setFont(formfont::plain(9));
    lblVersione->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblVersione);
    layout->addLayout(maker::createLinks(services, this));
    layout->addWidget(btnChiudi, 0, Qt::AlignRight);
}
