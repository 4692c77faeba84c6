#include "journeys/support/Journey.h"

#include "app/ui/Startup.h"
#include "app/ui/TfrmPassword.h"
#include "support/ActiveWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Every file below `root`, by path relative to it, sorted.
QStringList filesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QAbstractItemView* listOf(QWidget* root) {
    auto* list = root != nullptr ? root->findChild<QAbstractItemView*>(QStringLiteral("lstRecords"))
                                 : nullptr;
    EXPECT_NE(list, nullptr) << "no list lstRecords";
    return list;
}

// The model index of the first row of `list` containing `containing`.
QModelIndex rowContaining(QAbstractItemView* list, const QString& containing) {
    QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data().toString().contains(containing))
            return index;
    }
    ADD_FAILURE() << "no row contains " << containing.toStdString();
    return {};
}

// A control the user can reach: showing and enabled. Its window becomes the
// active one, as a click into it makes it, so that the focus and the keys go
// there.
bool usable(QWidget* control, const QString& name) {
    if (control == nullptr)
        return false;
    EXPECT_TRUE(control->isVisible()) << name.toStdString() << " is not showing";
    EXPECT_TRUE(control->isEnabled()) << name.toStdString() << " is disabled";
    if (!control->isVisible() || !control->isEnabled())
        return false;
    QWidget* window = control->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << name.toStdString();
    }
    return true;
}

} // namespace

Journey::Journey()
    : m_fake(m_data.folder(), m_program.folder()),
      m_printers(paperPath()), m_services{m_data.folder(), m_fake.messages,   m_fake.dialogs,
                                          m_fake.files,    m_printers,        m_fake.opener,
                                          m_fake.input,    m_program.folder()} {
    // What an installation puts into the program folder besides the program.
    m_program.writeBytes(QStringLiteral("Guida.pdf"), "%PDF-1.4\n% Guida di Vellarmo\n");
    m_installed = filesBelow(m_program.path());
    // As start-up does: the data folder gets its key file, then the password
    // screen shows.
    EXPECT_TRUE(prepareDataFolder(m_services, m_program.folder()));
    m_run = std::make_unique<Program>(m_services);
    m_run->setEndHandler([] {});
    m_run->start();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_run->password()));
}

Journey::~Journey() {
    m_run.reset();
    EXPECT_EQ(filesBelow(m_program.path()), m_installed)
        << "the program wrote outside its data folder";
    EXPECT_TRUE(m_fake.dialogs.handlers.isEmpty()) << "a dialog the journey expected never opened";
}

QWidget* Journey::screen() const {
    QWidget* showing = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || qobject_cast<QDialog*>(w) != nullptr)
            continue;
        if (showing != nullptr) {
            ADD_FAILURE() << "two screens showing: " << showing->objectName().toStdString()
                          << " and " << w->objectName().toStdString();
            return nullptr;
        }
        showing = w;
    }
    EXPECT_NE(showing, nullptr) << "no screen showing";
    return showing;
}

QWidget* Journey::control(const QString& name, QWidget* within) const {
    QWidget* root = within != nullptr ? within : screen();
    if (root == nullptr)
        return nullptr;
    auto* found = root->findChild<QWidget*>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString() << " on "
                              << root->objectName().toStdString();
    return found;
}

QString Journey::text(const QString& name, QWidget* within) const {
    QWidget* w = control(name, within);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return {};
}

void Journey::click(const QString& name, QWidget* within) {
    QWidget* w = control(name, within);
    if (usable(w, name))
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void Journey::type(const QString& name, const QString& typed, QWidget* within) {
    auto* field = qobject_cast<QLineEdit*>(control(name, within));
    if (!usable(field, name))
        return;
    field->setFocus();
    field->selectAll();
    for (QChar c : typed) {
        if (c.unicode() < 128) {
            QTest::keyClick(field, char(c.unicode()));
            continue;
        }
        // Letters such as "à" have no key of their own in the test toolkit:
        // they arrive as typed text, as from a keyboard layout that has them.
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Journey::press(Qt::Key key, Qt::KeyboardModifiers modifiers, QWidget* within) {
    QWidget* focus = within != nullptr ? within->focusWidget() : QApplication::focusWidget();
    // A screen just shown gets the keys once its window is active, as the
    // window manager makes it.
    if (focus == nullptr) {
        if (QWidget* showing = screen()) {
            showing->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(showing));
            focus = QApplication::focusWidget();
        }
    }
    EXPECT_NE(focus, nullptr) << "no control has the focus";
    if (focus != nullptr)
        QTest::keyClick(focus, key, modifiers);
}

QWidget* Journey::focused() const {
    return QApplication::focusWidget();
}

void Journey::clickRow(const QString& containing, QWidget* within) {
    clickRow(containing, within, false);
}

void Journey::doubleClickRow(const QString& containing, QWidget* within) {
    clickRow(containing, within, true);
}

void Journey::clickRow(const QString& containing, QWidget* within, bool twice) {
    QAbstractItemView* list = listOf(within != nullptr ? within : screen());
    if (list == nullptr)
        return;
    const QModelIndex index = rowContaining(list, containing);
    if (!index.isValid())
        return;
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void Journey::choose(const QString& name, const QString& choice, QWidget* within) {
    auto* combo = qobject_cast<QComboBox*>(control(name, within));
    if (!usable(combo, name))
        return;
    const int item = combo->findText(choice);
    EXPECT_GE(item, 0) << name.toStdString() << " offers no " << choice.toStdString();
    if (item < 0)
        return;
    combo->setFocus();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(item, combo->modelColumn());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(index).center());
    EXPECT_EQ(combo->currentText(), choice) << name.toStdString();
}

QStringList Journey::rows(QWidget* within) const {
    QStringList texts;
    QAbstractItemView* list = listOf(within != nullptr ? within : screen());
    if (list == nullptr)
        return texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts.append(list->model()->index(row, 0).data().toString());
    return texts;
}

void Journey::onDialog(const QString& objectName, std::function<void(QDialog*)> steps) {
    m_fake.dialogs.handlers.append([objectName, steps](QDialog* dialog) {
        EXPECT_EQ(dialog->objectName(), objectName);
        if (dialog->objectName() != objectName)
            return int(QDialog::Rejected);
        EXPECT_TRUE(showActive(dialog)) << objectName.toStdString();
        if (steps)
            steps(dialog);
        const int result = dialog->result();
        dialog->hide();
        return result;
    });
}

QStringList Journey::takeMessages() {
    const QStringList texts = m_fake.messages.texts();
    m_fake.messages.shown.clear();
    return texts;
}

QString Journey::printed() {
    EXPECT_TRUE(QFile::exists(paperPath())) << "nothing was printed";
    const std::optional<QString> text = pdfText(paperPath());
    EXPECT_TRUE(text.has_value()) << "pdftotext could not read the printed pages";
    QFile::remove(paperPath());
    return text.value_or(QString());
}
