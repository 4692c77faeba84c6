#include "widgets/QtServices.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace {
const QString kTitle = QStringLiteral(" Vellarmo");

QMessageBox::Icon toQt(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Error:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void QtMessageBoxes::notice(QWidget* parent, Icon icon, const QString& text) {
    QMessageBox box(toQt(icon), kTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.exec();
}

bool QtMessageBoxes::question(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtMessageBoxes::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

int QtDialogRunner::exec(QDialog* dialog) {
    return dialog->exec();
}

QString QtFileDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& path,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, path, filter);
}

bool QtPrintDialogs::choosePrinter(QWidget* parent, QPrinter* printer) {
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtSystemOpener::open(const QString& target) {
    // Web and mail addresses go as they are; anything else is a local path.
    const QUrl url(target);
    const bool isAddress = url.isValid() && url.scheme().size() > 1;
    QDesktopServices::openUrl(isAddress ? url : QUrl::fromLocalFile(target));
}
