#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"

#include <gtest/gtest.h>

// The first access with the delivered password, a new password chosen, and
// only the new one letting the reseller in.
TEST(Journeys, FirstAccessPasswordChangedAndTheNewOneLetsIn) {
    Journey j;
    j.click(QStringLiteral("btnCambiaPassword"));
    ASSERT_EQ(j.screen()->objectName(), QStringLiteral("frmCambiaPassword"));
    j.type(QStringLiteral("txtPasswordOld"), QStringLiteral("aperturacassaz"));
    j.type(QStringLiteral("txtPasswordNew"), QStringLiteral("Bolli2024"));
    j.type(QStringLiteral("txtConferma"), QStringLiteral("Bolli2024"));
    j.click(QStringLiteral("cmdOK"));
    EXPECT_EQ(j.takeMessages(),
              QStringList{QStringLiteral("Modifica della password completata con successo.")});
    ASSERT_EQ(j.screen()->objectName(), QStringLiteral("frmPassword"));

    j.type(QStringLiteral("txtPassword"), QStringLiteral("aperturacassaz"));
    j.press(Qt::Key_Enter);
    EXPECT_EQ(j.takeMessages(), QStringList{QStringLiteral("Attenzione: password errata.")});
    steps::logIn(j, QStringLiteral("bolli2024"));
    // The password belongs to the data: it is kept in the data folder.
    EXPECT_TRUE(j.dataFolder().exists(QStringLiteral("unins000.dll")));
}
