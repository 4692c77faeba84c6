#include "widgets/ItalianToolkit.h"

#include "widgets/QtServices.h"

#include <QAbstractButton>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <gtest/gtest.h>
#include <optional>

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

// The file dialogs write dates and sizes in the system's formats: the
// program's environment makes them Italian, also under an LC_ALL that would
// override them, whose value the other categories keep.
TEST(ItalianToolkit, SystemFormatsAreItalianWhateverTheSystemSays) {
    const char* names[] = {"LC_ALL",         "LC_CTYPE",    "LC_COLLATE",
                           "LC_MESSAGES",    "LC_MONETARY", "LC_NUMERIC",
                           "LC_MEASUREMENT", "LC_PAPER",    "LC_TIME"};
    // The test's own environment comes back whatever happens below.
    struct Saved {
        const char* name;
        std::optional<QByteArray> value;
    };
    QList<Saved> saved;
    for (const char* name : names)
        saved.append({name, qEnvironmentVariableIsSet(name)
                                ? std::optional<QByteArray>(qgetenv(name))
                                : std::nullopt});
    const auto restore = qScopeGuard([&saved] {
        for (const Saved& s : saved) {
            if (s.value)
                qputenv(s.name, *s.value);
            else
                qunsetenv(s.name);
        }
    });
    for (const char* name : names)
        qunsetenv(name);
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LC_CTYPE", "C.UTF-8");

    useItalianFormats();
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_ALL"));
    EXPECT_EQ(qgetenv("LC_CTYPE"), QByteArray("C.UTF-8"));
    EXPECT_EQ(qgetenv("LC_MESSAGES"), QByteArray("en_US.UTF-8"));
    EXPECT_EQ(qgetenv("LC_NUMERIC"), QByteArray("it_IT.UTF-8"));
    EXPECT_EQ(qgetenv("LC_TIME"), QByteArray("it_IT.UTF-8"));
    // What the toolkit makes of them: Italian dates and decimal commas.
    const QLocale time(QString::fromLatin1(qgetenv("LC_TIME")));
    EXPECT_EQ(time.toString(QDate(2024, 3, 5), QLocale::ShortFormat), QStringLiteral("05/03/24"));
    EXPECT_EQ(QLocale(QString::fromLatin1(qgetenv("LC_NUMERIC"))).formattedDataSize(1536),
              QStringLiteral("1,50 KiB"));
}

} // namespace
