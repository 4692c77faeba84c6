#include "distinte/ui/DistintaOutputDialog.h"

#include "common/TextRules.h"
#include "distinte/DistintaPage.h"
#include "distinte/ui/LogoPicture.h"
#include "output/ui/ReportPicture.h"
#include "widgets/OutputDialogParts.h"
#include "widgets/Services.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <exception>

DistintaOutputDialog::DistintaOutputDialog(Services& services, const Ricevuta& ricevuta,
                                           QWidget* owner, const QString& caption,
                                           const QString& buttonText,
                                           const QStringList& instructions)
    : DialogBase(owner), m_services(services), m_ricevuta(ricevuta),
      m_logo(logo::load(services.folder)) {
    setWindowTitle(caption);

    auto* layout = new QVBoxLayout(this);
    addInstructionLines(this, layout, instructions);

    // The logo as read, and the default picture, kept as the screen's images.
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap::fromImage(m_logo));
    imgLogo->hide();
    auto* imgTemp = new QLabel(this);
    imgTemp->setObjectName(QStringLiteral("imgTemp"));
    imgTemp->setPixmap(QPixmap::fromImage(logo::defaultPicture()));
    imgTemp->hide();

    const OutputCommands commands = addOutputCommands(this, layout, buttonText);
    m_buttons = commands.row;
    m_btnAnnulla = commands.btnAnnulla;
    connect(commands.btnStampa, &QPushButton::clicked, this, &DistintaOutputDialog::run);
}

QPushButton* DistintaOutputDialog::addCommand(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    m_buttons->insertWidget(m_buttons->indexOf(m_btnAnnulla), button);
    // Tab goes through the buttons in the order they stand.
    setTabOrder(button, m_btnAnnulla);
    return button;
}

PreparedReport DistintaOutputDialog::preparedPage() const {
    Report page = distintapage::filled(m_ricevuta);
    page.findObject(u"imgLogo")->picture = reportPicture(m_logo);
    return prepareReport(page);
}

QString DistintaOutputDialog::pdfFileName() const {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = QStringLiteral("Distinta ") + text::trimmed(m_ricevuta.numRic);
    const QString date = text::trimmed(m_ricevuta.data);
    if (!date.isEmpty())
        name += QStringLiteral(" del ") + date;
    name.replace(unsafe, QStringLiteral("-"));
    // The user's own documents, where a file to send by e-mail is looked for;
    // the data folder is no place for it.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(name + QStringLiteral(".pdf"));
}

void DistintaOutputDialog::run() {
    bool ok = false;
    try {
        ok = produce(preparedPage());
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok)
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, failureText());
    accept();
}
