#include "reports/ui/ChoiceField.h"

#include "widgets/FieldExit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class ChoiceFilter final : public QObject {
public:
    ChoiceFilter(QComboBox* field, std::function<bool(const QString&)> isChoice)
        : QObject(field), m_field(field), m_isChoice(std::move(isChoice)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            return keyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut && isFieldExit(event) &&
            !m_isChoice(m_field->currentText()))
            m_field->setEditText(QString());
        return false;
    }

private:
    bool keyPress(QKeyEvent* key) {
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            m_field->setEditText(QString());
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F4:
            return false;
        case Qt::Key_Down:
        case Qt::Key_Up:
            // Alt with an arrow opens the list; a bare arrow would step
            // through the choices behind the user's back.
            return !(key->modifiers() & Qt::AltModifier);
        default:
            return true;
        }
    }

    QComboBox* m_field;
    std::function<bool(const QString&)> m_isChoice;
};

} // namespace

QComboBox* makeChoiceField(QWidget* parent, const QString& objectName, const QStringList& choices,
                           int maxLength, std::function<bool(const QString&)> isChoice) {
    auto* field = new QComboBox(parent);
    field->setObjectName(objectName);
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->addItems(choices);
    field->setMaxVisibleItems(12);
    field->lineEdit()->setMaxLength(maxLength);
    field->setCurrentIndex(-1);
    field->setEditText(QString());
    auto* filter = new ChoiceFilter(field, std::move(isChoice));
    field->installEventFilter(filter);
    field->lineEdit()->installEventFilter(filter);
    return field;
}
