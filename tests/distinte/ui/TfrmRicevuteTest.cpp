#include "EditorFixture.h"
#include "common/Dates.h"
#include "distinte/Impostazioni.h"
#include "support/ActiveWindow.h"
#include "support/StoredLayouts.h"
#include "support/Unprivileged.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

using Icon = MessageBoxes::Icon;

QString numbered(const char* stem, int index) {
    return QString::fromLatin1(stem) + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

} // namespace

TEST(TfrmRicevute, SavingTwiceAppendsOnceThenRewrites) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.fillRequired();
    // Still being typed when Save is pressed: its leave rule runs first.
    f.field(QStringLiteral("txtUnitario01"))->setText(QStringLiteral("2,5"));
    f.field(QStringLiteral("txtUnitario01"))->setFocus();

    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    f.child<QCheckBox>(QStringLiteral("chkSaldato"))->setChecked(true);
    f.click(QStringLiteral("cmdSalva"));

    EXPECT_EQ(f.messages(), QStringList({TfrmRicevute::kAppended, TfrmRicevute::kRewritten}));
    EXPECT_EQ(f.fake.messages.shown[1].icon, Icon::Information);
    const QByteArray bytes = f.dir.readBytes(QStringLiteral("2024.ric"));
    ASSERT_EQ(bytes.size(), Ricevuta::kRecordSize);
    const Ricevuta saved = Ricevuta::decode(bytes);
    EXPECT_EQ(saved.saldato, kSaldatoSi);
    EXPECT_EQ(saved.unitario[0], QStringLiteral("2,50"));
    EXPECT_EQ(saved.quant[0], QStringLiteral("1"));
    EXPECT_EQ(saved.importo[0], QStringLiteral("2,50"));
    EXPECT_EQ(saved.importo[9], QStringLiteral("0,00"));
    EXPECT_EQ(saved.totale, QStringLiteral("2,50"));
}

// Each required field in turn: the warning, the focus on that field, and
// nothing stored. The amounts are computed before the checks run.
TEST(TfrmRicevute, RequiredFieldsAreCheckedInOrderWithTheFocusOnEach) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    f.field(QStringLiteral("txtQuant02"))->setText(QStringLiteral("3"));
    f.field(QStringLiteral("txtUnitario02"))->setText(QStringLiteral("0,10"));

    const struct {
        const char* fill;
        const char* value;
        const char* focus;
    } steps[] = {
        {nullptr, nullptr, "txtAcqRigo01"},
        {"txtAcqRigo01", "Mario Bianchi", "txtNumRic"},
        {"txtNumRic", "12", "txtData"},
        {"txtData", "30/02/2024", "txtData"},
        {"txtData", "29/02/2024", "txtDescrizione01"},
        {"txtDescrizione01", "Marca da bollo", "txtUnitario01"},
    };
    for (const auto& step : steps) {
        if (step.fill != nullptr)
            f.field(QString::fromLatin1(step.fill))->setText(QString::fromUtf8(step.value));
        f.fake.messages.shown.clear();
        f.click(QStringLiteral("cmdSalva"));
        ASSERT_EQ(f.fake.messages.shown.size(), 1) << step.focus;
        EXPECT_EQ(f.fake.messages.shown[0].icon, Icon::Warning);
        EXPECT_EQ(focusName(), QString::fromLatin1(step.focus));
    }
    EXPECT_EQ(f.messages().constFirst(),
              QStringLiteral("Attenzione: per salvare la scheda è necessario compilare il valore "
                             "unitario dei valori bollati acquistati (1° rigo)."));
    EXPECT_EQ(f.text(QStringLiteral("txtImporto02")), QStringLiteral("0,30"));
    EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("0,30"));
    EXPECT_FALSE(f.dir.exists(QStringLiteral("2024.ric")));
}

