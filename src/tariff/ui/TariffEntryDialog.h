#pragma once

#include "widgets/DialogBase.h"

#include <QString>

struct Services;
class QLineEdit;
class QPushButton;

// The layout and rules the add and modify dialogs share: the name field
// (`txtNomeVoce`, at most 50 characters), the price field (`txtPrezzo`, an
// amount field normalised as a price when it is left), `btnAnnulla` and
// `btnApplica`. On `btnApplica` a named entry is built and the dialog is
// accepted; the caller takes entry() and decides where it goes. The dialogs
// never touch the tariff file.
class TariffEntryDialog : public DialogBase {
    Q_OBJECT

public:
    // The entry built by the last successful `btnApplica`.
    QString entry() const { return m_entry; }

protected:
    TariffEntryDialog(Services& services, QWidget* owner, const QString& caption,
                      const QString& applyText);

    QLineEdit* nameField() const { return m_txtNomeVoce; }
    QLineEdit* priceField() const { return m_txtPrezzo; }
    // Puts a price into the price field whole, even one longer than the
    // field lets the user type.
    void showPrice(const QString& price);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void normalisePrice();
    void apply();

    Services& m_services;
    QLineEdit* m_txtNomeVoce;
    QLineEdit* m_txtPrezzo;
    QPushButton* m_btnApplica;
    QString m_entry;
};
