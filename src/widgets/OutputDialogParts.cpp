#include "widgets/OutputDialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

OutputCommands addOutputCommands(QDialog* dialog, QVBoxLayout* layout, const QString& runText) {
    OutputCommands commands{new QHBoxLayout, new QPushButton(runText, dialog),
                            new QPushButton(QStringLiteral("Annulla"), dialog)};
    commands.btnStampa->setObjectName(QStringLiteral("btnStampa"));
    commands.btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    commands.row->addStretch();
    commands.row->addWidget(commands.btnStampa);
    commands.row->addWidget(commands.btnAnnulla);
    layout->addLayout(commands.row);
    dialog->setMinimumWidth(420);
    QObject::connect(commands.btnAnnulla, &QPushButton::clicked, dialog, &QDialog::reject);
    return commands;
}
