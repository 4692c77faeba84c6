#pragma once

struct Ricevuta;
struct Services;
class QWidget;

// What the distinta editor and the distinte menu call to print, preview and
// set the logo. Each opens its screen modally over `owner` for one use.

// Opens " Stampa scheda" for the distinta as it is on screen, saved or not.
void printDistinta(Services& services, QWidget* owner, const Ricevuta& ricevuta);

// Opens " Anteprima di stampa" for the distinta as it is on screen.
void previewDistinta(Services& services, QWidget* owner, const Ricevuta& ricevuta);

// Opens " Impostazione logo" ("Imposta logo rivenditore" of the distinte menu).
void openLogoDialog(Services& services, QWidget* owner);
