#include "Driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kSchemes[] = {"file", "http", "https", "mailto"};

QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// A click with the mouse where the widget is, as the user makes it.
void click(QWidget* parent, const QString& name) {
    if (auto* w = parent->findChild<QWidget*>(name))
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

Driver::Driver()
    : m_reportPath(qEnvironmentVariable("VELLARMO_DRIVER_REPORT")),
      m_password(
          qEnvironmentVariable("VELLARMO_DRIVER_PASSWORD", QStringLiteral("aperturacassaz"))) {
    qApp->installEventFilter(this);
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { report(QStringLiteral("end")); });

    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("VELLARMO_DRIVER_TIMEOUT", &ok);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval((ok && seconds > 0 ? seconds : 60) * 1000);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        report(QStringLiteral("timeout ") + waitingFor());
        std::_Exit(3);
    });
    m_timeout.start();
}

Driver::~Driver() {
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

bool Driver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType type = w->windowType();
        if (w->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            shown(w);
    }
    return false;
}

void Driver::openUrl(const QUrl& url) {
    report(QStringLiteral("open ") + (url.isLocalFile() ? url.toLocalFile() : url.toString()));
}

void Driver::report(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    QFile file(m_reportPath);
    if (m_reportPath.isEmpty() || !file.open(QIODevice::Append)) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
        return;
    }
    file.write(bytes);
}

// Acts once the window is up: a step taken inside its show event would run
// before the window has finished showing.
void Driver::shown(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        report(QStringLiteral("message ") + escaped(box->text()));
        QTimer::singleShot(0, box, [this, box] { answer(box); });
        return;
    }
    report(QStringLiteral("screen ") + window->objectName());
    const QString name = window->objectName();
    if (m_step == Step::Password && name == QLatin1String("frmPassword"))
        QTimer::singleShot(0, window, [this, window] { enterPassword(window); });
    else if (m_step == Step::MainMenu && name == QLatin1String("frmAvvio")) {
        m_step = Step::Help;
        QTimer::singleShot(0, window, [window] { click(window, QStringLiteral("imgGuida")); });
    } else if (m_step == Step::Help && name == QLatin1String("TfrmGuida"))
        QTimer::singleShot(0, window, [this, window] { openGuide(window); });
}

void Driver::answer(QWidget* messageBox) {
    auto* box = static_cast<QMessageBox*>(messageBox);
    // Once the main menu is being closed the user wants to leave: a question
    // then (the backup reminder) gets No.
    const bool leaving = m_step == Step::Closing;
    QAbstractButton* chosen = nullptr;
    for (QAbstractButton* b : box->buttons()) {
        const QMessageBox::ButtonRole role = box->buttonRole(b);
        const bool wanted = leaving
                                ? role == QMessageBox::NoRole
                                : role == QMessageBox::YesRole || role == QMessageBox::AcceptRole;
        if (wanted) {
            chosen = b;
            break;
        }
    }
    for (QAbstractButton* b : box->buttons()) {
        if (chosen)
            break;
        const QMessageBox::ButtonRole role = box->buttonRole(b);
        if (role == QMessageBox::YesRole || role == QMessageBox::AcceptRole)
            chosen = b;
    }
    if (!chosen && !box->buttons().isEmpty())
        chosen = box->buttons().first();
    if (chosen)
        chosen->click();
}

void Driver::enterPassword(QWidget* screen) {
    auto* field = screen->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    if (!field)
        return;
    field->setFocus();
    QTest::keyClicks(field, m_password);
    m_step = Step::MainMenu;
    click(screen, QStringLiteral("cmdOK"));
}

void Driver::openGuide(QWidget* help) {
    click(help, QStringLiteral("imgPDF"));
    m_step = Step::Closing;
    click(help, QStringLiteral("btnChiudi"));
    closeMainMenuWhenIdle();
}

// The main menu is closed once the help window's modal loop has ended.
void Driver::closeMainMenuWhenIdle() {
    QTimer::singleShot(10, this, [this] {
        QWidget* menu = topLevel(QStringLiteral("frmAvvio"));
        if (QApplication::activeModalWidget() || !menu) {
            closeMainMenuWhenIdle();
            return;
        }
        menu->close();
    });
}

QString Driver::waitingFor() const {
    switch (m_step) {
    case Step::Password:
        return QStringLiteral("frmPassword");
    case Step::MainMenu:
        return QStringLiteral("frmAvvio");
    case Step::Help:
        return QStringLiteral("TfrmGuida");
    case Step::Closing:
        return QStringLiteral("end");
    }
    return {};
}
