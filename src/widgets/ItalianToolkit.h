#pragma once

// Makes the toolkit's own texts Italian: the buttons of message boxes
// ("Annulla", "Sì"), context menus of edit fields, and the file and print
// dialogs. Loads Qt's Italian translation from the system's Qt translations
// folder and makes Italian the default locale. The program's own texts are
// Italian already and are not translated. Call once, after the application
// object exists; returns false when the translation file is not installed
// (the toolkit then speaks English, nothing else changes).
bool speakItalian();

// Makes the system's formats Italian for this program whatever the user's
// system uses: the toolkit's file dialogs write dates and file sizes in the
// system's formats (QLocale::system()), which speakItalian() does not reach.
// Sets LC_NUMERIC and LC_TIME to Italian in the program's environment;
// LC_ALL, which would override them, gives its value to the other
// categories instead. Call before the application object exists. The
// program's own numbers do not depend on it: they are written and read by
// fixed rules.
void useItalianFormats();