TEST(TfrmRicevute, NewProposesStartPlusStoredCountAndToday) {
    EditorFixture f;
    ASSERT_TRUE(Impostazioni(f.dir.folder()).setNumberingStart(QStringLiteral("50")));
    QList<Ricevuta> twelve;
    for (int n = 1; n <= 12; ++n)
        twelve.append(storedDistinta(QString::number(n)));
    f.store(twelve);
    ASSERT_TRUE(showActive(&f.editor));
    f.click(QStringLiteral("cmdUltimo"));

    f.click(QStringLiteral("cmdNuovo"));
    EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QStringLiteral("62"));
    EXPECT_EQ(f.text(QStringLiteral("txtData")), dates::todayText());
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtAcqRigo01")), QString());
    EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("---"));
    EXPECT_EQ(focusName(), QStringLiteral("txtAcqRigo01"));
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(TfrmRicevute, NewOnAMissingArchiveCreatesItAndProposesOne) {
    EditorFixture f;
    f.editor.show();
    f.click(QStringLiteral("cmdNuovo"));
    EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QStringLiteral("1"));
    EXPECT_TRUE(f.dir.exists(QStringLiteral("2024.ric")));
}

TEST(TfrmRicevute, NewWithAStartThatIsNotANumberShowsTheAccessError) {
    EditorFixture f;
    ASSERT_TRUE(Impostazioni(f.dir.folder()).setNumberingStart(QStringLiteral("dieci")));
    f.editor.show();
    f.field(QStringLiteral("txtAcqRigo01"))->setText(QStringLiteral("Mario"));
    f.click(QStringLiteral("cmdNuovo"));
    ASSERT_EQ(f.fake.messages.shown.size(), 1);
    EXPECT_EQ(f.fake.messages.shown[0].icon, Icon::Error);
    EXPECT_EQ(f.messages().constFirst(), TfrmRicevute::kAccessFailure);
    EXPECT_EQ(f.text(QStringLiteral("txtAcqRigo01")), QString()); // cleared before the failure
    EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QString());
}

TEST(TfrmRicevute, NavigationStopsQuietlyAtBothEnds) {
    EditorFixture f;
    f.store({storedDistinta(QStringLiteral("1")), storedDistinta(QStringLiteral("2")),
             storedDistinta(QStringLiteral("3"))});
    f.editor.show();
    const auto position = [&f] { return f.label(QStringLiteral("lblPosizione"))->text(); };

    const struct {
        const char* command;
        const char* position;
    } steps[] = {
        {"cmdAvanti", "1"}, {"cmdIndietro", "1"}, {"cmdAvanti", "2"}, {"cmdUltimo", "3"},
        {"cmdAvanti", "3"}, {"cmdIndietro", "2"}, {"cmdPrimo", "1"},  {"cmdIndietro", "1"},
    };
    for (const auto& step : steps) {
        f.click(QString::fromLatin1(step.command));
        EXPECT_EQ(position(), QString::fromLatin1(step.position)) << step.command;
        EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QString::fromLatin1(step.position));
    }
    // From an empty screen Previous, like Next, shows the first distinta.
    f.click(QStringLiteral("cmdNuovo"));
    f.click(QStringLiteral("cmdIndietro"));
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(f.text(QStringLiteral("txtAcqRigo01")), QStringLiteral("Acquirente 1"));
    EXPECT_EQ(f.text(QStringLiteral("txtNomeRiv")), QStringLiteral("Titolare 1"));
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(TfrmRicevute, NavigationInAnEmptyArchiveSaysSo) {
    EditorFixture f;
    f.editor.show();
    f.editor.showDistinta(storedDistinta(QStringLiteral("4")), 4);
    for (const char* command : {"cmdPrimo", "cmdUltimo", "cmdIndietro"})
        f.click(QString::fromLatin1(command));
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("4"));
    f.click(QStringLiteral("cmdAvanti"));
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QString());
    EXPECT_EQ(f.messages(), QStringList(4, TfrmRicevute::kEmptyArchive));
    for (const auto& shown : f.fake.messages.shown)
        EXPECT_EQ(shown.icon, Icon::Information);
}

