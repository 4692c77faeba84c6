#include "widgets/QtServices.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
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

std::unique_ptr<QMessageBox> QtMessageBoxes::makeNotice(QWidget* parent, Icon icon,
                                                        const QString& text) {
    return std::make_unique<QMessageBox>(toQt(icon), kTitle, text,
                                         QMessageBox::Ok | QMessageBox::Cancel, parent);
}

std::unique_ptr<QMessageBox> QtMessageBoxes::makeQuestion(QWidget* parent, const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, kTitle, text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    return box;
}

void QtMessageBoxes::notice(QWidget* parent, Icon icon, const QString& text) {
    makeNotice(parent, icon, text)->exec();
}

bool QtMessageBoxes::question(QWidget* parent, const QString& text) {
    return makeQuestion(parent, text)->exec() == QMessageBox::Yes;
}

MessageBoxes::Answer QtMessageBoxes::questionWithCancel(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtMessageBoxes::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

int QtDialogRunner::exec(QDialog* dialog) {
    return dialog->exec();
}

namespace {
// A folder the user has not made yet (a fresh account without Documents or
// Pictures) opens its nearest existing parent instead of wherever the
// dialog would fall back to.
QString existingStart(const QString& path) {
    if (path.isEmpty())
        return path;
    QFileInfo info(path);
    while (!info.exists() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    return info.exists() ? info.absoluteFilePath() : path;
}
} // namespace

QString QtFileDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    // The label keeps its own pattern list; the dialog matches the last one.
    static const QRegularExpression twoLists(QStringLiteral("\\([^()]*\\)\\s*\\([^()]*\\)\\s*$"));
    const QFileDialog::Options options = twoLists.match(filter).hasMatch()
                                             ? QFileDialog::HideNameFilterDetails
                                             : QFileDialog::Options();
    return QFileDialog::getOpenFileName(parent, title, existingStart(folder), filter, nullptr,
                                        options);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& path,
                                    const QString& filter) {
    // A folder opens with the name left empty; a full path proposes its name,
    // in the nearest existing folder when its own is not there yet.
    const QFileInfo info(path);
    const QString start = path.isEmpty() || info.isDir()
                              ? existingStart(path)
                              : QDir(existingStart(info.absolutePath())).filePath(info.fileName());
    return QFileDialog::getSaveFileName(parent, title, start, filter);
}

QString QtFileDialogs::existingFolder(QWidget* parent, const QString& title,
                                      const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, title, existingStart(folder));
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

std::optional<QString> QtInputBoxes::askText(QWidget* parent, const QString& caption,
                                             const QString& prompt, const QString& preset) {
    bool confirmed = false;
    const QString answer =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, preset, &confirmed);
    if (!confirmed)
        return std::nullopt;
    return answer;
}

InputBoxes& InputBoxes::cancelling() {
    class Cancelling final : public InputBoxes {
    public:
        std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                       const QString&) override {
            return std::nullopt;
        }
    };
    static Cancelling boxes;
    return boxes;
}
