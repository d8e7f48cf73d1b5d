#pragma once

#include "model/InputContainer.h"

#include <string>

namespace venkar {

class Model;

// The tab pages of the two input windows, one per table, in window order.
enum class InputPage {
    // System window ("Geometrie")
    Nodes,                   // "Knoten"
    Shells,                  // "Schalen"
    Materials,               // "Materialien"
    Hinges,                  // "Gelenke"
    Rings,                   // "Ringträger"
    CircumferentialSupports, // "Umfangsauflager"
    HarmonicRings,           // "Ringquerschnitt"
    // Load window ("Belastung")
    NodeLoads,         // "Knotenlast"
    ShellLoads,        // "Flächenlast"
    PointLoads,        // "Ringlast"
    ConstraintLoads,   // "Zwgv"
    WaterLoads,        // "Wasserlast"
    SnowLoads,         // "Schneelast"
    TempLoads,         // "Temperatur"
    WindLoads,         // "Windlast"
    WindCoefficients,  // "Druckbeiwerte"
    HarmonicLoads,     // "Umfangslast"
    HarmonicNodeLoads, // "Umfangs-Knotenlast"
    AngleLoads,        // "Einzellast am Umfang"
    SiloLoads,         // "Silolast"
    HopperLoads,       // "Trichterlast"
    SiloPatches,       // "Teilflächenlast"
};

// The tab caption of the page.
const char* pageCaption(InputPage page);
// The input window that shows the page.
InputContainer::Document pageDocument(InputPage page);
// The table the page shows.
InputContainer& pageTable(Model& model, InputPage page);
const InputContainer& pageTable(const Model& model, InputPage page);

// The first fault a plausibility check found: the page that shows the faulty
// row, the cell to put the cursor on and the message for the user.
struct InputFault {
    InputPage page;
    int row;    // 0-based row index in the page's table
    int column; // 1-based grid column of the faulty field
    std::string message;
};

} // namespace venkar
