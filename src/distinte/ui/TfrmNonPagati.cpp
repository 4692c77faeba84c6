#include "distinte/ui/TfrmNonPagati.h"

#include "distinte/DistintaSearch.h"
#include "distinte/ui/DistintaEditor.h"
#include "distinte/ui/TfrmRicevute.h"
#include "output/ui/ListPrinter.h"
#include "widgets/ListScreenParts.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QLineEdit>
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
    m_results.build(this, this, layout, m_services,
                    {QStringLiteral("DISTINTE NON ANCORA SALDATE"), QStringLiteral("titNonPagati"),
                     kPrintTitle},
                    listPrinter(m_services, this));
    connect(m_results.list(), &ResultList::rowDoubleClicked, this,
            &TfrmNonPagati::lstRecordsDblClick);
}

void TfrmNonPagati::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (event->spontaneous())
        return;
    m_results.resetFind();
    buildList();
    m_results.findField()->setFocus();
}

void TfrmNonPagati::buildList() {
    distintasearch::Listing listing = distintasearch::unpaid(m_editor.archivePath());
    m_results.list()->setRows(std::move(listing.rows));
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
    m_results.list()->clear();
    DialogBase::done(result);
}

void TfrmNonPagati::lstRecordsDblClick() {
    // No row selected or the archive cannot be read: close without a word.
    if (showListedDistinta(m_editor, m_results.list()->selectedRow()))
        accept();
    else
        reject();
}
