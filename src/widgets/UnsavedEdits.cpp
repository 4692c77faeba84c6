#include "widgets/UnsavedEdits.h"

#include "widgets/Services.h"

#include <QAbstractButton>
#include <QLineEdit>

void UnsavedEdits::watch(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textEdited, field, [this] { m_edited = true; });
}

void UnsavedEdits::watch(QAbstractButton* box) {
    QObject::connect(box, &QAbstractButton::clicked, box, [this] { m_edited = true; });
}

UnsavedEdits::Settled UnsavedEdits::settle(MessageBoxes& messages, QWidget* parent,
                                           const QString& question,
                                           const std::function<bool()>& save) {
    if (!m_edited)
        return Settled::Go;
    switch (messages.questionWithCancel(parent, question)) {
    case MessageBoxes::Answer::Yes:
        return save() ? Settled::Saved : Settled::Stay;
    case MessageBoxes::Answer::No:
        return Settled::Go;
    case MessageBoxes::Answer::Cancel:
        break;
    }
    return Settled::Stay;
}
