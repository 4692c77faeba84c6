#include "buyers/ui/TfrmAllegaCartella.h"

#include "common/MessageBreaks.h"
#include "common/TextRules.h"
#include "widgets/FormFonts.h"
#include "widgets/OpenService.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/Services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

const QString TfrmAllegaCartella::kOverwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome." VM_PARAGRAPH_CRLF "Si vuole sovrascrivere il file esistente?");
const QString TfrmAllegaCartella::kCopyFailed = QStringLiteral(
    "Attenzione: non è stato possibile copiare il file nella cartella "
    "Documenti_Allegati." VM_PARAGRAPH "Accertarsi di possedere i privilegi di scrittura "
    "nella cartella di installazione del programma.");

// Every file, with or without an extension, under the label the user knows.
const QString TfrmAllegaCartella::kAllFilesFilter = QStringLiteral("Tutti i file (*.*) (*)");

namespace {

QString slotName(const char* stem, int slot) {
    return QString::fromLatin1(stem) + QStringLiteral("0%1").arg(slot + 1);
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(Services& services, const Attachments& initial,
                                       qint64 cardPosition, QWidget* owner)
    : DialogBase(owner), m_services(services), m_position(cardPosition) {
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildInstructions());
    for (int n = 0; n < Attachments::kSlots; ++n)
        layout->addWidget(buildSlot(n, initial));
    layout->addLayout(buildButtons());
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
}

// The paper clip and what to do.
QHBoxLayout* TfrmAllegaCartella::buildInstructions() {
    auto* heading = new QLabel(
        QStringLiteral("Selezionare i file da allegare alla scheda corrente con il pulsante "
                       "Sfoglia, quindi fare clic su Applica e chiudi e successivamente sul "
                       "pulsante Salva per salvare le modifiche. Per aprire un file premere il "
                       "pulsante Apri."),
        this);
    heading->setObjectName(QStringLiteral("lblIstruzioni"));
    heading->setWordWrap(true);
    auto* clip = new QLabel(this);
    clip->setObjectName(QStringLiteral("icoGraffetta"));
    clip->setPixmap(style()->standardIcon(QStyle::SP_FileLinkIcon).pixmap(40, 40));
    auto* top = new QHBoxLayout;
    top->addWidget(clip);
    top->addWidget(heading, 1);
    return top;
}

// One attachment: its name with erase, Sfoglia... and Apri, then its
// description, filled from `initial`.
QGroupBox* TfrmAllegaCartella::buildSlot(int n, const Attachments& initial) {
    const QIcon erase = style()->standardIcon(QStyle::SP_DialogDiscardButton);
    const char* ordinal[] = {"1°", "2°", "3°"};
    auto* frame = new QGroupBox(this);
    frame->setObjectName(slotName("sfoFile", n));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(
        new QLabel(QStringLiteral("Nome %1 file allegato:").arg(QString::fromUtf8(ordinal[n])),
                   frame),
        0, 0, 1, 4);
    auto* name = new QLineEdit(frame);
    name->setObjectName(slotName("txtFile", n));
    name->setReadOnly(true);
    name->setFont(formfont::bold(10));
    name->setStyleSheet(QStringLiteral("color: grey;"));
    name->setMinimumWidth(360);
    auto* cancella = makePictureButton(frame, slotName("imgCancella", n), erase);
    auto* sfoglia = new QPushButton(QStringLiteral("Sfoglia..."), frame);
    sfoglia->setObjectName(slotName("btnSfoglia", n));
    auto* apri = new QPushButton(QStringLiteral("Apri"), frame);
    apri->setObjectName(slotName("btnApri", n));
    apri->setEnabled(false);
    grid->addWidget(name, 1, 0);
    grid->addWidget(cancella, 1, 1);
    grid->addWidget(sfoglia, 1, 2);
    grid->addWidget(apri, 1, 3);
    grid->addWidget(
        new QLabel(
            QStringLiteral("Descrizione %1 file allegato:").arg(QString::fromUtf8(ordinal[n])),
            frame),
        2, 0, 1, 4);
    auto* desc = new QLineEdit(frame);
    desc->setObjectName(slotName("txtDesc", n));
    desc->setFont(formfont::bold(12));
    grid->addWidget(desc, 3, 0, 1, 4);

    m_txtFile[n] = name;
    m_txtDesc[n] = desc;
    m_btnApri[n] = apri;
    // "Apri" follows the name however it changes, also when filled below.
    connect(name, &QLineEdit::textChanged, apri,
            [apri](const QString& text) { apri->setEnabled(!text::trimmed(text).isEmpty()); });
    connect(cancella, &QToolButton::clicked, name, &QLineEdit::clear);
    connect(sfoglia, &QPushButton::clicked, this, [this, n] { btnSfogliaClick(n); });
    connect(apri, &QPushButton::clicked, this, [this, n] { btnApriClick(n); });
    name->setText(initial.file[n]);
    desc->setText(initial.desc[n]);
    return frame;
}

QHBoxLayout* TfrmAllegaCartella::buildButtons() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

Attachments TfrmAllegaCartella::attachments() const {
    Attachments a;
    for (int n = 0; n < Attachments::kSlots; ++n) {
        a.file[n] = m_txtFile[n]->text();
        a.desc[n] = m_txtDesc[n]->text();
    }
    return a.trimmed();
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    const QString chosen = m_services.files.openFileName(
        this, QStringLiteral("Selezionare il file da allegare:"), QString(), kAllFilesFilter);
    if (chosen.isEmpty())
        return;
    const attachments::NamesInUse inUse =
        attachments::namesInUse(m_services.folder, m_position, attachments(), slot);
    const attachments::Placed placed = attachments::place(m_services.folder, chosen, inUse, [this] {
        return m_services.messages.question(this, kOverwriteQuestion);
    });
    // A file that did not arrive in the folder is never recorded as attached.
    if (placed.kind == attachments::Placed::Failed) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kCopyFailed);
        return;
    }
    m_txtFile[slot]->setText(placed.name);
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    OpenService(m_services.opener)
        .open(QLatin1Char('"') + attachments::filePath(m_services.folder, m_txtFile[slot]->text()) +
              QLatin1Char('"'));
}
