#include "widgets/InstructionLines.h"

#include <QLabel>
#include <QVBoxLayout>

void addInstructionLines(QWidget* dialog, QVBoxLayout* layout, const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(lines.at(i), dialog);
        label->setObjectName(QStringLiteral("lblIstruzioni%1").arg(i + 1));
        label->setWordWrap(true);
        if (i == 0) {
            QFont title = label->font();
            title.setBold(true);
            title.setPointSizeF(title.pointSizeF() * 1.4);
            label->setFont(title);
        }
        layout->addWidget(label);
    }
}
