#include "checks/ui/CheckDialog.h"

#include "common/TextRules.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/KeyFilters.h"
#include "widgets/Pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValidator>

namespace {

QFont fieldFont() {
    QFont font(QStringLiteral("Courier New"), 20);
    font.setBold(true);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QPushButton* makeButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumWidth(110);
    return button;
}

// Trims and upper-cases what the user types, as it is typed or pasted; the
// cursor stays where the user was typing, less the blanks taken off in front.
// Text put into the field by the program is not touched.
class TidyTyping final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        qsizetype leading = 0;
        while (leading < position && leading < input.size() && input[leading].unicode() <= 32)
            ++leading;
        input = text::asciiUpper(text::trimmed(input));
        position = static_cast<int>(qMin(position - leading, input.size()));
        return Acceptable;
    }
};

} // namespace

CheckDialog::CheckDialog(Services& services, const Setup& setup, const QString& value,
                         QWidget* owner)
    : DialogBase(owner), m_services(services), m_maxLength(setup.maxLength) {
    setObjectName(setup.objectName);
    setWindowTitle(setup.caption);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(pictures::productLogo(48));
    auto* title = new QLabel(setup.title, this);
    title->setObjectName(QStringLiteral("lblTitolo"));
    title->setWordWrap(true);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* heading = new QHBoxLayout;
    heading->addWidget(logo);
    heading->addWidget(title, 1);

    m_field = new QLineEdit(this);
    m_field->setObjectName(setup.fieldName);
    m_field->setFont(fieldFont());
    m_field->setMaxLength(qMax(m_maxLength, static_cast<int>(value.size())));
    m_field->setText(value);
    m_field->setMinimumWidth(m_field->fontMetrics().horizontalAdvance(QString(m_maxLength, u'W')) +
                             24);
    if (setup.digitsOnly)
        installKeyFilter(m_field, KeyFilterKind::Digits);
    if (setup.tidiesTyping)
        m_field->setValidator(new TidyTyping(m_field));
    // The limit follows a longer text down as the user shortens it. Setting
    // the limit puts the cursor at the end, so it is set only when it changes.
    connect(m_field, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const int limit = qMax(m_maxLength, static_cast<int>(typed.size()));
        if (limit != m_field->maxLength())
            m_field->setMaxLength(limit);
    });
    QString rectangleName = setup.fieldName;
    rectangleName.replace(0, 3, QStringLiteral("eff"));
    createFocusRectangle(m_field, rectangleName);

    auto* btnControlla =
        makeButton(QStringLiteral("Controlla"), QStringLiteral("btnControlla"), this);
    auto* btnChiudi = makeButton(QStringLiteral("Chiudi"), QStringLiteral("btnChiudi"), this);
    connect(btnControlla, &QPushButton::clicked, this, &CheckDialog::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    setEnterNext(m_field, btnControlla);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnControlla);
    buttons->addWidget(btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(heading);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
}

void CheckDialog::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (!event->spontaneous())
        m_field->setFocus(Qt::OtherFocusReason);
}

void CheckDialog::btnControllaClick() {
    const Verdict v = verdict(m_field->text());
    m_services.messages.notice(this, v.icon, v.text);
    if (v.staysOpen) {
        m_field->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}
