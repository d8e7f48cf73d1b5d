#pragma once

#include <QString>

#include <optional>

namespace venkar {

// Everything the grids and the input windows ask or tell the user: the beep,
// the question before a row is deleted, the small value dialog and the
// message boxes. The program shows them with Qt (QtInputMessages); tests
// answer with a fake.
class InputMessages {
public:
    virtual ~InputMessages() = default;
    // The system beep: a refused character, a refused value, a key at the
    // end of the text.
    virtual void beep() = 0;
    // "Zeile Löschen ?" (caption "Info", OK/Cancel): true for OK.
    virtual bool confirmRowDelete() = 0;
    // The value dialog "Wert" (or the given caption) with its number field;
    // none when cancelled.
    virtual std::optional<double> askValue(const QString& caption) = 0;
    // A plausibility fault: message box "Eingabefehler", exclamation icon, OK.
    virtual void inputError(const QString& message) = 0;
    // A paste that had to stop ("Kopierbeireich außerhalb der Tabelle", a
    // field that is no number).
    virtual void pasteError(const QString& message) = 0;
    // An error that ended a command (reading a file), caption "Fehler".
    virtual void commandError(const QString& message) = 0;
};

} // namespace venkar
