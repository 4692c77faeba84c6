#include "distinte/ui/TfrmCalendario.h"

#include "widgets/Services.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QDate> TfrmCalendario::choose(Services& services, QWidget* owner) {
    TfrmCalendario dialog(services, owner);
    if (services.dialogs.exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenDate();
}

TfrmCalendario::TfrmCalendario(Services&, QWidget* owner) : DialogBase(owner) {
    setObjectName(QStringLiteral("TfrmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));

    auto* title = new QLabel(QStringLiteral("Importare una data:"), this);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calAppuntamenti"));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setSelectedDate(QDate::currentDate());
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    auto* importa = new QPushButton(QStringLiteral("Importa"), this);
    importa->setObjectName(QStringLiteral("btnImportaData"));
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    connect(importa, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    // A double click on a day (or Enter in the calendar) imports it, as "Importa" does.
    connect(m_calendar, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(importa);
    buttons->addWidget(annulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);

    // Escape leaves the calendar as "Annulla" does, wherever the focus is:
    // the month view would otherwise keep the key, and the dialog itself
    // (focused when no child is) would swallow it.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TfrmCalendario::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return DialogBase::eventFilter(watched, event);
}

QDate TfrmCalendario::chosenDate() const {
    return m_calendar->selectedDate();
}

void TfrmCalendario::btnImportaDataClick() {
    accept();
}
