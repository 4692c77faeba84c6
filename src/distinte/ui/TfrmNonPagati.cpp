#include "distinte/ui/TfrmNonPagati.h"

#include "distinte/DistintaSearch.h"
#include "distinte/ui/DistintaEditor.h"
#include "distinte/ui/TfrmRicevute.h"
#include "widgets/ListScreenParts.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

const QString TfrmNonPagati::kPrintTitle = QStringLiteral("Riepilogo distinte non ancora saldate");

void TfrmNonPagati::openFor(Services& services, DistintaEditor& editor, QWidget* owner) {
    TfrmNonPagati dialog(services, editor, owner);
    services.dialogs.exec(&dialog);
}

TfrmNonPagati::TfrmNonPagati(Services& services, DistintaEditor& editor, QWidget* owner)
    : DialogBase(owner), m_services(services), m_editor(editor) {
    setObjectName(QStringLiteral("TfrmNonPagati"));
    setWindowTitle(QStringLiteral(" Riepilogo distinte non ancora saldate"));
    setFixedSize(980, 620);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listscreen::heading(this, QStringLiteral("DISTINTE NON ANCORA SALDATE"),
                                          QStringLiteral("titNonPagati")));
    layout->addWidget(
        listscreen::instruction(this, listscreen::kFindInstruction, QStringLiteral("imgTrova")));

    m_list = new ResultList(this);
    const ResultList::FindControls find = m_list->makeFindControls(this, m_services, m_findMemory);
    m_txtTrova = find.txtTrova;
    layout->addLayout(listscreen::findRow(find));
    layout->addWidget(m_list, 1);
    connect(m_list, &ResultList::rowDoubleClicked, this, &TfrmNonPagati::lstRecordsDblClick);
    layout->addWidget(listscreen::doubleClickHint(this));

    auto* btnStampa =
        listscreen::button(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"));
    auto* btnChiudi =
        listscreen::button(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
    connect(btnStampa, &QPushButton::clicked, this,
            [this] { m_list->print(m_services, kPrintTitle); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnChiudi);
    layout->addLayout(buttons);
}

void TfrmNonPagati::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (event->spontaneous())
        return;
    m_findMemory.forget();
    m_txtTrova->clear();
    buildList();
    m_txtTrova->setFocus();
}

void TfrmNonPagati::buildList() {
    distintasearch::Listing listing = distintasearch::unpaid(m_editor.archivePath());
    m_list->setRows(std::move(listing.rows));
    // A shorter list without a word would read as "these are all the unpaid
    // distinte"; say that the archive could not be read, once the screen
    // shows the rows that were.
    if (!listing.ok) {
        QMetaObject::invokeMethod(
            this, [this] { m_services.messages.message(this, TfrmRicevute::kAccessFailure); },
            Qt::QueuedConnection);
    }
}

void TfrmNonPagati::done(int result) {
    m_list->clear();
    DialogBase::done(result);
}

void TfrmNonPagati::lstRecordsDblClick() {
    if (const std::optional<ResultRow> row = m_list->selectedRow()) {
        if (const auto opened = distintasearch::open(m_editor.archivePath(), *row)) {
            m_editor.showDistinta(opened->distinta, opened->position);
            accept();
            return;
        }
    }
    // No row selected or the archive cannot be read: close without a word.
    reject();
}
