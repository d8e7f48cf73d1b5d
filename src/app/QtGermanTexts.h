#pragma once

class QCoreApplication;
class QTranslator;

namespace venkar {

// Loads Qt's own German texts (qtbase_de.qm from Qt's translations folder)
// into `application`, so that the standard dialogs and buttons read
// "Abbrechen", "Speichern", "Suchen in:". The program's own texts are
// German in the code and stay as they are.
//
// Returns the installed translator (a child of `application`, which owns
// it), or null when the catalogue is not installed; the program then runs
// with Qt's English texts.
QTranslator* installQtGermanTexts(QCoreApplication& application);

// The catalogue installQtGermanTexts loads, for messages and tests.
const char* qtGermanCatalogue();

} // namespace venkar
