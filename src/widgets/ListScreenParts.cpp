#include "widgets/ListScreenParts.h"

#include "widgets/CommandButtons.h"
#include "widgets/Pictures.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace listscreen {

const QString kFindInstruction = QStringLiteral(
    "Digitare una o più parole consecutive presenti nella voce da trovare e premere Trova; "
    "premere di nuovo Trova per passare alla voce successiva che contiene la stessa chiave.");
const QString kDoubleClickHint =
    QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");

namespace {
constexpr int kPictureWidth = 940;
} // namespace

QLabel* heading(QWidget* parent, const QString& text, const QString& objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(pictures::title(text, QSize(kPictureWidth, 48), 22));
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(text);
    return label;
}

QLabel* instruction(QWidget* parent, const QString& text, const QString& objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(pictures::strip(text, QSize(kPictureWidth, 44), pictures::kTeal, 10));
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(text);
    return label;
}

QLabel* doubleClickHint(QWidget* parent) {
    auto* label = new QLabel(kDoubleClickHint, parent);
    label->setObjectName(QStringLiteral("lblRigo03"));
    label->setStyleSheet(QStringLiteral("color: crimson; font-weight: bold;"));
    return label;
}

QLabel* hiddenLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->hide();
    return label;
}

QHBoxLayout* findRow(const ResultList::FindControls& find) {
    auto* row = new QHBoxLayout;
    find.txtTrova->setMinimumWidth(420);
    row->addWidget(find.txtTrova);
    row->addWidget(find.btnTrova);
    row->addStretch();
    return row;
}

void ResultsPart::build(QDialog* dialog, QWidget* parent, QVBoxLayout* layout, Services& services,
                        const Texts& texts, PrintAction print) {
    layout->addWidget(heading(parent, texts.heading, texts.headingName));
    layout->addWidget(instruction(parent, kFindInstruction, QStringLiteral("imgTrova")));

    m_list = new ResultList(parent);
    const ResultList::FindControls find = m_list->makeFindControls(parent, services, m_findMemory);
    m_txtTrova = find.txtTrova;
    layout->addLayout(findRow(find));
    layout->addWidget(m_list, 1);
    layout->addWidget(doubleClickHint(parent));

    auto* btnStampa =
        commandbutton::plain(parent, QStringLiteral("btnStampa"), QStringLiteral("Stampa"));
    auto* btnChiudi =
        commandbutton::plain(parent, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"));
    m_printTitle = texts.printTitle;
    QObject::connect(btnStampa, &QPushButton::clicked, m_list, [this, print = std::move(print)] {
        print(m_printTitle, m_list->rows().lines());
    });
    QObject::connect(btnChiudi, &QPushButton::clicked, dialog, &QDialog::reject);
    m_commands = new QHBoxLayout;
    m_commands->addStretch();
    m_commands->addWidget(btnStampa);
    m_commands->addWidget(btnChiudi);
    layout->addLayout(m_commands);
}

void ResultsPart::resetFind() {
    m_findMemory.forget();
    m_txtTrova->clear();
}

} // namespace listscreen
