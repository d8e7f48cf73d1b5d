#include "batch/BatchOptions.h"

#include "model/Error.h"

#include "graphics/PlotContext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <utility>

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

// By tab index: the nine tabs, the stress plot, then the tabs of loads
// around the circumference.
constexpr std::array<const char*, everyPlotTabCount> tabShortNames{
    "geometrie", "verformung", "n-phi",     "n-theta",   "m-phi",      "m-theta",
    "q-theta",   "eps-phi",    "eps-theta", "sigma-vm",  "n-phitheta", "m-phitheta",
    "q-phi",     "v",          "grundriss", "abwicklung"};

// The display switches the command line can set, named after the hints of
// the graph window's tool buttons: --show-NAME and --hide-NAME.
struct SwitchName {
    const char* name;
    DisplaySwitch displaySwitch;
};
constexpr std::array<SwitchName, 9> switchNames{{
    {"node-numbers", ShowNodeNumbers},         // "Knotennummer"
    {"axis", ShowSymmetryAxis},                // "Symetrieachse"
    {"supports", ShowSupports},                // "Auflager"
    {"loads", ShowLoads},                      // "Belastung"
    {"shell-numbers", ShowShellNumbers},       // "Schalennummer"
    {"material-numbers", ShowMaterialNumbers}, // "Materialnummer"
    {"reactions", ShowReactions},              // "Auflagerkräfte"
    {"extrema", ShowExtrema},                  // "Funktionsextrema"
    {"values", ShowValues},                    // "Wertangabe"
}};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A scale in percent as a factor: a positive number up to 100000 %.
double percentOption(const std::string& option, const std::string& value) {
    char* end = nullptr;
    const double percent = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !(percent > 0) || percent > 100000)
        throw UsageError("Die Option " + option + " braucht eine Prozentzahl größer 0: " + value);
    return percent / 100.0;
}

// --station SHELL:XI: a shell number from 1 and a relative position from 0
// to 1.
void stationOption(const std::string& value, AroundSelection& around) {
    const std::size_t colon = value.find(':');
    char* end = nullptr;
    const std::string shellText = value.substr(0, colon);
    const long shell = std::strtol(shellText.c_str(), &end, 10);
    const bool shellValid = !shellText.empty() && *end == '\0' && shell >= 1 && shell <= 100000;
    double x = -1.0;
    if (colon != std::string::npos) {
        const std::string xText = value.substr(colon + 1);
        x = std::strtod(xText.c_str(), &end);
        if (xText.empty() || *end != '\0')
            x = -1.0;
    }
    if (!shellValid || !(x >= 0) || x > 1)
        throw UsageError("Die Option --station braucht SCHALE:XI, eine Schalennummer und eine "
                         "Stelle von 0 bis 1 (zum Beispiel 2:0.5): " +
                         value);
    around.shell = static_cast<int>(shell) - 1;
    around.x = x;
}

void quantityOption(const std::string& value, AroundSelection& around) {
    const std::optional<AroundQuantity> quantity = aroundQuantityByName(value);
    if (!quantity) {
        std::string names;
        for (int q = 0; q < aroundQuantityCount; ++q)
            names += std::string(q == 0 ? "" : ", ") +
                     aroundQuantityName(static_cast<AroundQuantity>(q));
        throw UsageError("Unbekannte Größe: " + value + " (" + names + ")");
    }
    around.quantity = *quantity;
}

// An angle around the axis in degrees: a number from 0 to 360.
double angleOption(const std::string& value) {
    char* end = nullptr;
    const double angle = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !(angle >= 0) || angle > 360)
        throw UsageError("Die Option --angle braucht einen Winkel von 0 bis 360 Grad: " + value);
    return angle;
}

