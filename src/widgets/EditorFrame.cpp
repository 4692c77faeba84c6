#include "widgets/EditorFrame.h"

#include "widgets/DeferredPictures.h"
#include "widgets/FormFonts.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace editorframe {

namespace {

const QColor kDesk(0xE4E7EB);

} // namespace

Desk makeDesk(QWidget* screen, const QString& sheetName, int maximumWidth) {
    Desk d;
    d.scroll = new QScrollArea(screen);
    d.scroll->setObjectName(QStringLiteral("sfoSchermata"));
    d.scroll->setWidgetResizable(true);
    d.scroll->setFrameShape(QFrame::NoFrame);
    // The desk only holds the form: Tab goes from field to field, never to
    // the desk itself, where typing would go nowhere.
    d.scroll->setFocusPolicy(Qt::NoFocus);
    d.desk = new QWidget;
    d.desk->setObjectName(QStringLiteral("bkgSchermata"));
    d.desk->setAutoFillBackground(true);
    QPalette grey = d.desk->palette();
    grey.setColor(QPalette::Window, kDesk);
    d.desk->setPalette(grey);
    d.scroll->setWidget(d.desk);
    d.sheet = new QFrame(d.desk);
    d.sheet->setObjectName(sheetName);
    d.sheet->setMaximumWidth(maximumWidth);
    d.sheet->setStyleSheet(
        QStringLiteral("#%1 { background-color: white; border: 1px solid #B0B0B0; }")
            .arg(sheetName));

    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(d.sheet, 1);
    centre->addStretch();
    auto* desktop = new QVBoxLayout(d.desk);
    desktop->setContentsMargins(8, 6, 8, 6);
    desktop->addStretch();
    desktop->addLayout(centre);
    desktop->addStretch();
    return d;
}

CommandRow::CommandRow(QWidget* screen) : m_screen(screen), m_row(new QWidget(screen)) {
    m_row->setObjectName(QStringLiteral("pnlComandi"));
}

QToolButton* CommandRow::command(const char* name, QStyle::StandardPixmap picture,
                                 const char* caption) {
    return command(name, deferred::styleIcon(picture), QString::fromUtf8(caption));
}

QToolButton* CommandRow::command(const char* name, const QIcon& picture, const QString& caption) {
    return makePictureButton(m_row, QString::fromLatin1(name), picture, caption);
}

CommandRow::Navigation CommandRow::navigation(int positionMinimumWidth) {
    Navigation n;
    n.first = command("cmdPrimo", QStyle::SP_MediaSkipBackward, "Prima");
    n.previous = command("cmdIndietro", QStyle::SP_MediaSeekBackward, "Precedente");
    n.next = command("cmdAvanti", QStyle::SP_MediaSeekForward, "Successiva");
    n.last = command("cmdUltimo", QStyle::SP_MediaSkipForward, "Ultima");
    n.position = new QLabel(m_row);
    n.position->setObjectName(QStringLiteral("lblPosizione"));
    n.position->setFont(formfont::bold(12));
    n.position->setAlignment(Qt::AlignCenter);
    n.position->setMinimumWidth(positionMinimumWidth);
    n.position->setFrameShape(QFrame::StyledPanel);
    return n;
}

QToolButton* CommandRow::help() {
    return command("cmdGuida", deferred::pictureIcon([] {
                       return pictures::roundIcon(QStringLiteral("?"), pictures::kTeal, 56);
                   }),
                   QStringLiteral("Guida"));
}

QToolButton* CommandRow::exit() {
    return command("cmdEsci", deferred::pictureIcon([] {
                       return pictures::roundIcon(QStringLiteral("×"), pictures::kCrimson, 56);
                   }),
                   QStringLiteral("Esci"));
}

void CommandRow::layOut(const QList<QList<QWidget*>>& groups, const QMargins& margins, int spacing,
                        int gap, QWidget* help, QWidget* exit) {
    auto* bar = new QHBoxLayout(m_row);
    bar->setContentsMargins(margins);
    if (spacing >= 0)
        bar->setSpacing(spacing);
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (g > 0)
            bar->addSpacing(gap);
        for (QWidget* c : groups[g])
            bar->addWidget(c);
    }
    bar->addStretch();
    bar->addWidget(help);
    bar->addWidget(exit);
}

QLabel* makeStatusLine(QWidget* screen, const QString& readyText) {
    auto* status = new QLabel(readyText, screen);
    status->setObjectName(QStringLiteral("panInfo"));
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
    status->setContentsMargins(6, 2, 6, 2);
    return status;
}

void layOutScreen(QWidget* screen, QWidget* commands, QScrollArea* desk, QLabel* status) {
    auto* root = new QVBoxLayout(screen);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(commands);
    root->addWidget(desk, 1);
    root->addWidget(status);
}

} // namespace editorframe
