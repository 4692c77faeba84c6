#pragma once

#include <QString>

class Journey;

// The everyday tasks that several journeys go through on the way to what
// they check, each done as the reseller does it, from the screen named in
// its comment. They check only that they got where they were going; what
// the user gets from them is each journey's own business.
namespace steps {

// On the password screen: types the password and presses Enter; the main
// menu shows.
void logIn(Journey& journey, const QString& password = QStringLiteral("aperturacassaz"));

// On the main menu: opens one of its areas by its button (btnAcquirenti,
// btnBollati, btnDistinte).
void openArea(Journey& journey, const char* button);

// On a work screen: leaves it with its exit command; the main menu shows.
void backToMainMenu(Journey& journey, const char* exitCommand = "cmdEsci");

// A buyer as the card of the buyers archive asks for it.
struct Buyer {
    QString nome;
    QString indirizzo;
    QString num;
    QString cap; // five digits, one box each
    QString localita;
    QString prov;  // two letters, one box each
    QString sesso; // M or F
    QString codFisc;
    QString partitaIva;
    QString iban;
    QString carta;
};
// The buyer every journey sells to: every field the checks look at is valid.
Buyer mario();

// On the buyers archive: Nuovo, the card typed in, Salva.
void saveNewBuyer(Journey& journey, const Buyer& buyer);

// On the tariff list: Aggiungi voce with the entry's name and price.
void addTariffEntry(Journey& journey, const QString& name, const QString& price);

// From the main menu: the buyer mario() in the buyers archive and two
// stamps in the tariff list ("Marca da bollo" 16,00 and "Francobollo" 1,25),
// back on the main menu.
void stockTheShop(Journey& journey);

// What an export screen says when the user exports (Sì) and does not open
// the file (No).
QStringList exportMessages();

// From the main menu: the distinte menu, the year typed, Apri; the editor
// shows on that year.
void openDistinte(Journey& journey, const QString& year);

// On the distinta editor: Nuovo, mario() imported from the buyers archive,
// 2 × "Marca da bollo" into line 1 and 4 × "Francobollo" into line 2 from the
// tariff list, 05/03/2024 from the calendar, Salva. Total 37,00.
void fillAndSaveDistinta(Journey& journey);

// From the password screen: logged in, the shop stocked, the editor opened on
// 2024 and the distinta of fillAndSaveDistinta() saved there.
void issueDistinta(Journey& journey);

// On the income summary entry screen: the year and the interval's days and
// months picked from their lists.
struct Interval {
    QString year, startDay, startMonth, endDay, endMonth;
};
void chooseInterval(Journey& journey, const Interval& interval);

} // namespace steps
