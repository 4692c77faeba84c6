#include "AnagraficaFixture.h"
#include "buyers/BuyerRules.h"
#include "support/ActiveWindow.h"
#include "support/Unprivileged.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

using Icon = MessageBoxes::Icon;

TEST(TfrmAnagrafica, SaveWarnsNameBeforeSexThenAppendsAndRewrites) {
    AnagraficaFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.field(QStringLiteral("txtNome"))->setText(QStringLiteral("   "));
    f.field(QStringLiteral("txtSesso"))->setFocus();
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.focusName(), QStringLiteral("txtNome"));

    QTest::keyClicks(f.field(QStringLiteral("txtNome")), QStringLiteral("  Mario Rossi"));
    f.field(QStringLiteral("txtSesso"))->setFocus();
    QTest::keyClicks(f.field(QStringLiteral("txtSesso")), QStringLiteral("x"));
    f.field(QStringLiteral("txtNome"))->setFocus();
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.focusName(), QStringLiteral("txtSesso"));
    EXPECT_FALSE(f.dir.exists(kBuyersArchiveFileName));

    f.field(QStringLiteral("txtSesso"))->clear();
    QTest::keyClicks(f.field(QStringLiteral("txtSesso")), QStringLiteral("m"));
    EXPECT_EQ(f.text(QStringLiteral("txtSesso")), QStringLiteral("M"));
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.position(), QStringLiteral("1"));
    f.field(QStringLiteral("txtNote"))->setText(QStringLiteral("cliente"));
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.position(), QStringLiteral("1"));

    EXPECT_EQ(f.messages(), QStringList({
                                QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                               "indicare il nome."),
                                QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                               "indicare il sesso usando la lettera M oppure F."),
                                QStringLiteral("La scheda corrente è stata inserita in archivio."),
                                QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                               "state salvate in archivio."),
                            }));
    const QList<Icon> icons = {Icon::Warning, Icon::Warning, Icon::Information, Icon::Information};
    for (int i = 0; i < icons.size(); ++i)
        EXPECT_EQ(f.fake.messages.shown[i].icon, icons[i]);
    const QByteArray bytes = f.dir.readBytes(kBuyersArchiveFileName);
    ASSERT_EQ(bytes.size(), SchedaAnagrafica::kRecordSize);
    const SchedaAnagrafica stored = SchedaAnagrafica::decode(bytes);
    EXPECT_EQ(stored.nome, QStringLiteral("Mario Rossi"));
    EXPECT_EQ(stored.note, QStringLiteral("cliente"));
}

TEST(TfrmAnagrafica, DuplicaStartsANewCardWithoutAttachments) {
    AnagraficaFixture f;
    QList<SchedaAnagrafica> cards = numberedCards(6);
    cards[3].file = {QStringLiteral("doc.pdf"), QStringLiteral("foto.jpg"), QString()};
    cards[3].desc = {QStringLiteral("Documento"), QStringLiteral("Foto"), QString()};
    cards[3].indirizzo = QStringLiteral("Via Roma");
    writeBuyers(f.dir, cards);
    f.editor.show();

    f.click(QStringLiteral("cmdDuplica"));
    EXPECT_EQ(f.messages(), QStringList(QStringLiteral(
                                "Attenzione: la duplicazione di una scheda può avvenire "
                                "soltanto dopo che questa è stata inserita in archivio.")));
    for (int i = 0; i < 4; ++i)
        f.click(QStringLiteral("cmdAvanti"));
    ASSERT_EQ(f.position(), QStringLiteral("4"));
    EXPECT_EQ(f.attachedTexts(),
              (QStringList{QStringLiteral("doc.pdf"), QStringLiteral("foto.jpg"), QString(),
                           QStringLiteral("Documento"), QStringLiteral("Foto"), QString()}));

    f.fake.messages.shown.clear();
    f.click(QStringLiteral("cmdDuplica"));
    EXPECT_EQ(f.messages(),
              QStringList(QStringLiteral("E' ora possibile apportare le proprie modifiche alla "
                                         "scheda corrente.\n\r\n\rAl termine premere Salva per "
                                         "inserire la scheda in archivio.")));
    EXPECT_EQ(f.position(), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtIndirizzo")), QStringLiteral("Via Roma"));
    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.position(), QStringLiteral("7"));

    const QByteArray bytes = f.dir.readBytes(kBuyersArchiveFileName);
    ASSERT_EQ(bytes.size(), 7 * SchedaAnagrafica::kRecordSize);
    const SchedaAnagrafica copy = SchedaAnagrafica::decode(bytes.mid(6 * 3831));
    EXPECT_EQ(copy.nome, QStringLiteral("Scheda 4"));
    EXPECT_EQ(copy.indirizzo, QStringLiteral("Via Roma"));
    EXPECT_EQ(copy.file, (std::array<QString, 3>{}));
    EXPECT_EQ(copy.desc, (std::array<QString, 3>{}));
    EXPECT_EQ(SchedaAnagrafica::decode(bytes.mid(3 * 3831, 3831)), cards[3]);
}

