#include "model/ColumnCaptions.h"

#include "model/InputContainer.h"

namespace venkar {

namespace {

// A text in one header row (`row`) or over several (`row` to `lastRow`).
HeaderCell cell(const char* text, int row, int lastRow = -1) {
    return {text, row, lastRow < 0 ? row : lastRow};
}

std::vector<TableCaptions> buildCaptions() {
    // Spanning texts shared by several tables.
    const HeaderCell loadComponents = cell("Lastkomponenten", 0);
    const HeaderCell shellRange = cell("Schale", 0);
    return {
        {"NODES",
         "Knoten",
         "Nr.",
         2,
         {{cell("Knotenkoordinaten", 0), cell("r", 1)},
          {cell("Knotenkoordinaten", 0), cell("z", 1)},
          {cell("Auflager", 0), cell("r", 1)},
          {cell("Auflager", 0), cell("z", 1)},
          {cell("Auflager", 0), cell("R", 1)},
          {cell("Auflager", 0), cell("Schiefstellung (in °)", 1)}}},
        {"SHELLS",
         "Schalen",
         "Nr.",
         2,
         {{cell("Knotennummer", 0), cell("Anf", 1)},
          {cell("Knotennummer", 0), cell("Ende", 1)},
          {cell("Mat.", 0, 1)},
          {cell("Krümmung", 0, 1)},
          {cell("Radius", 0, 1)},
          {cell("Diskretisierungsfaktor", 0, 1)},
          {cell("Intervalle", 0, 1)}}},
        {"MATERIALS",
         "Materialien",
         "Nr.",
         1,
         {{cell("E-Modul", 0)},
          {cell("Wanddicke", 0)},
          {cell("Querkontraktion", 0)},
          {cell("Spezifisches Gewicht", 0)},
          {cell("Elastische Bettung", 0)},
          {cell("Tem.ausd.Koef", 0)}}},
        {"HINGES",
         "Gelenke",
         "Nr.",
         2,
         {{cell("Schale", 0, 1)},
          {cell("x-Position", 0, 1)},
          {cell("Gelenke", 0), cell("N", 1)},
          {cell("Gelenke", 0), cell("Q", 1)},
          {cell("Gelenke", 0), cell("M", 1)}}},
        {"RINGS",
         "Ringträger",
         "Nr",
         2,
         {{cell("Knoten", 0, 1)},
          {cell("A", 0, 1)},
          {cell("Iy", 0, 1)},
          {cell("E-Modul", 0, 1)},
          {cell("Gelenkige Verbindung in", 0), cell("r", 1)},
          {cell("Gelenkige Verbindung in", 0), cell("R", 1)}}},
        {"SUPPORTV",
         "Umfangsauflager",
         "Nr.",
         2,
         {{cell("Knoten", 0, 1)}, {cell("Auflager", 0), cell("v", 1)}}},
        {"HARMONICRINGS",
         "Ringquerschnitt",
         "Nr.",
         2,
         {{cell("Ring", 0, 1)}, {cell("Iz", 0, 1)}, {cell("It", 0, 1)}, {cell("G-Modul", 0, 1)}}},
        {"NODELOAD",
         "Knotenlast",
         "Nr.",
         2,
         {{cell("Kn.Nr", 0, 1)},
          {loadComponents, cell("r", 1)},
          {loadComponents, cell("z", 1)},
          {loadComponents, cell("R", 1)}}},
        {"SHELLLOAD",
         "Flächenlast",
         "Last",
         3,
         {{cell("Schale", 0, 1), cell("von", 2)},
          {cell("Schale", 0, 1), cell("bis", 2)},
          {loadComponents, cell("Querrichtung", 1), cell("Anfang", 2)},
          {loadComponents, cell("Querrichtung", 1), cell("Ende", 2)},
          {loadComponents, cell("Längsrichtung", 1), cell("Anfang", 2)},
          {loadComponents, cell("Längsrichtung", 1), cell("Ende", 2)}}},
        {"POINTLOAD",
         "Ringlast",
         "Last",
         2,
         {{cell("Schale", 0, 1)},
          {cell("xPos", 0, 1)},
          {loadComponents, cell("r", 1)},
          {loadComponents, cell("z", 1)},
          {loadComponents, cell("R", 1)}}},
        {"CONSTRAINTLOAD",
         "Zwgv",
         "Nr.",
         2,
         {{cell("Knoten", 0, 1)},
          {cell("Zwangsverschiebung in Richtung", 0), cell("r", 1)},
          {cell("Zwangsverschiebung in Richtung", 0), cell("z", 1)},
          {cell("Zwangsverschiebung in Richtung", 0), cell("R", 1)}}},
        {"WATERLOAD",
         "Wasserlast",
         "Last",
         2,
         {{shellRange, cell("von", 1)},
          {shellRange, cell("bis", 1)},
          {cell("Nullpunkt", 0, 1)},
          {cell("Wichte Gamma", 0, 1)}}},
        {"SNOWLOAD",
         "Schneelast",
         "Last",
         2,
         {{shellRange, cell("von", 1)}, {shellRange, cell("bis", 1)}, {cell("Betrag", 0, 1)}}},
        {"TEMPERATURE",
         "Temperatur",
         "Last",
         2,
         {{shellRange, cell("von", 1)},
          {shellRange, cell("bis", 1)},
          {cell("Temperatur", 0), cell("Gleichmässige", 1)},
          {cell("Temperatur", 0), cell("Ungleichmässige", 1)}}},
        {"WINDLOAD",
         "Windlast",
         "Last",
         2,
         {{cell("Schale", 0, 1)},
          {cell("Staudruck q", 0), cell("Anfang", 1)},
          {cell("Staudruck q", 0), cell("Ende", 1)}}},
        {"WINDCOEFFICIENTS",
         "Druckbeiwerte",
         "Nr.",
         1,
         {{cell("Winkel (in °)", 0)}, {cell("cp", 0)}}},
        {"HARMONICLOAD",
         "Umfangslast",
         "Last",
         3,
         {{cell("Schale", 0, 2)},
          {cell("n", 0, 2)},
          {loadComponents, cell("Querrichtung", 1), cell("Anfang", 2)},
          {loadComponents, cell("Querrichtung", 1), cell("Ende", 2)},
          {loadComponents, cell("Längsrichtung", 1), cell("Anfang", 2)},
          {loadComponents, cell("Längsrichtung", 1), cell("Ende", 2)},
          {loadComponents, cell("Umfangsrichtung", 1), cell("Anfang", 2)},
          {loadComponents, cell("Umfangsrichtung", 1), cell("Ende", 2)},
          {cell("Phase (in °)", 0, 2)}}},
        {"HARMONICNODELOAD",
         "Umfangs-Knotenlast",
         "Nr.",
         2,
         {{cell("Kn.Nr", 0, 1)},
          {cell("n", 0, 1)},
          {loadComponents, cell("r", 1)},
          {loadComponents, cell("z", 1)},
          {loadComponents, cell("v", 1)},
          {loadComponents, cell("R", 1)},
          {cell("Phase (in °)", 0, 1)}}},
        {"ANGLELOAD",
         "Einzellast am Umfang",
         "Last",
         2,
         {{cell("Kn.Nr", 0, 1)},
          {cell("Winkel (in °)", 0, 1)},
          {cell("Breite (in °)", 0, 1)},
          {cell("Kraft", 0), cell("r", 1)},
          {cell("Kraft", 0), cell("z", 1)}}},
        {"SILOLOAD",
         "Silolast",
         "Last",
         2,
         {{shellRange, cell("von", 1)},
          {shellRange, cell("bis", 1)},
          {cell("Wichte Gamma", 0, 1)},
          {cell("K", 0, 1)},
          {cell("Mü", 0, 1)},
          {cell("z Oberfläche", 0, 1)},
          {cell("Zustand", 0, 1)},
          {cell("Entleeren", 0), cell("Ch", 1)},
          {cell("Entleeren", 0), cell("Cw", 1)},
          {cell("Phi r (in °)", 0, 1)}}},
        {"HOPPERLOAD",
         "Trichterlast",
         "Last",
         2,
         {{shellRange, cell("von", 1)},
          {shellRange, cell("bis", 1)},
          {cell("Mü h", 0, 1)},
          {cell("b", 0, 1)},
          {cell("Cb", 0, 1)},
          {cell("Phi i (in °)", 0, 1)}}},
        {"SILOPATCH",
         "Teilflächenlast",
         "Last",
         2,
         {{cell("Silolast", 0, 1)},
          {cell("Tiefe zp", 0, 1)},
          {cell("Cop", 0, 1)},
          {cell("ef", 0, 1)}}},
    };
}

} // namespace

const std::vector<TableCaptions>& allTableCaptions() {
    static const std::vector<TableCaptions> captions = buildCaptions();
    return captions;
}

const TableCaptions* tableCaptions(std::string_view keyword) {
    for (const TableCaptions& captions : allTableCaptions())
        if (keyword == captions.keyword)
            return &captions;
    return nullptr;
}

const TableCaptions* tableCaptions(const InputContainer& table) {
    return tableCaptions(table.keyword());
}

std::string joinedCaption(const TableCaptions& captions, int column) {
    if (column < 0 || column >= static_cast<int>(captions.columns.size()))
        return {};
    std::string joined;
    for (const HeaderCell& header : captions.columns[static_cast<std::size_t>(column)]) {
        if (!joined.empty())
            joined += ' ';
        joined += header.text;
    }
    return joined;
}

std::string joinedCaption(const InputContainer& table, int column) {
    const TableCaptions* captions = tableCaptions(table);
    return captions ? joinedCaption(*captions, column) : std::string();
}

} // namespace venkar