// "FROM-TO": two whole harmonic numbers 0 <= FROM <= TO <= 200.
void bucklingHarmonicsOption(const std::string& value, BatchOptions& options) {
    const std::size_t dash = value.find('-');
    auto number = [](const std::string& text) {
        if (text.empty() || text.size() > 3 ||
            !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
            return -1;
        return std::stoi(text);
    };
    const int from = dash == std::string::npos ? -1 : number(value.substr(0, dash));
    const int to = dash == std::string::npos ? -1 : number(value.substr(dash + 1));
    if (from < 0 || to < from || to > 200)
        throw UsageError("Die Option --buckling-harmonics braucht VON-BIS mit 0 <= VON <= BIS "
                         "<= 200: " +
                         value);
    options.bucklingFrom = from;
    options.bucklingTo = to;
}

// "WxH" with two whole numbers from 1 to 20000.
void sizeOption(const std::string& value, PlotOptions& plot) {
    const std::size_t x = lowerCase(value).find('x');
    auto number = [&](const std::string& text) {
        if (text.empty() || text.size() > 5 ||
            !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
            return 0;
        return std::stoi(text);
    };
    const int width = x == std::string::npos ? 0 : number(value.substr(0, x));
    const int height = x == std::string::npos ? 0 : number(value.substr(x + 1));
    if (width < 1 || height < 1 || width > 20000 || height > 20000)
        throw UsageError("Die Option --size braucht BREITExHÖHE in Pixeln (1 bis 20000): " + value);
    plot.width = width;
    plot.height = height;
}

bool switchOption(const std::string& argument, PlotOptions& plot) {
    for (const SwitchName& s : switchNames) {
        const std::string name = s.name;
        if (argument == "--show-" + name || argument == "--hide-" + name) {
            plot.switches.push_back({s.displaySwitch, argument.starts_with("--show-")});
            return true;
        }
    }
    return false;
}

bool hasPlotExtension(const std::string& file) {
    const std::string lower = lowerCase(file);
    return lower.ends_with(".png") || lower.ends_with(".svg") || lower.ends_with(".pdf");
}

void checkPlotOptions(const PlotOptions& plot, bool plotAsked, const std::string& firstPlotOption) {
    if (!plotAsked) {
        if (!firstPlotOption.empty())
            throw UsageError("Die Option " + firstPlotOption + " braucht --plot.");
        return;
    }
    if (plot.outFile.empty() == plot.outDirectory.empty())
        throw UsageError("--plot braucht entweder --out DATEI oder --out-dir ORDNER.");
    if (!plot.outFile.empty()) {
        if (plot.tabs.size() + plot.bucklingPlots.size() != 1)
            throw UsageError("--out schreibt eine Grafik; für mehrere Grafiken --out-dir.");
        if (!hasPlotExtension(plot.outFile))
            throw UsageError("Die Grafikdatei braucht die Endung .png, .svg oder .pdf: " +
                             plot.outFile);
    }
}

bool namesInputKind(const std::string& file) {
    const std::string lower = lowerCase(file);
    return lower.ends_with(".vsy") || lower.ends_with(".vla");
}

// True when `output` names the existing file `input`, also through another
// path or a link.
bool sameFile(const std::string& output, const std::string& input) {
    std::error_code error;
    return !input.empty() && std::filesystem::equivalent(output, input, error) && !error;
}

// Every file an option would write, with the option; standard output aside.
std::vector<std::pair<std::string, std::string>> outputFiles(const BatchOptions& options) {
    std::vector<std::pair<std::string, std::string>> outputs;
    const auto add = [&](const char* option, const std::optional<std::string>& file) {
        if (file && *file != "-")
            outputs.emplace_back(option, *file);
    };
    add("--input-report", options.inputReport);
    add("--results", options.resultsReport);
    add("--json", options.json);
    add("--csv", options.csv);
    if (options.plot) {
        const PlotOptions& plot = *options.plot;
        if (!plot.outFile.empty())
            outputs.emplace_back("--out", plot.outFile);
        if (!plot.outDirectory.empty())
            for (BucklingPlot bucklingPlot : plot.bucklingPlots)
                outputs.emplace_back(
                    "--out-dir",
                    plotDirectoryFile(plot.outDirectory, options.systemFile, bucklingPlot));
        if (!plot.outDirectory.empty())
            for (PlotTab tab : plot.tabs) {
                outputs.emplace_back("--out-dir",
                                     plotDirectoryFile(plot.outDirectory, options.systemFile, tab));
                for (double angle : options.angles)
                    outputs.emplace_back(
                        "--out-dir",
                        plotDirectoryFile(plot.outDirectory, options.systemFile, tab, angle));
            }
    }
    return outputs;
}

// An output never replaces an input: a forgotten file name after an output
// option would otherwise write over the system or load file behind it.
void checkOutputsSpareInputs(const BatchOptions& options) {
    std::vector<std::string> inputs{options.systemFile, options.loadFile};
    if (options.plot && options.plot->configFile)
        inputs.push_back(*options.plot->configFile);
    for (const auto& [option, file] : outputFiles(options)) {
        if (namesInputKind(file))
            throw UsageError("Die Option " + option +
                             " schreibt keine System- oder Lastdatei (.vsy, .vla): " + file);
        for (const std::string& input : inputs)
            if (sameFile(file, input))
                throw UsageError("Die Option " + option + " würde die Eingabedatei " + input +
                                 " überschreiben: " + file);
    }
}

} // namespace

std::string plotDirectoryFile(const std::string& folder, const std::string& systemFile, PlotTab tab,
                              std::optional<double> angle) {
    std::string name =
        std::filesystem::path(systemFile).stem().string() + "-" + plotTabShortName(tab);
    if (angle)
        name += "-" + formatText("%g", *angle);
    return (std::filesystem::path(folder) / (name + ".png")).string();
}

std::string plotDirectoryFile(const std::string& folder, const std::string& systemFile,
                              BucklingPlot plot) {
    const std::string name =
        std::filesystem::path(systemFile).stem().string() + "-" + bucklingPlotShortName(plot);
    return (std::filesystem::path(folder) / (name + ".png")).string();
}

const char* bucklingPlotShortName(BucklingPlot plot) {
    return plot == BucklingPlot::Mode ? "beulform" : "beulkurve";
}

std::optional<PlotTab> plotTabByName(const std::string& name) {
    const std::string lower = lowerCase(name);
    if (lower.size() == 1 && lower[0] >= '0' && lower[0] <= '8')
        return plotTabAt(lower[0] - '0');
    for (int index = 0; index < everyPlotTabCount; ++index)
        if (lower == tabShortNames[static_cast<std::size_t>(index)])
            return static_cast<PlotTab>(index);
    return std::nullopt;
}

const char* plotTabShortName(PlotTab tab) {
    return tabShortNames.at(static_cast<std::size_t>(tabIndex(tab)));
}

BatchOptions parseBatchOptions(const std::vector<std::string>& arguments) {
    BatchOptions options;
    std::vector<std::string> files;
    ArgumentList list(arguments);
    PlotOptions plot;
    bool plotAsked = false;
    std::string firstPlotOption; // the first option that only makes sense with --plot
    auto plotOption = [&](const std::string& option) {
        if (firstPlotOption.empty())
            firstPlotOption = option;
    };
    bool optionsEnded = false; // after "--" every argument is a file
    while (!list.done()) {
        const std::string& argument = list.take();
        if (optionsEnded) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--plot") {
            plotAsked = true;
            const std::string& tab = list.valueOf(argument);
            if (lowerCase(tab) == "all") {
                plot.tabs.assign(allPlotTabs.begin(), allPlotTabs.end());
            } else if (lowerCase(tab) == "stresses") {
                plot.tabs.assign(stressPlotTabs.begin(), stressPlotTabs.end());
            } else if (const std::optional<PlotTab> named = plotTabByName(tab)) {
                plot.tabs.push_back(*named);
            } else if (lowerCase(tab) == bucklingPlotShortName(BucklingPlot::Mode)) {
                plot.bucklingPlots.push_back(BucklingPlot::Mode);
            } else if (lowerCase(tab) == bucklingPlotShortName(BucklingPlot::Curve)) {
                plot.bucklingPlots.push_back(BucklingPlot::Curve);
            } else {
                throw UsageError("Unbekannte Grafik: " + tab +
                                 " (0 bis 8, all, stresses oder geometrie, verformung, n-phi, "
                                 "n-theta, m-phi, m-theta, q-theta, eps-phi, eps-theta, "
                                 "sigma-vm, n-phitheta, m-phitheta, q-phi, v, grundriss, "
                                 "abwicklung, beulform, beulkurve)");
            }
        } else if (argument == "--out") {
            plotOption(argument);
            plot.outFile = list.valueOf(argument);
        } else if (argument == "--out-dir") {
            plotOption(argument);
            plot.outDirectory = list.valueOf(argument);
        } else if (argument == "--text-scale") {
            plotOption(argument);
            plot.textScale = percentOption(argument, list.valueOf(argument));
        } else if (argument == "--function-scale") {
            plotOption(argument);
            plot.functionScale = percentOption(argument, list.valueOf(argument));
        } else if (argument == "--displacement-scale") {
            plotOption(argument);
            plot.displacementScale = percentOption(argument, list.valueOf(argument));
        } else if (argument == "--size") {
            plotOption(argument);
            sizeOption(list.valueOf(argument), plot);
        } else if (argument == "--station") {
            plotOption(argument);
            stationOption(list.valueOf(argument), plot.around);
        } else if (argument == "--quantity") {
            plotOption(argument);
            quantityOption(list.valueOf(argument), plot.around);
        } else if (argument == "--config") {
            plotOption(argument);
            plot.configFile = list.valueOf(argument);
        } else if (switchOption(argument, plot)) {
            plotOption(argument);
        } else if (argument == "--help" || argument == "-h")
            options.help = true;
        else if (argument == "--mesh-check")
            options.meshCheck = true;
        else if (argument == "--buckling")
            options.buckling = true;
        else if (argument == "--buckling-harmonics")
            bucklingHarmonicsOption(list.valueOf(argument), options);
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
        else if (argument == "--csv")
            options.csv = list.valueOf(argument);
        else if (argument == "--angle")
            options.angles.push_back(angleOption(list.valueOf(argument)));
        else if (argument.size() > 1 && argument[0] == '-')
            throw UsageError("Unbekannte Option: " + argument);
        else
            files.push_back(argument);
    }
    if (options.help)
        return options;
    checkPlotOptions(plot, plotAsked, firstPlotOption);
    if (!plot.bucklingPlots.empty() && !options.buckling)
        throw UsageError(std::string("Die Grafik ") + bucklingPlotShortName(plot.bucklingPlots[0]) +
                         " braucht --buckling.");
    if (plotAsked && !plot.outFile.empty() && options.angles.size() > 1)
        throw UsageError("--out schreibt eine Grafik; für mehrere Winkel --out-dir.");
    if (plotAsked)
        options.plot = plot;
    if (files.empty())
        throw UsageError("Keine Systemdatei angegeben.");
    if (files.size() > 2)
        throw UsageError("Zu viele Dateien angegeben: " + files[2]);
    options.systemFile = files[0];
    if (files.size() == 2)
        options.loadFile = files[1];
    checkOutputsSpareInputs(options);
    return options;
}

