#include "distinte/ui/TfrmMenuRicevute.h"

#include "common/Dates.h"
#include "common/TextRules.h"
#include "distinte/YearChoice.h"
#include "distinte/ui/DistintaEditor.h"
#include "distinte/ui/DistintaPrinting.h"
#include "help/ui/TfrmGuida.h"
#include "widgets/CommandButtons.h"
#include "widgets/DeferredPictures.h"
#include "widgets/EnterChain.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"
#include "widgets/LinkFeedback.h"
#include "widgets/MenuCard.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenPreamble.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"
#include "widgets/YearField.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* makeLink(QWidget* parent, const QString& name, const QString& text) {
    auto* link = new QLabel(text, parent);
    link->setObjectName(name);
    QFont font = formfont::bold(12);
    font.setUnderline(true);
    link->setFont(font);
    return link;
}

} // namespace

TfrmMenuRicevute::TfrmMenuRicevute(Services& services, ScreenRouter& router, DistintaEditor& editor,
                                   QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router), m_editor(editor) {
    prepareScreen(this, QStringLiteral("TfrmMenuRicevute"),
                  QStringLiteral(" Vellarmo - Emissione Distinte"), QColor(0xE4E7EB));

    auto* heading = menucard::heading(this, QStringLiteral("Distinte valori bollati"),
                                      QStringLiteral("intAnnoPreventivi"));
    auto* info = new QLabel(
        QStringLiteral(
            "In questo ambiente è possibile gestire le distinte da rilasciare agli acquirenti."),
        this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setFont(formfont::plain(11));
    info->setWordWrap(true);
    QHBoxLayout* yearRow = buildYearRow();
    QGridLayout* links = buildLinks();
    const auto [imgGuida, imgEsci] = buildCorners();

    auto* panel = menucard::card(this, QStringLiteral("pnlAnno"), 720);
    QVBoxLayout* panelLayout = menucard::column(panel);
    panelLayout->addWidget(heading);
    panelLayout->addWidget(info);
    panelLayout->addLayout(yearRow);
    panelLayout->addSpacing(18);
    panelLayout->addLayout(links);

    menucard::layOut(this, panel, {imgGuida, imgEsci});
}

// "Anno:", the year and "Apri", which opens the editor on it.
QHBoxLayout* TfrmMenuRicevute::buildYearRow() {
    auto* annoTitle = new QLabel(QStringLiteral("Anno:"), this);
    annoTitle->setObjectName(QStringLiteral("titAnnoPreventivi"));
    annoTitle->setFont(formfont::bold(20));
    m_txtAnno = yearfield::make(this, QStringLiteral("txtAnnoPreventivi"), {14, 90});
    auto* apri =
        commandbutton::plain(this, QStringLiteral("btnApriPreventivi"), QStringLiteral("Apri"));
    apri->setFont(formfont::bold(12));
    yearfield::wireOpen(m_txtAnno, apri, [this] { openEditorOnYear(); });

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(annoTitle);
    yearRow->addSpacing(12);
    yearRow->addWidget(m_txtAnno);
    yearRow->addSpacing(12);
    yearRow->addWidget(apri);
    yearRow->addStretch();
    return yearRow;
}

// The income screens and the logo, each a picture beside its link; a screen
// that is not there leaves the menu open.
QGridLayout* TfrmMenuRicevute::buildLinks() {
    auto* lnkStatistiche = makeLink(this, QStringLiteral("lnkStatistiche"),
                                    QStringLiteral("Grafici statistici incassi"));
    auto* imgStatistiche =
        makePictureButton(this, QStringLiteral("imgStatistiche"),
                          deferred::styleIcon(QStyle::SP_FileDialogDetailedView));
    auto* lnkRiepIncassi = makeLink(this, QStringLiteral("lnkRiepIncassi"),
                                    QStringLiteral("Riepilogo incassi per intervalli"));
    auto* imgRiepIncassi = makePictureButton(this, QStringLiteral("imgRiepIncassi"),
                                             deferred::styleIcon(QStyle::SP_FileDialogListView));
    auto* lnkWeb =
        makeLink(this, QStringLiteral("lnkWeb"), QStringLiteral("Imposta logo rivenditore"));
    auto* imgEmail = makePictureButton(this, QStringLiteral("imgEmail"),
                                       deferred::styleIcon(QStyle::SP_DesktopIcon));

    const auto toStatistiche = [this] { m_router.switchTo(MainScreen::Statistiche, this); };
    const auto toRiepilogo = [this] { m_router.switchTo(MainScreen::MenuRiepLavoro, this); };
    const auto toLogo = [this] { openLogoDialog(m_services, this); };
    applyLinkFeedback(lnkStatistiche, toStatistiche);
    applyLinkFeedback(lnkRiepIncassi, toRiepilogo);
    applyLinkFeedback(lnkWeb, toLogo);
    connect(imgEmail, &QToolButton::clicked, this, toLogo);
    connect(imgStatistiche, &QToolButton::clicked, this, toStatistiche);
    connect(imgRiepIncassi, &QToolButton::clicked, this, toRiepilogo);

    auto* links = new QGridLayout;
    links->setHorizontalSpacing(12);
    links->setVerticalSpacing(10);
    const QList<QPair<QToolButton*, QLabel*>> rows = {
        {imgStatistiche, lnkStatistiche}, {imgRiepIncassi, lnkRiepIncassi}, {imgEmail, lnkWeb}};
    for (int i = 0; i < rows.size(); ++i) {
        links->addWidget(rows[i].first, i, 0);
        links->addWidget(rows[i].second, i, 1);
    }
    links->setColumnStretch(2, 1);
    return links;
}

// Help and exit, as they look on the main menu.
std::pair<QWidget*, QWidget*> TfrmMenuRicevute::buildCorners() {
    QToolButton* imgGuida = menucard::helpButton(this, QStringLiteral("imgGuida"), 48);
    QToolButton* imgEsci = menucard::exitButton(this, QStringLiteral("imgEsci"), 48);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Distinte); });
    return {imgGuida, imgEsci};
}

void TfrmMenuRicevute::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Restoring a minimised window shows it again without a new visit.
    if (event->spontaneous())
        return;
    m_txtAnno->setText(dates::currentYear());
    m_txtAnno->setFocus();
}

void TfrmMenuRicevute::openEditorOnYear() {
    const QString typed = m_txtAnno->text();
    if (!yearchoice::isAcceptedYear(typed)) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, yearchoice::kYearWarning);
        m_txtAnno->setFocus();
        return;
    }
    // The editor is opened on the year only when it can be shown.
    if (m_router.screen(MainScreen::Ricevute) == nullptr)
        return;
    m_editor.openYear(text::trimmed(typed));
    m_router.switchTo(MainScreen::Ricevute, this);
}

void TfrmMenuRicevute::closeEvent(QCloseEvent* event) {
    // Without a main menu to go back to the distinte menu stays.
    if (m_router.switchTo(MainScreen::Avvio, this))
        event->accept();
    else
        event->ignore();
}