TEST(TfrmRicevute, UnknownPaidFlagLeavesTheBoxAsItWas) {
    EditorFixture f;
    f.store({storedDistinta(QStringLiteral("1"), kSaldatoSi),
             storedDistinta(QStringLiteral("2"), QStringLiteral("X")),
             storedDistinta(QStringLiteral("3"), kSaldatoNo),
             storedDistinta(QStringLiteral("4"), QString())});
    f.editor.show();
    auto* paid = f.child<QCheckBox>(QStringLiteral("chkSaldato"));
    const bool expected[] = {true, true, false, false};
    for (bool state : expected) {
        f.click(QStringLiteral("cmdAvanti"));
        EXPECT_EQ(paid->isChecked(), state) << f.text(QStringLiteral("txtNumRic")).toStdString();
    }
}

TEST(TfrmRicevute, EnterFollowsTheFormDownToTheTotalButton) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    QStringList expected;
    for (int i = 1; i <= 5; ++i)
        expected << numbered("txtRivRigo", i);
    for (int i = 1; i <= 5; ++i)
        expected << numbered("txtAcqRigo", i);
    expected << QStringLiteral("txtNumRic") << QStringLiteral("txtData")
             << QStringLiteral("txtNomeRiv") << QStringLiteral("txtPagamento");
    for (int i = 1; i <= 10; ++i)
        expected << numbered("txtQuant", i) << numbered("txtDescrizione", i)
                 << numbered("txtUnitario", i) << numbered("txtImporto", i);
    expected << QStringLiteral("btnTotale");

    f.field(QStringLiteral("txtRivRigo01"))->setFocus();
    QStringList visited{focusName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited << focusName();
    }
    EXPECT_EQ(visited, expected);
    EXPECT_TRUE(f.fake.dialogs.opened.isEmpty()); // Enter in the date opens no calendar

    // Enter on the total button computes the total.
    f.field(QStringLiteral("txtUnitario10"))->setText(QStringLiteral("4,00"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(f.label(QStringLiteral("txtTotale"))->text(), QStringLiteral("4,00"));
}

TEST(TfrmRicevute, TypingInAQuantityOrUnitValueEmptiesTheLineAmountAndTotal) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    auto* amount = f.field(QStringLiteral("txtImporto03"));
    auto* total = f.label(QStringLiteral("txtTotale"));
    const struct {
        const char* field;
        Qt::Key key;
        const char* after;
        const char* focus;
    } cases[] = {
        {"txtQuant03", Qt::Key_2, "2", "txtQuant03"},
        {"txtQuant03", Qt::Key_Tab, "", "txtQuant03"},
        {"txtQuant03", Qt::Key_A, "", "txtQuant03"},
        {"txtQuant03", Qt::Key_Return, "", "txtDescrizione03"},
        {"txtUnitario03", Qt::Key_Comma, ",", "txtUnitario03"},
        {"txtUnitario03", Qt::Key_Tab, "", "txtUnitario03"},
    };
    for (const auto& c : cases) {
        auto* field = f.field(QString::fromLatin1(c.field));
        field->clear();
        field->setFocus();
        amount->setText(QStringLiteral("6,00"));
        total->setText(QStringLiteral("6,00"));
        QTest::keyClick(field, c.key);
        SCOPED_TRACE(std::string(c.field) + " key " + std::to_string(c.key));
        EXPECT_EQ(field->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(amount->text(), QString());
        EXPECT_EQ(total->text(), QString());
        EXPECT_EQ(focusName(), QString::fromLatin1(c.focus));
    }
}

TEST(TfrmRicevute, LeavingAUnitValueNormalisesIt) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    auto* unit = f.field(QStringLiteral("txtUnitario01"));
    unit->setFocus();
    QTest::keyClicks(unit, QStringLiteral("2,999"));
    // A context menu or another window taking the focus for a while is not
    // leaving the field: the text being typed stays as it is.
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(unit, &away);
        EXPECT_EQ(unit->text(), QStringLiteral("2,999"));
    }
    QTest::keyClick(unit, Qt::Key_Return);
    EXPECT_EQ(unit->text(), QStringLiteral("3,00"));
}

