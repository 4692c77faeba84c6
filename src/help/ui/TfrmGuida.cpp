#include "help/ui/TfrmGuida.h"

#include "widgets/FormFonts.h"
#include "widgets/LinkFeedback.h"
#include "widgets/OpenService.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/Services.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The PDF icon beside the link: a page with a folded corner and a red band.
QPixmap pdfIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = side * 0.70;
    const double left = (side - w) / 2.0;
    const double top = side * 0.04;
    const double bottom = side * 0.96;
    const double fold = side * 0.22;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(left + w - fold, top);
    page.lineTo(left + w, top + fold);
    page.lineTo(left + w, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x7A7A7A), side / 32.0));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(0xDDDDDD));
    p.drawPolygon(QPolygonF({QPointF(left + w - fold, top), QPointF(left + w - fold, top + fold),
                             QPointF(left + w, top + fold)}));
    const QRectF band(side * 0.06, side * 0.50, side * 0.88, side * 0.30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC62828));
    p.drawRoundedRect(band, side * 0.05, side * 0.05);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(int(side * 0.24));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, QStringLiteral("PDF"));
    return pixmap;
}

} // namespace

TfrmGuida::TfrmGuida(Services& services, QWidget* owner) : DialogBase(owner), m_services(services) {
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(pictures::productLogo(64));

    m_lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    m_lblTitolo->setFont(QFont(QStringLiteral("Arial"), 16, QFont::Bold));
    QPalette crimson = m_lblTitolo->palette();
    crimson.setColor(QPalette::WindowText, QColor(0xDC143C));
    m_lblTitolo->setPalette(crimson);
    m_lblTitolo->setWordWrap(true);

    m_txtGuida = new QPlainTextEdit(this);
    m_txtGuida->setObjectName(QStringLiteral("txtGuida"));
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setFont(formfont::bold(12));
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room around the text, so that bold letters never touch the frame.
    m_txtGuida->document()->setDocumentMargin(12);
    m_txtGuida->setFixedSize(760, 460);

    auto* imgPDF = new PictureButton(pdfIcon(36), this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    auto* lnkWeb = new QLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    QFont linkFont(QStringLiteral("Tahoma"), 14);
    linkFont.setUnderline(true);
    lnkWeb->setFont(linkFont);
    applyLinkFeedback(lnkWeb, [this] { openUserGuide(); });
    connect(imgPDF, &PictureButton::clicked, this, &TfrmGuida::openUserGuide);

    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setMinimumWidth(110);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* header = new QHBoxLayout;
    header->setSpacing(14);
    header->addWidget(imgLogo, 0, Qt::AlignVCenter);
    header->addWidget(m_lblTitolo, 1);
    auto* footer = new QHBoxLayout;
    footer->setSpacing(8);
    footer->addWidget(imgPDF);
    footer->addWidget(lnkWeb);
    footer->addStretch(1);
    footer->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(header);
    layout->addWidget(m_txtGuida);
    layout->addLayout(footer);
    btnChiudi->setFocus();
}

void TfrmGuida::setTopic(const QString& title, const QStringList& paragraphs) {
    m_lblTitolo->setText(title);
    m_txtGuida->setPlainText(help::joinParagraphs(paragraphs));
}

void TfrmGuida::openUserGuide() {
    // The open service reports nothing, so a missing guide would open
    // silently nothing: say where it was looked for instead.
    const QString path = m_services.programFiles.file(help::userGuideFileName());
    if (!QFileInfo(path).isFile()) {
        m_services.messages.message(this, help::missingUserGuideMessage(path));
        return;
    }
    OpenService(m_services.opener).open(help::quotedUserGuidePath(m_services.programFiles));
}

void showHelpTopic(Services& services, QWidget* owner, const QString& title,
                   const QStringList& paragraphs) {
    TfrmGuida guida(services, owner);
    guida.setTopic(title, paragraphs);
    services.dialogs.exec(&guida);
}

void showHelpTopic(Services& services, QWidget* owner, help::Topic topic) {
    const help::HelpTopic shown = help::topic(topic);
    showHelpTopic(services, owner, shown.title, shown.paragraphs);
}
