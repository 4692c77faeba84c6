#include "output/ui/ReportPreviewDialog.h"

#include "output/ui/ReportOutput.h"
#include "widgets/Services.h"
#include "widgets/WindowStyle.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(Services& services, const PreparedReport& report,
                                         QWidget* owner)
    : QDialog(owner), m_services(services), m_report(report),
      m_printer(new QPrinter(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    // A dialog's frame: no minimise or maximise button ("Schermo intero"
    // fills the screen instead); the close button stays, as on any preview.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    reportoutput::setUpPrinter(*m_printer, m_report);
    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { reportoutput::paint(*printer, m_report); });

    m_tools = new QToolBar(this);
    m_tools->setObjectName(QStringLiteral("tlbAnteprima"));
    m_tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(addTool(QStringLiteral("actStampa"), QStringLiteral("Stampa"), QKeySequence::Print),
            &QAction::triggered, this, &ReportPreviewDialog::printReport);
    m_tools->addSeparator();
    connect(
        addTool(QStringLiteral("actZoomPiu"), QStringLiteral("Ingrandisci"), QKeySequence::ZoomIn),
        &QAction::triggered, m_preview, [this] { m_preview->zoomIn(); });
    connect(addTool(QStringLiteral("actZoomMeno"), QStringLiteral("Riduci"), QKeySequence::ZoomOut),
            &QAction::triggered, m_preview, [this] { m_preview->zoomOut(); });
    connect(addTool(QStringLiteral("actZoom100"), QStringLiteral("100 %"), QKeySequence()),
            &QAction::triggered, m_preview, [this] { m_preview->setZoomFactor(1.0); });
    connect(addTool(QStringLiteral("actSchermoIntero"), QStringLiteral("Schermo intero"),
                    QKeySequence(Qt::Key_F11)),
            &QAction::triggered, this, &ReportPreviewDialog::toggleFullScreen);
    m_tools->addSeparator();
    connect(addTool(QStringLiteral("actChiudi"), QStringLiteral("Chiudi"), QKeySequence()),
            &QAction::triggered, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tools);
    layout->addWidget(m_preview, 1);

    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
    resizeWithinScreen(this, 1000, 800);
}

ReportPreviewDialog::~ReportPreviewDialog() {
    // The preview widget draws with the printer until it is gone.
    delete m_preview;
    delete m_printer;
}

QAction* ReportPreviewDialog::addTool(const QString& name, const QString& text,
                                      const QKeySequence& key) {
    QAction* action = m_tools->addAction(text);
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
}

void ReportPreviewDialog::printReport() {
    if (reportoutput::print(m_services.printers, this, m_report) ==
        reportoutput::PrintResult::Failed)
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, reportoutput::kPrintFailed);
}

void ReportPreviewDialog::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}