TEST(TfrmRicevute, DateFieldOpensTheCalendarOnAnyKeyButDeleteAndBackspace) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    auto* date = f.field(QStringLiteral("txtData"));
    date->setText(QStringLiteral("01/01/2024"));
    date->setFocus();

    QTest::keyClick(date, Qt::Key_X);
    EXPECT_EQ(f.fake.dialogs.opened, QStringList{QStringLiteral("TfrmCalendario")});
    EXPECT_EQ(date->text(), QStringLiteral("01/01/2024"));

    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(f.fake.dialogs.opened.size(), 2);
    EXPECT_EQ(focusName(), QStringLiteral("txtData"));

    QTest::keyClick(date, Qt::Key_Backspace);
    EXPECT_EQ(date->text(), QString());
    date->setText(QStringLiteral("01/01/2024"));
    QTest::keyClick(date, Qt::Key_Delete);
    EXPECT_EQ(date->text(), QString());
    EXPECT_EQ(f.fake.dialogs.opened.size(), 2);
}

TEST(TfrmRicevute, ResellerDataIsReadOnShowAndWrittenOnClose) {
    EditorFixture f;
    DatiRivenditore dati;
    dati.righe = {QStringLiteral("Tabaccheria n. 7"), QStringLiteral("Via Po 3"), QString(),
                  QString(), QStringLiteral("Torino")};
    dati.nome = QStringLiteral("Anna Rossi");
    ASSERT_TRUE(Impostazioni(f.dir.folder()).setRivenditore(dati));
    f.store({storedDistinta(QStringLiteral("1"))});

    f.router.switchTo(MainScreen::Ricevute, &f.avvio);
    EXPECT_EQ(f.text(QStringLiteral("txtRivRigo01")), QStringLiteral("Tabaccheria n. 7"));
    EXPECT_EQ(f.text(QStringLiteral("txtRivRigo05")), QStringLiteral("Torino"));
    EXPECT_EQ(f.text(QStringLiteral("txtNomeRiv")), QStringLiteral("Anna Rossi"));

    // An old distinta on screen hands its reseller data to the settings.
    f.click(QStringLiteral("cmdPrimo"));
    f.field(QStringLiteral("txtRivRigo02"))->setText(QStringLiteral("  Via Dora 9  "));
    f.click(QStringLiteral("cmdEsci"));

    const DatiRivenditore written = Impostazioni(f.dir.folder()).rivenditore();
    EXPECT_EQ(written.righe[0], QStringLiteral("Rivendita 1"));
    EXPECT_EQ(written.righe[1], QStringLiteral("Via Dora 9"));
    EXPECT_EQ(written.righe[4], QString());
    EXPECT_EQ(written.nome, QStringLiteral("Titolare 1"));
    EXPECT_TRUE(f.avvio.isVisible());
    EXPECT_FALSE(f.editor.isVisible());
    EXPECT_TRUE(f.messages().isEmpty());
}

TEST(TfrmRicevute, ClosingInAReadOnlyFolderWarnsThatTheResellerDataWasNotSaved) {
    EditorFixture f;
    ASSERT_TRUE(Impostazioni(f.dir.folder()).setNumberingStart(QStringLiteral("5")));
    const QByteArray before = f.dir.readBytes(QStringLiteral("Impostazioni.ini"));
    f.router.switchTo(MainScreen::Ricevute, &f.avvio);
    f.field(QStringLiteral("txtNomeRiv"))->setText(QStringLiteral("Anna Rossi"));
    {
        ReadOnlyScope readOnly({f.dir.path(), f.dir.file(QStringLiteral("Impostazioni.ini"))});
        f.editor.close();
    }
    ASSERT_EQ(f.fake.messages.shown.size(), 1);
    EXPECT_EQ(f.fake.messages.shown[0].icon, Icon::Warning);
    EXPECT_EQ(f.messages().constFirst(),
              QStringLiteral("Attenzione: non è stato possibile salvare i dati del rivenditore."
                             "\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella "
                             "cartella di installazione del programma."));
    EXPECT_TRUE(f.avvio.isVisible());
    EXPECT_FALSE(f.editor.isVisible());
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("Impostazioni.ini")), before);
}

