#include "batch/BatchOptions.h"

namespace venkar {

namespace {

class ArgumentList {
public:
    explicit ArgumentList(const std::vector<std::string>& arguments) : arguments_(arguments) {}
    bool done() const { return next_ >= arguments_.size(); }
    const std::string& take() { return arguments_[next_++]; }
    // The value of an option that needs one.
    const std::string& valueOf(const std::string& option) {
        if (done())
            throw UsageError("Die Option " + option + " braucht einen Wert.");
        return take();
    }

private:
    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
};

} // namespace

BatchOptions parseBatchOptions(const std::vector<std::string>& arguments) {
    BatchOptions options;
    std::vector<std::string> files;
    ArgumentList list(arguments);
    while (!list.done()) {
        const std::string& argument = list.take();
        if (argument == "--help" || argument == "-h")
            options.help = true;
        else if (argument == "--check")
            options.checkOnly = true;
        else if (argument == "--verbose" || argument == "-v")
            options.verbose = true;
        else if (argument == "--input-report")
            options.inputReport = list.valueOf(argument);
        else if (argument == "--results")
            options.resultsReport = list.valueOf(argument);
        else if (argument == "--json")
            options.json = list.valueOf(argument);
        else if (argument.size() > 1 && argument[0] == '-')
            throw UsageError("Unbekannte Option: " + argument);
        else
            files.push_back(argument);
    }
    if (options.help)
        return options;
    if (files.empty())
        throw UsageError("Keine Systemdatei angegeben.");
    if (files.size() > 2)
        throw UsageError("Zu viele Dateien angegeben: " + files[2]);
    options.systemFile = files[0];
    if (files.size() == 2)
        options.loadFile = files[1];
    return options;
}

const char* batchUsage() {
    return R"(Aufruf: venkar-batch [Optionen] SYSTEM.vsy [LASTFALL.vla]

Liest ein System und (wahlweise) einen Lastfall, prüft beide Eingaben auf
Plausibilität und berechnet das System.

Optionen:
  --check               nur prüfen, nicht berechnen
  --input-report DATEI  Eingabeprotokoll schreiben ("-" = Standardausgabe)
  --results DATEI       Ergebnisse schreiben ("-" = Standardausgabe)
  --json DATEI          alle Ergebnisse in voller Genauigkeit als JSON
                        ("-" = Standardausgabe)
  --verbose, -v         Phasen und Kennzahlen der Berechnung auf stderr
  --help, -h            diese Hilfe

Ohne Ausgabeoption werden die Ergebnisse auf die Standardausgabe geschrieben.

Rückgabewert:
  0  Erfolg
  1  Eingabefehler (Plausibilitätsprüfung), Meldung auf stderr
  2  Berechnungsfehler (Widerspruch in den Randbedingungen, verschiebliches System)
  3  Aufruf- oder Dateifehler
)";
}

} // namespace venkar
