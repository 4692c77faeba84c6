#include "distinte/ui/DistintaOutputDialog.h"

#include "app/ui/Services.h"
#include "distinte/DistintaPage.h"
#include "distinte/ui/LogoPicture.h"
#include "output/ui/ReportPicture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

DistintaOutputDialog::DistintaOutputDialog(Services& services, const Ricevuta& ricevuta,
                                           QWidget* owner, const QString& caption,
                                           const QString& buttonText,
                                           const QStringList& instructions)
    : DialogBase(owner), m_services(services), m_ricevuta(ricevuta),
      m_logo(logo::load(services.folder)) {
    setWindowTitle(caption);

    auto* layout = new QVBoxLayout(this);
    for (qsizetype i = 0; i < instructions.size(); ++i) {
        auto* label = new QLabel(instructions.at(i), this);
        label->setObjectName(QStringLiteral("lblIstruzioni%1").arg(i + 1));
        label->setWordWrap(true);
        if (i == 0) {
            QFont title = label->font();
            title.setBold(true);
            title.setPointSizeF(title.pointSizeF() * 1.4);
            label->setFont(title);
        }
        layout->addWidget(label);
    }

    // The logo as read, and the default picture, kept as the screen's images.
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap::fromImage(m_logo));
    imgLogo->hide();
    auto* imgTemp = new QLabel(this);
    imgTemp->setObjectName(QStringLiteral("imgTemp"));
    imgTemp->setPixmap(QPixmap::fromImage(logo::defaultPicture()));
    imgTemp->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* btnStampa = new QPushButton(buttonText, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(btnStampa, &QPushButton::clicked, this, &DistintaOutputDialog::run);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

PreparedReport DistintaOutputDialog::preparedPage() const {
    Report page = distintapage::filled(m_ricevuta);
    page.findObject(u"imgLogo")->picture = reportPicture(m_logo);
    return prepareReport(page);
}

void DistintaOutputDialog::run() {
    bool ok = false;
    try {
        ok = produce(preparedPage());
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok)
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, failureText());
    accept();
}