// Every control lands at its offset in the stored record, as length byte
// and Windows-1252 text.
TEST(TfrmRicevute, SavedRecordHasEveryControlAtItsOffset) {
    EditorFixture f;
    f.editor.show();
    struct Expected {
        QString control;
        int offset;
        QString text;
    };
    using storedlayout::distintaOffset;
    const auto offsetOf = [](const QString& field) { return distintaOffset(field.toLatin1()); };
    QList<Expected> table = {
        {QStringLiteral("txtNumRic"), distintaOffset("NumRic"), QStringLiteral("123")},
        {QStringLiteral("txtData"), distintaOffset("Data"), QStringLiteral("05/03/2024")},
        {QStringLiteral("txtNomeRiv"), distintaOffset("NomeRiv"), QStringLiteral("Nome Rivendita")},
        {QStringLiteral("txtPagamento"), distintaOffset("Pagamento"), QStringLiteral("Contanti")},
    };
    for (int i = 1; i <= 5; ++i) {
        table.append({numbered("txtRivRigo", i), offsetOf(numbered("RivRigo", i)),
                      QStringLiteral("Riv %1").arg(i)});
        table.append({numbered("txtAcqRigo", i), offsetOf(numbered("AcqRigo", i)),
                      QStringLiteral("Città %1").arg(i)});
    }
    for (int i = 1; i <= 10; ++i) {
        table.append({numbered("txtQuant", i), offsetOf(numbered("Quant", i)), QString::number(i)});
        table.append({numbered("txtDescrizione", i), offsetOf(numbered("Descrizione", i)),
                      QStringLiteral("Valore %1").arg(i)});
        table.append({numbered("txtUnitario", i), offsetOf(numbered("Unitario", i)),
                      QStringLiteral("%1,00").arg(i)});
    }
    for (const Expected& e : table)
        f.field(e.control)->setText(e.text);
    f.click(QStringLiteral("cmdSalva"));

    int total = 0;
    for (int i = 1; i <= 10; ++i) {
        table.append({numbered("txtImporto", i), offsetOf(numbered("Importo", i)),
                      QStringLiteral("%1,00").arg(i * i)});
        total += i * i;
    }
    const QByteArray bytes = f.dir.readBytes(QStringLiteral("2024.ric"));
    ASSERT_EQ(bytes.size(), 3053);
    for (const Expected& e : table) {
        const QByteArray text = e.text.toLatin1(); // Windows-1252 agrees for these letters
        EXPECT_EQ(int(quint8(bytes[e.offset])), text.size()) << e.control.toStdString();
        EXPECT_EQ(bytes.mid(e.offset + 1, text.size()), text) << e.control.toStdString();
    }
    EXPECT_EQ(bytes.mid(distintaOffset("Totale"), 7),
              QByteArray("\x06") + QByteArray::number(total) + ",00");
    EXPECT_EQ(bytes.mid(distintaOffset("Saldato"), 3), QByteArray("\x02No"));
}

TEST(TfrmRicevute, ArchiveThatCannotBeReachedGivesTheAccessMessage) {
    EditorFixture f;
    f.editor.show();
    f.fillRequired();
    {
        // A year whose archive is missing in a folder that cannot be written:
        // nothing can be read or created.
        ReadOnlyScope readOnly({f.dir.path()});
        f.click(QStringLiteral("cmdSalva"));
        f.click(QStringLiteral("cmdPrimo"));
        f.click(QStringLiteral("cmdAvanti"));
    }
    EXPECT_EQ(f.messages(), QStringList(3, TfrmRicevute::kAccessFailure));
    EXPECT_EQ(TfrmRicevute::kAccessFailure,
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                             "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                             "installazione del programma."));
    const auto& shown = f.fake.messages.shown;
    EXPECT_EQ(shown[0].icon, Icon::Warning); // Save
    EXPECT_EQ(shown[1].icon, Icon::Warning); // First
    EXPECT_EQ(shown[2].icon, Icon::Error);   // Next
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QString());
    EXPECT_EQ(f.text(QStringLiteral("txtAcqRigo01")), QStringLiteral("Mario Bianchi"));
    EXPECT_FALSE(f.dir.exists(QStringLiteral("2024.ric")));
}

