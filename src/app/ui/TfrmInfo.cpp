#include "app/ui/TfrmInfo.h"

#include "app/ui/MakerLinks.h"
#include "widgets/FormFonts.h"
#include "widgets/Pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(Services& services, QWidget* owner) : DialogBase(owner) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Vellarmo"));

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(pictures::productLogo(88));
    auto* lblTitolo = new QLabel(this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setPixmap(pictures::title(QStringLiteral("Vellarmo"), QSize(240, 52), 24));
    auto* lblTesto = new QLabel(QStringLiteral("Distinte di acquisto dei valori bollati\n"
                                               "per tabaccherie e rivenditori autorizzati.\n\n"
                                               "Versione %1\n"
                                               "© %2. Tutti i diritti riservati.")
                                    .arg(maker::version(), maker::name()),
                                this);
    lblTesto->setObjectName(QStringLiteral("lblTesto"));
    lblTesto->setFont(formfont::plain(10));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitolo);
    text->addWidget(lblTesto);
    text->addSpacing(8);
    auto* lblContatti = new QLabel(QStringLiteral("Informazioni e assistenza:"), this);
    lblContatti->setObjectName(QStringLiteral("lblContatti"));
    lblContatti->setFont(formfont::bold(10));
    lblContatti->setAlignment(Qt::AlignCenter);
    text->addWidget(lblContatti);
    text->addLayout(maker::createLinks(services, this));
    auto* body = new QHBoxLayout;
    body->setSpacing(20);
    body->addWidget(imgLogo, 0, Qt::AlignTop);
    body->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->addLayout(body);
    layout->addWidget(btnChiudi, 0, Qt::AlignRight);
}
