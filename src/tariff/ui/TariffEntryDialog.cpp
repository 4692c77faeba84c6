#include "tariff/ui/TariffEntryDialog.h"

#include "common/Amounts.h"
#include "common/TextRules.h"
#include "tariff/TariffEntry.h"
#include "widgets/EnterChain.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"
#include "widgets/Pictures.h"
#include "widgets/Services.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPriceLength = 7;
const QString kNoName =
    QStringLiteral("Attenzione: non è stato indicato alcun nome da attribuire al valore bollato.");

QFont fieldFont() {
    QFont font = formfont::plain(12);
    font.setBold(true);
    return font;
}
} // namespace

TariffEntryDialog::TariffEntryDialog(Services& services, QWidget* owner, const QString& caption,
                                     const QString& applyText)
    : DialogBase(owner), m_services(services) {
    setWindowTitle(caption);

    auto* layout = new QVBoxLayout(this);
    const QString instructions =
        QStringLiteral("Indicare il nome e il prezzo unitario del valore bollato");
    auto* istruzioni = new QLabel(this);
    istruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    istruzioni->setPixmap(pictures::strip(instructions, QSize(480, 34), pictures::kTeal, 10));
    istruzioni->setAccessibleName(instructions);
    layout->addWidget(istruzioni);

    m_txtNomeVoce = new QLineEdit(this);
    m_txtNomeVoce->setObjectName(QStringLiteral("txtNomeVoce"));
    m_txtNomeVoce->setMaxLength(static_cast<int>(tariff::kNameWidth));
    m_txtNomeVoce->setFont(fieldFont());
    m_txtNomeVoce->setMinimumWidth(m_txtNomeVoce->fontMetrics().averageCharWidth() * 40);
    layout->addWidget(m_txtNomeVoce);

    auto* priceRow = new QHBoxLayout;
    auto* euro = new QLabel(QStringLiteral("\u20AC"), this);
    euro->setObjectName(QStringLiteral("imgEuro"));
    euro->setFont(fieldFont());
    priceRow->addWidget(euro);
    m_txtPrezzo = new QLineEdit(QStringLiteral("0,00"), this);
    m_txtPrezzo->setObjectName(QStringLiteral("txtPrezzo"));
    m_txtPrezzo->setMaxLength(kPriceLength);
    m_txtPrezzo->setAlignment(Qt::AlignRight);
    m_txtPrezzo->setFont(fieldFont());
    m_txtPrezzo->setFixedWidth(m_txtPrezzo->fontMetrics().horizontalAdvance(u'0') * 12);
    installKeyFilter(m_txtPrezzo, KeyFilterKind::Amount);
    // The length limit stops typing only: a longer price put there by the
    // program stays whole, and the user can shorten it but not lengthen it.
    connect(m_txtPrezzo, &QLineEdit::textEdited, this, [this](const QString& typed) {
        m_txtPrezzo->setMaxLength(qMax(kPriceLength, static_cast<int>(typed.size())));
    });
    m_txtPrezzo->installEventFilter(this);
    priceRow->addWidget(m_txtPrezzo);
    priceRow->addStretch();
    layout->addLayout(priceRow);

    auto* buttons = new QHBoxLayout;
    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    m_btnApplica = new QPushButton(applyText, this);
    m_btnApplica->setObjectName(QStringLiteral("btnApplica"));
    for (QPushButton* b : {btnAnnulla, m_btnApplica}) {
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
    }
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(m_btnApplica);
    layout->addLayout(buttons);

    setEnterNext(m_txtNomeVoce, m_txtPrezzo);
    // Enter in the price only reaches the button; pressing it stays a choice.
    setEnterNext(m_txtPrezzo, m_btnApplica);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnApplica, &QPushButton::clicked, this, &TariffEntryDialog::apply);
}

void TariffEntryDialog::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    m_txtNomeVoce->setFocus(Qt::OtherFocusReason);
}

bool TariffEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtPrezzo && event->type() == QEvent::FocusOut)
        normalisePrice();
    return DialogBase::eventFilter(watched, event);
}

void TariffEntryDialog::showPrice(const QString& price) {
    m_txtPrezzo->setMaxLength(qMax(kPriceLength, static_cast<int>(price.size())));
    m_txtPrezzo->setText(price);
}

void TariffEntryDialog::normalisePrice() {
    showPrice(amounts::normalizeAmount(m_txtPrezzo->text(), amounts::AmountKind::Price));
}

void TariffEntryDialog::apply() {
    const QString name = text::trimmed(m_txtNomeVoce->text());
    if (name.isEmpty()) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kNoName);
        m_txtNomeVoce->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The price goes in normalised even when the field was never left.
    normalisePrice();
    const QString price = text::trimmed(m_txtPrezzo->text());
    m_entry = tariff::makeEntry(name, price);
    accept();
}