// A write-protected stick or a backup copy: the user pages through the year,
// and only saving fails, with the archive message and the file unchanged.
TEST(TfrmRicevute, ReadOnlyArchiveIsBrowsedAndOnlySavingFails) {
    EditorFixture f;
    f.store({storedDistinta(QStringLiteral("1")), storedDistinta(QStringLiteral("2"))});
    const QByteArray before = f.dir.readBytes(QStringLiteral("2024.ric"));
    f.editor.show();
    ReadOnlyScope readOnly({f.archive()});
    f.click(QStringLiteral("cmdPrimo"));
    f.click(QStringLiteral("cmdAvanti"));
    EXPECT_EQ(f.messages(), QStringList());
    EXPECT_EQ(f.text(QStringLiteral("txtNumRic")), QStringLiteral("2"));
    EXPECT_EQ(f.label(QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));

    f.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(f.messages(), QStringList{TfrmRicevute::kAccessFailure});
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("2024.ric")), before);
}

// The background each kind of field shows, left and focused.
TEST(TfrmRicevute, FieldColoursFollowTheFormKindOfEachField) {
    EditorFixture f;
    ASSERT_TRUE(showActive(&f.editor));
    const auto background = [&f](const char* name) {
        return f.field(QString::fromLatin1(name))->styleSheet();
    };
    const struct {
        const char* field;
        const char* normal;
        const char* focused;
    } cases[] = {
        {"txtNumRic", "#ffffff", "#ffff00"},    {"txtData", "#ffffff", "#ffff00"},
        {"txtNomeRiv", "#ffffff", "#ffff00"},   {"txtPagamento", "#ffffff", "#ffff00"},
        {"txtRivRigo01", "#f0f8ff", "#ffff00"}, {"txtQuant05", "#f0f8ff", "#ffff00"},
        {"txtImporto03", "#f5f5dc", "#f5f5dc"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(background(c.field).contains(QLatin1String(c.normal))) << c.field;
        f.field(QString::fromLatin1(c.field))->setFocus();
        EXPECT_TRUE(background(c.field).contains(QLatin1String(c.focused))) << c.field;
        f.field(QStringLiteral("txtDescrizione10"))->setFocus();
        EXPECT_TRUE(background(c.field).contains(QLatin1String(c.normal))) << c.field;
    }
    // Computed amounts and the total are written in maroon.
    EXPECT_EQ(f.field(QStringLiteral("txtImporto03"))->palette().color(QPalette::Text),
              QColor(0x800000));
    EXPECT_TRUE(
        f.label(QStringLiteral("txtTotale"))->styleSheet().contains(QLatin1String("#800000")));
    EXPECT_TRUE(f.field(QStringLiteral("txtImporto03"))->isReadOnly());
    EXPECT_TRUE(f.field(QStringLiteral("txtData"))->isReadOnly());
}

// Each field takes no more characters than its record field keeps, and
// every field, the total and the paid box included, is in Verdana 12 bold.
TEST(TfrmRicevute, FieldsHaveTheRecordCapacitiesAndTheFormFont) {
    EditorFixture f;
    const auto expectFont = [](const QWidget* w) {
        EXPECT_EQ(w->font().family(), QStringLiteral("Verdana")) << w->objectName().toStdString();
        EXPECT_EQ(w->font().pointSize(), 12) << w->objectName().toStdString();
        EXPECT_TRUE(w->font().bold()) << w->objectName().toStdString();
    };
    const RecordLayout& layout = Ricevuta::layout();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = QString::fromLatin1(layout.field(i).name);
        if (name == QStringLiteral("Totale") || name == QStringLiteral("Saldato"))
            continue; // a label and a check box
        auto* field = f.field(QStringLiteral("txt") + name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->maxLength(), layout.field(i).capacity) << name.toStdString();
        expectFont(field);
    }
    expectFont(f.label(QStringLiteral("txtTotale")));
    expectFont(f.child(QStringLiteral("chkSaldato")));
}

