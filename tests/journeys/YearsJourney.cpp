#include "journeys/support/Journey.h"
#include "journeys/support/Steps.h"
#include "output/SpreadsheetReaders.h"
#include "support/RequireTool.h"

#include <QCalendarWidget>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <utility>

namespace {

const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");

// On the distinta editor: Nuovo, the buyer's name and one stamp line typed,
// the date picked from the calendar, Salva.
void saveDistinta(Journey& j, const QString& buyer, const QDate& date) {
    j.click(QStringLiteral("cmdNuovo"));
    j.type(QStringLiteral("txtAcqRigo01"), buyer);
    j.type(QStringLiteral("txtQuant01"), QStringLiteral("1"));
    j.type(QStringLiteral("txtDescrizione01"), QStringLiteral("Marca da bollo"));
    j.type(QStringLiteral("txtUnitario01"), QStringLiteral("16,00"));
    j.onDialog(QStringLiteral("TfrmCalendario"), [&j, date](QDialog* dialog) {
        if (auto* calendar = j.find<QCalendarWidget>(QStringLiteral("calAppuntamenti"), dialog))
            calendar->setSelectedDate(date);
        j.click(QStringLiteral("btnImportaData"), dialog);
    });
    j.type(QStringLiteral("txtData"), QStringLiteral("5"));
    j.click(QStringLiteral("cmdSalva"));
    EXPECT_EQ(j.takeMessages(), QStringList{kInserted});
}

// On the editor: Trova, every year ticked, the buyer searched; the rows are
// checked by `rowsShown` and the row starting with `year` double-clicked.
void findInEveryYear(Journey& j, const QString& buyer, const QString& year,
                     const std::function<void(const QStringList&)>& rowsShown) {
    j.onDialog(QStringLiteral("TfrmTrovaRic"), [&](QDialog* search) {
        j.click(QStringLiteral("chkTuttiGliAnni"), search);
        j.type(QStringLiteral("txtAcqRigo01"), buyer, search);
        j.click(QStringLiteral("btnCerca"), search);
        rowsShown(j.rows(search));
        j.doubleClickRow(year + QStringLiteral("  N. "), search);
    });
    j.click(QStringLiteral("cmdTrova"));
    EXPECT_TRUE(j.takeMessages().isEmpty());
}

} // namespace

// Mario Rossi bought in 2021 and in 2023, not in 2022. From the 2022 archive
// the search in every year lists his two distinte in year order, and each
// row opens its distinta in the editor on its own year.
TEST(Journeys, EveryYearSearchOpensEachDistintaOnItsOwnYear) {
    Journey j;
    steps::logIn(j);
    const QString mario = QStringLiteral("Mario Rossi");
    const QString lucia = QStringLiteral("Lucia Bianchi");
    const struct {
        int year;
        QStringList buyers;
    } archives[] = {{2021, {mario}}, {2022, {lucia}}, {2023, {lucia, mario}}};
    for (const auto& archive : archives) {
        steps::openDistinte(j, QString::number(archive.year));
        for (const QString& buyer : archive.buyers)
            saveDistinta(j, buyer, QDate(archive.year, 6, 10));
        steps::backToMainMenu(j);
    }

    steps::openDistinte(j, QStringLiteral("2022"));
    const auto bothYears = [&mario](const QStringList& rows) {
        ASSERT_EQ(rows.size(), 2) << rows.join(u'\n').toStdString();
        EXPECT_TRUE(rows[0].startsWith(QStringLiteral("2021  N. 1 "))) << rows[0].toStdString();
        EXPECT_TRUE(rows[1].startsWith(QStringLiteral("2023  N. 2 "))) << rows[1].toStdString();
        for (const QString& row : rows)
            EXPECT_TRUE(row.contains(mario)) << row.toStdString();
    };
    // Each found distinta opens on its own year: the later one first.
    for (const auto& [year, position] : {std::pair{"2023", "2"}, {"2021", "1"}}) {
        SCOPED_TRACE(year);
        findInEveryYear(j, QStringLiteral("rossi"), QString::fromLatin1(year), bothYears);
        EXPECT_EQ(j.screen()->windowTitle(),
                  QStringLiteral(" Vellarmo - Emissione Distinte anno ") + QLatin1String(year));
        EXPECT_EQ(j.text(QStringLiteral("lblPosizione")), QLatin1String(position));
        EXPECT_EQ(j.text(QStringLiteral("txtNumRic")), QLatin1String(position));
        EXPECT_EQ(j.text(QStringLiteral("txtAcqRigo01")), mario);
        EXPECT_EQ(j.text(QStringLiteral("txtData")),
                  QStringLiteral("10/06/") + QLatin1String(year));
    }

    // The editor now saves into the 2021 archive: a new distinta there is
    // its second.
    saveDistinta(j, lucia, QDate(2021, 9, 1));
    EXPECT_EQ(j.text(QStringLiteral("lblPosizione")), QStringLiteral("2"));
    steps::backToMainMenu(j);
}

// The year's archive exported from the editor as an .xlsx workbook, which a
// spreadsheet reader that shares no code with ours reads back whole.
TEST(Journeys, DistinteExportedAsXlsxWorkbookFromTheEditor) {
    REQUIRE_AVAILABLE(readers::hasOpenpyxl(readers::systemPython()),
                      "python3-openpyxl (/usr/bin/python3 with openpyxl)");
    Journey j;
    steps::issueDistinta(j);
    j.onDialog(QStringLiteral("TfrmExpRicevute"), [&j](QDialog* screen) {
        j.messages().answers = {true, false};
        j.click(QStringLiteral("cmdEsportaXlsx"), screen);
        j.click(QStringLiteral("cmdEsci"), screen);
    });
    j.click(QStringLiteral("cmdEsporta"));
    EXPECT_EQ(j.takeMessages(), steps::exportMessages());
    EXPECT_TRUE(j.opened().isEmpty());
    EXPECT_FALSE(j.dataFolder().exists(QStringLiteral("Archivio_Distinte.xls")));

    const QString workbook = QStringLiteral("Archivio_Distinte.xlsx");
    ASSERT_TRUE(j.dataFolder().readBytes(workbook).startsWith("PK"));
    QString error;
    const auto dump =
        readers::openpyxlDump(readers::systemPython(), j.dataFolder().file(workbook), &error);
    ASSERT_TRUE(dump) << error.toStdString();
    const QJsonObject book = dump->object();
    EXPECT_EQ(book[u"sheets"].toArray(), QJsonArray({QStringLiteral("Archivio Distinte")}));
    const QJsonArray rows = book[u"rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    QStringList texts;
    QList<double> numbers;
    for (const QJsonValue& cell : rows[1].toArray()) {
        const QJsonValue value = cell.toObject()[u"value"];
        if (value.isDouble())
            numbers.append(value.toDouble());
        else
            texts.append(value.toString());
    }
    for (const char* expected : {"1", "05/03/2024", "Mario Rossi", "Via Roma 12", "80121 Napoli NA",
                                 "Marca da bollo", "Francobollo", "No"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(numbers, QList<double>{37.0});
    steps::backToMainMenu(j);
}
