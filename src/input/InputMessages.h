#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace venkar {

// What the dialog "Vorlage" returns: the index of the chosen preset in the
// list it was given and the end-effect factor typed.
struct PresetChoice {
    int index = 0;
    double psiLambda = 1.0;
};

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
    // The dialog "Vorlage": one of `names` and the factor ψλ; none when
    // cancelled.
    virtual std::optional<PresetChoice> choosePreset(const QStringList& names) = 0;
    // A question before rows are replaced (caption "Vorlage", Ja/Nein): true
    // for Ja.
    virtual bool confirmReplace(const QString& question) = 0;
};

} // namespace venkar