// The mouse over a command shows its hint; over the form around the fields
// the status line empties, and the first text never comes back.
TEST(TfrmRicevute, CommandsShowTheirHintsInTheStatusLine) {
    EditorFixture f;
    f.editor.show();
    auto* panInfo = f.label(QStringLiteral("panInfo"));
    EXPECT_EQ(panInfo->text(), QStringLiteral("Pronto per archiviare una nuova distinta..."));

    QList<QPair<QString, QString>> hints = {
        {QStringLiteral("cmdNuovo"),
         QStringLiteral(
             "Prepara la schermata per la registrazione di una nuova distinta. (Ctrl+N)")},
        {QStringLiteral("cmdSalva"), QStringLiteral("Salva o aggiorna la distinta. (Ctrl+S)")},
        {QStringLiteral("cmdTrova"), QStringLiteral("Trova una distinta in archivio. (Ctrl+F)")},
        {QStringLiteral("cmdAnteprima"),
         QStringLiteral("Visualizza l'anteprima di stampa della distinta.")},
        {QStringLiteral("cmdStampa"), QStringLiteral("Stampa la distinta. (Ctrl+P)")},
        {QStringLiteral("cmdPrimo"),
         QStringLiteral("Visualizza la prima distinta in archivio. (Ctrl+Home)")},
        {QStringLiteral("cmdIndietro"),
         QStringLiteral("Visualizza la distinta precedente in archivio. (Pag \u2191)")},
        {QStringLiteral("cmdAvanti"),
         QStringLiteral("Visualizza la distinta successiva in archivio. (Pag \u2193)")},
        {QStringLiteral("cmdUltimo"),
         QStringLiteral("Visualizza l'ultima distinta in archivio. (Ctrl+Fine)")},
        {QStringLiteral("cmdEsporta"),
         QStringLiteral("Esporta l'archivio in un file di Microsoft Excel.")},
        {QStringLiteral("cmdDaSaldare"),
         QStringLiteral("Visualizza l'elenco delle distinte non ancora saldate.")},
        {QStringLiteral("cmdGuida"),
         QStringLiteral("Visualizza la pagina della guida in linea sensibile al contesto. (F1)")},
        {QStringLiteral("cmdEsci"), QStringLiteral("Esci da questa schermata di lavoro.")},
        {QStringLiteral("impCliente"),
         QStringLiteral("Importa i dati dall'archivio degli acquirenti. (F3)")},
        {QStringLiteral("impData"), QStringLiteral("Inserisci la data corrente.")},
        {QStringLiteral("impNumerazione"),
         QStringLiteral("Imposta il numero iniziale dal quale far partire la numerazione "
                        "automatica delle distinte.")},
        {QStringLiteral("btnTotale"), QStringLiteral("Calcola l'importo totale.")},
        {QStringLiteral("chkSaldato"),
         QStringLiteral("Spunta questa casella per indicare che l'acquirente ha saldato la "
                        "distinta.")},
    };
    for (int i = 1; i <= 10; ++i)
        hints.append({numbered("impBollato", i),
                      QStringLiteral("Importa i dati dal tariffario dei valori bollati. (F3)")});

    QWidget* form = f.child(QStringLiteral("shpDistinta"));
    for (const auto& [command, hint] : hints) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(f.child(command), &enter);
        EXPECT_EQ(panInfo->text(), hint) << command.toStdString();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form, &move);
        EXPECT_EQ(panInfo->text(), QString()) << command.toStdString();
    }
}
