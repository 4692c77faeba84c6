#include "widgets/ItalianToolkit.h"

#include "widgets/QtServices.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

QStringList buttonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons())
        texts.append(button->text().remove(QLatin1Char('&')));
    texts.sort();
    return texts;
}

// The toolkit's own words (message-box buttons, the edit fields' context
// menu) are Italian once the translation is loaded; the program's texts are
// shown as they are.
TEST(ItalianToolkit, MessageBoxButtonsAndContextMenusSpeakItalian) {
    ASSERT_TRUE(speakItalian()) << "qtbase_it.qm is missing (package qt6-translations-l10n)";

    const auto notice =
        QtMessageBoxes::makeNotice(nullptr, MessageBoxes::Icon::Warning, QStringLiteral("Avviso"));
    EXPECT_EQ(buttonTexts(*notice), (QStringList{QStringLiteral("Annulla"), QStringLiteral("OK")}));
    EXPECT_EQ(notice->text(), QStringLiteral("Avviso"));
    EXPECT_EQ(notice->windowTitle(), QStringLiteral(" Vellarmo"));

    const auto question = QtMessageBoxes::makeQuestion(nullptr, QStringLiteral("Procedere?"));
    EXPECT_EQ(buttonTexts(*question), (QStringList{QStringLiteral("No"), QStringLiteral("Sì")}));

    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList entries;
    for (QAction* action : menu->actions())
        entries.append(action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
    EXPECT_TRUE(entries.contains(QStringLiteral("Incolla"))) << entries.join(u'|').toStdString();
    EXPECT_FALSE(entries.contains(QStringLiteral("Paste")));
}

} // namespace
