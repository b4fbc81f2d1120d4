#pragma once
// Qt's own texts in German: the buttons, file and colour dialogs and questions that Qt draws
// itself ("Abbrechen", "Speichern unter", "Farbe auswählen").

class QTranslator;

namespace gui {

// Loads Qt's German translation (qtbase_de from Qt's translations folder) into the
// translator and installs it in the application. False when the translation is not there;
// Qt's texts then stay English.
bool InstallGermanQt(QTranslator& translator);

}  // namespace gui
