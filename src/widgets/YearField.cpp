#include "widgets/YearField.h"

#include "widgets/EnterChain.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"

#include <QLineEdit>
#include <QPushButton>

namespace yearfield {

QLineEdit* make(QWidget* parent, const QString& objectName, const Look& look) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setFont(formfont::bold(look.points));
    field->setMaxLength(4);
    if (look.centred)
        field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(look.width);
    installKeyFilter(field, KeyFilterKind::Digits);
    return field;
}

void wireOpen(QLineEdit* year, QPushButton* apri, std::function<void()> open) {
    QObject::connect(apri, &QPushButton::clicked, apri, open);
    setEnterNext(year, apri);
    setEnterAction(apri, std::move(open));
}

} // namespace yearfield
