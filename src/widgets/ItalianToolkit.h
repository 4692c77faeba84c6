#pragma once

// Makes the toolkit's own texts Italian: the buttons of message boxes
// ("Annulla", "Sì"), context menus of edit fields, and the file and print
// dialogs. Loads Qt's Italian translation from the system's Qt translations
// folder and makes Italian the default locale. The program's own texts are
// Italian already and are not translated. Call once, after the application
// object exists; returns false when the translation file is not installed
// (the toolkit then speaks English, nothing else changes).
bool speakItalian();