// Duplica keeps every edit field as it stands, also texts the card could
// not store as they are.
TEST(TfrmAnagrafica, DuplicaLeavesTheEditFieldsExactlyAsTheyWere) {
    AnagraficaFixture f;
    writeBuyers(f.dir, numberedCards(2));
    f.editor.show();
    f.click(QStringLiteral("cmdUltimo"));
    f.field(QStringLiteral("txtNome"))->setText(QStringLiteral("Łukasz Nowak"));
    f.field(QStringLiteral("txtNote"))->setText(QStringLiteral("  cliente abituale  "));
    QStringList before;
    for (QLineEdit* field : f.editor.findChildren<QLineEdit*>())
        before.append(field->text());
    f.click(QStringLiteral("cmdDuplica"));
    QStringList after;
    for (QLineEdit* field : f.editor.findChildren<QLineEdit*>())
        after.append(field->text());
    EXPECT_EQ(after, before);
    EXPECT_EQ(f.position(), QString());
}

TEST(TfrmAnagrafica, AFirmWithAPartitaIvaNeedsNoSex) {
    const struct {
        const char* partitaIva;
        bool saved;
    } cases[] = {{"01234567890", true}, {"", false}};
    for (const auto& c : cases) {
        AnagraficaFixture f;
        f.editor.show();
        f.field(QStringLiteral("txtNome"))->setText(QStringLiteral("Rossi Forniture S.r.l."));
        QTest::keyClicks(f.field(QStringLiteral("txtPartitaIva")),
                         QString::fromLatin1(c.partitaIva));
        f.click(QStringLiteral("cmdSalva"));
        EXPECT_EQ(f.messages(),
                  QStringList(c.saved ? TfrmAnagrafica::kAppended : buyerrules::kSexMissing))
            << c.partitaIva;
        EXPECT_EQ(f.position(), c.saved ? QStringLiteral("1") : QString());
    }
}

