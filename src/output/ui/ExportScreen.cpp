#include "output/ui/ExportScreen.h"

#include "common/MessageBreaks.h"
#include "help/ui/TfrmGuida.h"
#include "output/ExportFile.h"
#include "output/ui/ExportGridModel.h"
#include "widgets/OpenService.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/Services.h"
#include "widgets/StatusHints.h"
#include "widgets/WorkProgress.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

const QString ExportScreen::kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio." VM_PARAGRAPH_CRLF "Si vuole esportare i dati adesso?");
const QString ExportScreen::kAskOpen =
    QStringLiteral("Le schede in archivio sono state esportate con successo." VM_PARAGRAPH_CRLF
                   "Si vuole aprire il file di Excel?");
const QString ExportScreen::kExportFailed =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati." VM_PARAGRAPH
                   "Accertarsi che il file di Excel non sia già aperto.");
const QString ExportScreen::kExportIncomplete =
    QStringLiteral("Attenzione: l'archivio non è stato letto per intero." VM_PARAGRAPH_CRLF
                   "Il file di Excel contiene soltanto le %1 schede lette.");
const QString ExportScreen::kInitialStatus =
    QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString ExportScreen::kXlsxHint =
    QStringLiteral("Esporta l'archivio in formato Excel 2007 e successivi (.xlsx).");

namespace {

constexpr int kRowHeight = 21;

// The spreadsheet icon of an export command: a green sheet with a grid,
// its format's name in the heading.
QPixmap spreadsheetIcon(int side, const QString& format) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(side * 0.12, side * 0.08, side * 0.76, side * 0.84);
    p.setPen(QPen(QColor(0x1D6F42), side / 24.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, side * 0.06, side * 0.06);
    p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), sheet.height() * 0.22),
               QColor(0x1D6F42));
    p.setPen(QPen(QColor(0x1D6F42), side / 48.0));
    for (int i = 1; i < 4; ++i) {
        const double y = sheet.top() + sheet.height() * (0.22 + 0.78 * i / 4);
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    const double x = sheet.left() + sheet.width() * 0.4;
    p.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
    p.setPen(Qt::white);
    QFont font;
    font.setBold(true);
    font.setPixelSize(int(side * 0.18));
    p.setFont(font);
    p.drawText(QRectF(sheet.left(), sheet.top(), sheet.width(), sheet.height() * 0.22),
               Qt::AlignCenter, format);
    return pixmap;
}

} // namespace