const char* batchUsage() {
    return R"(Aufruf: venkar-batch [Optionen] SYSTEM.vsy [LASTFALL.vla]

Liest ein System und (wahlweise) einen Lastfall, prüft beide Eingaben auf
Plausibilität und berechnet das System.

Optionen:
  --                    beendet die Optionen; was folgt, sind Dateinamen
  --check               nur prüfen, nicht berechnen
  --input-report DATEI  Eingabeprotokoll schreiben ("-" = Standardausgabe)
  --results DATEI       Ergebnisse schreiben ("-" = Standardausgabe)
  --json DATEI          alle Ergebnisse in voller Genauigkeit als JSON
                        ("-" = Standardausgabe)
  --csv DATEI           die Ergebnisse an den Ausgabepunkten jeder Schale als
                        CSV-Tabelle mit Randspannungen ("-" = Standardausgabe)
  --angle GRAD          bei Lasten am Umfang: der Meridian bei diesem Winkel
                        (0 bis 360, mehrfach möglich) in Ergebnissen, CSV,
                        JSON und Grafiken (dann <System>-<Kurzname>-<Winkel>.png)
  --verbose, -v         Phasen und Kennzahlen der Berechnung auf stderr
  --buckling            nach der Berechnung die lineare Beulanalyse (LBA):
                        Lastfaktor je Harmonische, kritischer Wert r_Rcr
  --buckling-harmonics VON-BIS
                        die Harmonischen der Beulanalyse (0 bis 200)
  --mesh-check          nach der Berechnung mit verdoppelten
                        Diskretisierungsfaktoren (bis Faktor 16) nachrechnen
                        und auf stderr melden, wo das Netz zu grob ist;
                        mit --buckling auch, ab wann sich r_Rcr um weniger
                        als 1 % ändert

Grafiken (wie im Grafikfenster; Ergebnisgrafiken nach der Berechnung):
  --plot GRAFIK         0 bis 8 oder geometrie, verformung, n-phi, n-theta,
                        m-phi, m-theta, q-theta, eps-phi, eps-theta;
                        "all" für alle neun; sigma-vm die größere
                        Vergleichsspannung nach von Mises der beiden
                        Oberflächen, "stresses" für alle Spannungsgrafiken;
                        bei Lasten am Umfang auch n-phitheta, m-phitheta,
                        q-phi, v (Meridian beim Winkel von --angle),
                        grundriss (Polardiagramm einer Stelle) und
                        abwicklung (Farbbänder über die abgewickelte Schale);
                        mit --buckling beulform (die Beulform der kritischen
                        Harmonischen) und beulkurve (Lastfaktor über n)
  --quantity GRÖSSE     die Größe von grundriss und abwicklung: verformung,
                        n-phi (Vorgabe), n-theta, n-phitheta, m-phi, m-theta,
                        m-phitheta, q-theta, q-phi, sigma-vm, last (cp·q)
  --station SCHALE:XI   die Stelle des Grundrisses: der Ausgabepunkt der
                        Schale nächst XI (0 bis 1; Vorgabe 1:0.5)
  --out DATEI           die eine Grafik; Typ nach der Endung .png, .svg, .pdf
  --out-dir ORDNER      je Grafik ORDNER/<System>-<Kurzname>.png
  --size BxH            Größe von PNG und SVG in Pixeln (Vorgabe 1600x1200)
  --text-scale P        Textskalierung in Prozent (Vorgabe 100)
  --function-scale P    Funktionsskalierung in Prozent (Vorgabe 100)
  --displacement-scale P  Verschiebungsskalierung in Prozent (Vorgabe 100)
  --config DATEI        Grafik-Einstellungen aus dieser Konfigurationsdatei
                        (Vorgabe: die Datei des Programms venkar, venkar.dat)
  --show-X, --hide-X    Schalter der Werkzeugleiste ein- oder ausschalten:
                          node-numbers      Knotennummer       (aus)
                          axis              Symetrieachse      (ein)
                          supports          Auflager           (ein)
                          loads             Belastung          (ein auf geometrie)
                          shell-numbers     Schalennummer      (aus)
                          material-numbers  Materialnummer     (aus)
                          reactions         Auflagerkräfte     (aus)
                          extrema           Funktionsextrema   (ein)
                          values            Wertangabe         (ein)
                        Ohne gültige Ergebnisse zeigen die Grafiken nur
                        System und Belastung (Hinweis auf stderr).
  --help, -h            diese Hilfe

Ohne Ausgabeoption werden die Ergebnisse auf die Standardausgabe geschrieben.
Eine Ausgabe überschreibt nie eine Eingabedatei: ein Ausgabename mit der
Endung .vsy oder .vla oder der Name einer der gelesenen Dateien ist ein
Aufruffehler, und es wird nichts geschrieben.

Rückgabewert:
  0  Erfolg
  1  Eingabefehler (Plausibilitätsprüfung), Meldung auf stderr
  2  Berechnungsfehler (Widerspruch in den Randbedingungen, verschiebliches System)
  3  Aufruf- oder Dateifehler
)";
}

} // namespace venkar