TEST(TfrmAnagrafica, ArrowsStopQuietlyAtBothEndsAndStartFromANewCard) {
    AnagraficaFixture f;
    writeBuyers(f.dir, numberedCards(3));
    f.editor.show();
    const struct {
        const char* command;
        const char* position;
    } steps[] = {
        {"cmdIndietro", "1"}, {"cmdIndietro", "1"}, {"cmdUltimo", "3"}, {"cmdAvanti", "3"},
        {"cmdIndietro", "2"}, {"cmdPrimo", "1"},    {"cmdNuovo", ""},   {"cmdAvanti", "1"},
    };
    for (const auto& step : steps) {
        f.click(QString::fromLatin1(step.command));
        EXPECT_EQ(f.position(), QString::fromLatin1(step.position)) << step.command;
    }
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Scheda 1"));
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(TfrmAnagrafica, ArrowsOnAnEmptyOrUnreadableArchive) {
    AnagraficaFixture f;
    writeBuyers(f.dir, numberedCards(4));
    f.editor.show();
    f.click(QStringLiteral("cmdUltimo"));
    // Another desk emptied the archive meanwhile.
    writeBuyers(f.dir, {});
    for (const char* command : {"cmdPrimo", "cmdUltimo", "cmdIndietro"})
        f.click(QString::fromLatin1(command));
    EXPECT_EQ(f.position(), QStringLiteral("4"));
    f.click(QStringLiteral("cmdAvanti"));
    EXPECT_EQ(f.position(), QString());
    EXPECT_EQ(f.messages(),
              QStringList(4, QStringLiteral("L'archivio non contiene nessuna scheda.")));

    writeBuyers(f.dir, numberedCards(2));
    f.fake.messages.shown.clear();
    f.field(QStringLiteral("txtNome"))->setText(QStringLiteral("Da salvare"));
    f.field(QStringLiteral("txtSesso"))->setText(QStringLiteral("F"));
    {
        // A read-only archive (a write-protected stick) is browsed; only
        // saving fails.
        ReadOnlyScope readOnly({f.dir.file(kBuyersArchiveFileName)});
        f.click(QStringLiteral("cmdSalva"));
        EXPECT_EQ(f.messages(), QStringList{TfrmAnagrafica::kAccessFailure});
        EXPECT_EQ(f.fake.messages.shown[0].icon, Icon::Error);
        EXPECT_EQ(f.position(), QString());
        EXPECT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Da salvare"));
        f.click(QStringLiteral("cmdPrimo"));
        EXPECT_EQ(f.messages(), QStringList{TfrmAnagrafica::kAccessFailure});
        EXPECT_EQ(f.position(), QStringLiteral("1"));
    }
    QFile::remove(f.dir.file(kBuyersArchiveFileName));
    f.fake.messages.shown.clear();
    {
        // A missing archive that cannot be created: nothing to read either.
        ReadOnlyScope readOnly({f.dir.path()});
        f.click(QStringLiteral("cmdUltimo"));
    }
    EXPECT_EQ(f.messages(), QStringList{TfrmAnagrafica::kAccessFailure});
    EXPECT_EQ(f.position(), QStringLiteral("1"));
}

TEST(TfrmAnagrafica, CharacterBoxesFillAndMoveOn) {
    AnagraficaFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.field(QStringLiteral("txtCap01"))->setFocus();
    f.typeIntoFocus(QStringLiteral("80121"));
    QString cap;
    for (int i = 1; i <= 5; ++i)
        cap += f.text(QStringLiteral("txtCap0%1").arg(i));
    EXPECT_EQ(cap, QStringLiteral("80121"));
    EXPECT_EQ(f.focusName(), QStringLiteral("txtLocalita"));

    f.field(QStringLiteral("txtProv01"))->setFocus();
    f.typeIntoFocus(QStringLiteral("na"));
    EXPECT_EQ(f.text(QStringLiteral("txtProv01")), QStringLiteral("N"));
    EXPECT_EQ(f.text(QStringLiteral("txtProv02")), QStringLiteral("A"));
    EXPECT_EQ(f.focusName(), QStringLiteral("txtTel"));

    f.field(QStringLiteral("txtProv01"))->setFocus();
    QTest::keyClick(f.field(QStringLiteral("txtProv01")), Qt::Key_Backspace);
    EXPECT_EQ(f.text(QStringLiteral("txtProv01")), QString());
    EXPECT_EQ(f.focusName(), QStringLiteral("txtProv01"));

    // Any other key moves on too, leaving the box as it was; a modifier
    // alone is not a key of its own.
    for (const Qt::Key key :
         {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Escape, Qt::Key_Insert}) {
        QLineEdit* box = f.field(QStringLiteral("txtCap03"));
        box->setFocus();
        QTest::keyClick(box, key);
        EXPECT_EQ(f.focusName(), QStringLiteral("txtCap04")) << key;
        EXPECT_EQ(box->text(), QStringLiteral("1")) << key;
    }
    QLineEdit* prov = f.field(QStringLiteral("txtProv01"));
    prov->setFocus();
    QTest::keyClick(prov, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(f.focusName(), QStringLiteral("txtProv01"));
    QTest::keyClick(prov, Qt::Key_R, Qt::ShiftModifier);
    EXPECT_EQ(prov->text(), QStringLiteral("R"));
    EXPECT_EQ(f.focusName(), QStringLiteral("txtProv02"));
}

TEST(TfrmAnagrafica, TabRunsThroughTheFieldsOnlyAndWrapsRound) {
    AnagraficaFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.field(QStringLiteral("txtNote"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(f.focusName(), QStringLiteral("txtNome"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mario"));
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QStringLiteral("Mario"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(f.focusName(), QStringLiteral("txtNote"));
}

TEST(TfrmAnagrafica, TypingRulesOfTheFields) {
    AnagraficaFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    const struct {
        const char* field;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"txtPartitaIva", "12a3b", "123"},
        {"txtCodFisc", "rssmra80 ", "RSSMRA80"},
        {"txtIban", "it60x", "IT60X"},
        {"txtCarta", "4111 ", "4111"},
        {"txtEmail", "mario@posta.it ", "mario@posta.it"},
        {"txtPec", " pec@posta.it", "pec@posta.it"},
        {"txtTel", "081 555 ", "081 555 "},
        {"txtNome", "mario rossi", "mario rossi"},
    };
    for (const auto& c : cases) {
        QLineEdit* field = f.field(QString::fromLatin1(c.field));
        field->setFocus();
        QTest::keyClicks(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.field;
    }
    // Tab stays in the partita IVA; Home moves as in any field.
    QLineEdit* piva = f.field(QStringLiteral("txtPartitaIva"));
    piva->setFocus();
    QTest::keyClick(piva, Qt::Key_Tab);
    EXPECT_EQ(f.focusName(), QStringLiteral("txtPartitaIva"));
    EXPECT_EQ(piva->cursorPosition(), 3);
    QTest::keyClick(piva, Qt::Key_Home);
    EXPECT_EQ(piva->cursorPosition(), 0);

    const struct {
        const char* name;
        int length;
    } lengths[] = {{"txtNome", 250},      {"txtNum", 10},   {"txtCap03", 1},
                   {"txtLocalita", 120},  {"txtTel", 30},   {"txtCodFisc", 16},
                   {"txtPartitaIva", 11}, {"txtIban", 27},  {"txtCarta", 50},
                   {"txtDataSca", 10},    {"txtNote", 250}, {"txtSesso", 1}};
    for (const auto& l : lengths)
        EXPECT_EQ(f.field(QString::fromLatin1(l.name))->maxLength(), l.length) << l.name;
}

TEST(TfrmAnagrafica, EnterRunsThroughEveryFieldAndWrapsRound) {
    AnagraficaFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    const QStringList chain = {
        "txtNome",      "txtIndirizzo",  "txtNum",        "txtCap01",        "txtCap02",
        "txtCap03",     "txtCap04",      "txtCap05",      "txtLocalita",     "txtProv01",
        "txtProv02",    "txtTel",        "txtEmail",      "txtDataNasc",     "txtSesso",
        "txtLuogoNasc", "txtCodFisc",    "txtPartitaIva", "txtIban",         "txtPec",
        "txtCarta",     "txtScadeCarta", "txtCel",        "txtCittadinanza", "txtOccupazione",
        "txtCivile",    "txtTipoDoc",    "txtEnteRil",    "txtDataRil",      "txtDataSca",
        "txtProdotti",  "txtQuestioni",  "txtNote",       "txtNome"};
    f.field(chain.first())->setFocus();
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(f.focusName(), chain[i]);
    }
}

TEST(TfrmAnagrafica, ShowingClearsAndClosingReturnsToTheMenu) {
    AnagraficaFixture f;
    writeBuyers(f.dir, numberedCards(2));
    f.router.switchTo(MainScreen::Anagrafica, &f.avvio);
    f.click(QStringLiteral("cmdUltimo"));
    f.fake.dialogs.handlers.append([](QDialog* d) {
        namedChild<QLineEdit>(*d, QStringLiteral("txtDesc01"))->setText(QStringLiteral("x"));
        QTest::mouseClick(namedChild<QPushButton>(*d, QStringLiteral("btnApplica")),
                          Qt::LeftButton);
        return d->result();
    });
    f.click(QStringLiteral("cmdFile"));
    ASSERT_EQ(f.attachedTexts().value(3), QStringLiteral("x"));
    // The changed attachment is an edit: leave it unsaved.
    f.fake.messages.threeWayAnswers.append(MessageBoxes::Answer::No);
    f.click(QStringLiteral("cmdEsci"));
    EXPECT_TRUE(f.avvio.isVisible());
    EXPECT_FALSE(f.editor.isVisible());

    f.router.switchTo(MainScreen::Anagrafica, &f.avvio);
    EXPECT_EQ(f.text(QStringLiteral("txtNome")), QString());
    EXPECT_EQ(f.position(), QString());
    EXPECT_EQ(f.attachedTexts(), QStringList(6, QString()));
    EXPECT_EQ(f.editor.windowTitle(), QStringLiteral(" Vellarmo - Archivio Acquirenti"));
}

TEST(TfrmAnagrafica, EmailButtonOpensMailtoEvenWhenEmpty) {
    AnagraficaFixture f;
    f.editor.show();
    f.click(QStringLiteral("btnEmail"));
    f.field(QStringLiteral("txtEmail"))->setText(QStringLiteral(" mario@posta.it "));
    f.click(QStringLiteral("btnEmail"));
    EXPECT_EQ(f.fake.opener.opened,
              QStringList({QStringLiteral("mailto:"), QStringLiteral("mailto:mario@posta.it")}));
}

TEST(TfrmAnagrafica, StatusHints) {
    AnagraficaFixture f;
    f.editor.show();
    auto* panInfo = f.child<QLabel>(QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const struct {
        const char* command;
        const char* hint;
    } hints[] = {
        {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i "
                       "dati correnti."},
        {"cmdQuestioni", "Visualizza il riepilogo delle questioni in sospeso."},
        // The commands that have a key name it.
        {"cmdSalva", "Salva la scheda corrente in archivio. (Ctrl+S)"},
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda. (Ctrl+N)"},
        {"cmdStampa", "Stampa la scheda corrente. (Ctrl+P)"},
        {"cmdTrova", "Trova una scheda in archivio. (Ctrl+F)"},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio. (Pag ↑)"},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio. (Pag ↓)"},
        {"cmdPrimo", "Visualizza la prima scheda in archivio. (Ctrl+Home)"},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio. (Ctrl+Fine)"},
        {"cmdGuida", "Visualizza la pagina della guida in linea sensibile al contesto. (F1)"},
        {"btnPartitaIva", "Controlla il numero di partita IVA."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
    };
    for (const auto& h : hints) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(f.child(QString::fromLatin1(h.command)), &enter);
        EXPECT_EQ(panInfo->text(), QString::fromUtf8(h.hint));
    }
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(f.child(QStringLiteral("bkgSchermata")), &enter);
    EXPECT_EQ(panInfo->text(), QString());
}

} // namespace

namespace {

// Each check icon opens its screen with the field trimmed; a codice fiscale
// of digits only is checked as a partita IVA.
TEST(TfrmAnagrafica, CheckIconsOpenTheirScreensWithTheField) {
    const struct {
        const char* button;
        const char* field;
        const char* value;
        const char* screen;
        const char* screenField;
    } cases[] = {
        {"btnCodFisc", "txtCodFisc", "12345678901", "TfrmPartitaIva", "txtPartitaIva"},
        {"btnCodFisc", "txtCodFisc", "1234567890A", "TfrmCodFisc", "txtCodFisc"},
        {"btnCodFisc", "txtCodFisc", "", "TfrmCodFisc", "txtCodFisc"},
        {"btnPartitaIva", "txtPartitaIva", "00743110157", "TfrmPartitaIva", "txtPartitaIva"},
        {"btnIban", "txtIban", "IT60X0542811101000000123456", "TfrmIban", "txtIban"},
        {"btnCarta", "txtCarta", "4111 1111 1111 1111", "TfrmCarta", "txtNumero"},
    };
    for (const auto& c : cases) {
        AnagraficaFixture f;
        f.editor.show();
        f.field(QString::fromLatin1(c.field))->setText(QString::fromLatin1(c.value));
        QString received;
        f.fake.dialogs.handlers = {[&](QDialog* d) {
            if (auto* field = d->findChild<QLineEdit*>(QString::fromLatin1(c.screenField)))
                received = field->text();
            return int(QDialog::Rejected);
        }};
        f.click(QString::fromLatin1(c.button));
        EXPECT_EQ(f.fake.dialogs.opened, QStringList(QString::fromLatin1(c.screen))) << c.value;
        EXPECT_EQ(received, QString::fromLatin1(c.value)) << c.screen;
    }
    AnagraficaFixture f;
    f.editor.show();
    f.click(QStringLiteral("cmdEsporta"));
    EXPECT_EQ(f.fake.dialogs.opened, QStringList(QStringLiteral("TfrmExpAnagrafica")));
}

} // namespace
