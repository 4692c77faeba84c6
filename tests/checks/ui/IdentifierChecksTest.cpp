#include "checks/ui/IdentifierChecks.h"

#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Opens through `open` and records which screen came up with what in its field.
struct Opened {
    QString screen;
    QString value;
};

template <typename Open> Opened openWith(Open open, const QString& value) {
    TestFolder dir;
    FakeServices fake(dir.folder());
    Opened seen;
    fake.dialogs.handlers.append([&seen](QDialog* dialog) {
        seen.screen = dialog->objectName();
        const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
        if (fields.size() == 1)
            seen.value = fields[0]->text();
        return int(QDialog::Rejected);
    });
    open(fake.services, value, nullptr);
    return seen;
}

} // namespace

TEST(IdentifierChecks, CodiceFiscaleOfDigitsOnlyIsCheckedAsPartitaIva) {
    const struct {
        const char* field;
        const char* screen;
        const char* value;
    } cases[] = {
        {"01234561031", "TfrmPartitaIva", "01234561031"},
        {" 0123 ", "TfrmPartitaIva", "0123"},
        {"0123456103A", "TfrmCodFisc", "0123456103A"},
        {"RSSMRA85T10A562S ", "TfrmCodFisc", "RSSMRA85T10A562S"},
        {"  ", "TfrmCodFisc", ""},
        {"", "TfrmCodFisc", ""},
    };
    for (const auto& c : cases) {
        const Opened seen = openWith(openCodFiscCheck, QString::fromLatin1(c.field));
        EXPECT_EQ(seen.screen, QString::fromLatin1(c.screen)) << c.field;
        EXPECT_EQ(seen.value, QString::fromLatin1(c.value)) << c.field;
    }
}

TEST(IdentifierChecks, EachButtonOpensItsScreenWithTheTrimmedField) {
    using OpenFn = void (*)(Services&, const QString&, QWidget*);
    const struct {
        OpenFn open;
        const char* screen;
    } cases[] = {
        {openPartitaIvaCheck, "TfrmPartitaIva"},
        {openIbanCheck, "TfrmIban"},
        {openCartaCheck, "TfrmCarta"},
    };
    for (const auto& c : cases) {
        const Opened seen = openWith(c.open, QStringLiteral("\t12 34-5 "));
        EXPECT_EQ(seen.screen, QString::fromLatin1(c.screen));
        EXPECT_EQ(seen.value, QStringLiteral("12 34-5"));
    }
}