ExportScreen::ExportScreen(Services& services, QWidget* owner, const ExportSource& source,
                           const QString& archivePath, const QString& caption,
                           help::Topic helpTopic)
    : DialogBase(owner), m_services(services), m_source(source) {
    setWindowTitle(caption);

    auto* layout = new QVBoxLayout(this);
    const QString titleText = QStringLiteral("ESPORTAZIONE IN EXCEL");
    auto* titolo = new QLabel(this);
    titolo->setObjectName(QStringLiteral("titEsporta"));
    titolo->setPixmap(pictures::title(titleText, QSize(900, 52), 24));
    titolo->setAccessibleName(titleText);
    layout->addWidget(titolo);

    m_model = new ExportGridModel(source.sheet, this);
    m_grdRecords = new QTableView(this);
    m_grdRecords->setObjectName(QStringLiteral("grdRecords"));
    m_grdRecords->setFixedSize(900, 460);
    buildGrid();
    layout->addWidget(m_grdRecords);

    auto* commands = new QHBoxLayout;
    auto* icoMano = new QLabel(QStringLiteral("\u261E"), this);
    icoMano->setObjectName(QStringLiteral("icoMano"));
    QFont hand = icoMano->font();
    hand.setPointSizeF(hand.pointSizeF() * 2.5);
    icoMano->setFont(hand);
    commands->addWidget(icoMano);
    auto* cmdEsporta = makePictureButton(this, QStringLiteral("cmdEsporta"),
                                         QIcon(spreadsheetIcon(64, QStringLiteral("XLS"))),
                                         QStringLiteral("Esporta"));
    auto* cmdEsportaXlsx = makePictureButton(this, QStringLiteral("cmdEsportaXlsx"),
                                             QIcon(spreadsheetIcon(64, QStringLiteral("XLSX"))),
                                             QStringLiteral("Esporta .xlsx"));
    for (QToolButton* b : {cmdEsporta, cmdEsportaXlsx}) {
        b->setIconSize(QSize(48, 48));
        commands->addWidget(b);
    }
    commands->addStretch();
    auto* cmdGuida =
        makePictureButton(this, QStringLiteral("cmdGuida"),
                          QIcon(pictures::roundIcon(QStringLiteral("?"), pictures::kTeal, 56)),
                          QStringLiteral("Guida"));
    auto* cmdEsci =
        makePictureButton(this, QStringLiteral("cmdEsci"),
                          QIcon(pictures::roundIcon(QStringLiteral("×"), pictures::kCrimson, 56)),
                          QStringLiteral("Esci"));
    for (QToolButton* b : {cmdGuida, cmdEsci}) {
        b->setIconSize(QSize(34, 34));
        commands->addWidget(b);
    }
    layout->addLayout(commands);

    auto* panInfo = new QLabel(kInitialStatus, this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFrameShape(QFrame::StyledPanel);
    panInfo->setFrameShadow(QFrame::Sunken);
    layout->addWidget(panInfo);

    auto* hints = new StatusHints(panInfo);
    hints->addHint(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    hints->addHint(cmdEsportaXlsx, kXlsxHint);
    hints->addHint(cmdGuida,
                   QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    hints->addHint(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    hints->addBackground(this);

    connect(cmdEsporta, &QToolButton::clicked, this, [this] { exportClick(Format::Xls); });
    connect(cmdEsportaXlsx, &QToolButton::clicked, this, [this] { exportClick(Format::Xlsx); });
    connect(cmdEsci, &QToolButton::clicked, this, &QDialog::reject);
    connect(cmdGuida, &QToolButton::clicked, this,
            [this, helpTopic] { showHelpTopic(m_services, this, helpTopic); });
    fillGrid(archivePath);
}

void ExportScreen::buildGrid() {
    m_grdRecords->setModel(m_model);
    m_grdRecords->setAlternatingRowColors(true);
    m_grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdRecords->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grdRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grdRecords->verticalHeader()->hide();
    // Fixed row heights: the view never measures 100,000 rows.
    m_grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grdRecords->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grdRecords->setColumnWidth(0, ExportGridModel::kNumberWidth);
    for (int i = 0; i < m_source.sheet.columns.size(); ++i)
        m_grdRecords->setColumnWidth(i + 1, m_source.sheet.columns[i].gridWidth);
}

QString ExportScreen::outputPath(Format format) const {
    return m_services.folder.file(format == Format::Xlsx ? m_source.xlsxFileName
                                                         : m_source.outputFileName);
}

void ExportScreen::run() {
    if (m_read != ExportOutcome::Cancelled)
        m_services.dialogs.exec(this);
}

void ExportScreen::fillGrid(const QString& archivePath) {
    ExportTable table(int(m_source.sheet.columns.size()));
    {
        WorkProgress progress(parentWidget(), QStringLiteral("Lettura dell'archivio in corso..."));
        m_read = archiveexport::load(
            archivePath, m_source, table,
            [&progress](qint64 done, qint64 total) { return progress.step(done, total); });
    }
    // An archive that cannot be read shows the rows read so far.
    if (m_read != ExportOutcome::Cancelled)
        m_model->setTable(std::move(table));
}

void ExportScreen::exportClick(Format format) {
    if (!m_services.messages.question(this, kAskExport))
        return;
    const QString path = outputPath(format);
    ExportOutcome written = ExportOutcome::Done;
    {
        WorkProgress progress(this, QStringLiteral("Esportazione dei dati in corso..."));
        const auto step = [&progress](qint64 done, qint64 total) {
            return progress.step(done, total);
        };
        written = format == Format::Xlsx
                      ? exportfile::writeXlsx(path, m_source.sheet, m_model->table(), step)
                      : exportfile::write(path, m_source.sheet, m_model->table(), step);
    }
    switch (written) {
    case ExportOutcome::Failed:
        m_services.messages.message(this, kExportFailed);
        return;
    case ExportOutcome::Cancelled:
        // The previous export file is still there, untouched.
        return;
    case ExportOutcome::Done:
        break;
    }
    if (m_read != ExportOutcome::Done) {
        m_services.messages.message(this, kExportIncomplete.arg(m_model->table().rowCount()));
        return;
    }
    if (m_services.messages.question(this, kAskOpen))
        OpenService(m_services.opener).open(QLatin1Char('"') + path + QLatin1Char('"'));
}
