#include "app/ui/MakerLinks.h"

#include "widgets/LinkFeedback.h"
#include "widgets/OpenService.h"

#include <QLabel>
#include <QVBoxLayout>

namespace maker {

namespace {

QLabel* link(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Tahoma"), 11);
    font.setUnderline(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QLayout* createLinks(Services& services, QWidget* parent) {
    auto* lnkSito = link(parent, QStringLiteral("lnkSito"), QStringLiteral("www.vellarmo.it"));
    auto* lnkEmail = link(parent, QStringLiteral("lnkEmail"), email());
    SystemOpener& opener = services.opener;
    applyLinkFeedback(lnkSito, [&opener] { OpenService(opener).open(webSite()); });
    applyLinkFeedback(lnkEmail,
                      [&opener] { OpenService(opener).open(QStringLiteral("mailto:") + email()); });
    auto* layout = new QVBoxLayout;
    layout->setSpacing(4);
    layout->addWidget(lnkSito);
    layout->addWidget(lnkEmail);
    return layout;
}

} // namespace maker
