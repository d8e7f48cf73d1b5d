#pragma once

#include "graphics/Colour.h"
#include "graphics/SettingNode.h"

#include <string>
#include <string_view>

namespace venkar {

// The values the plots are drawn with, initialised with their factory
// defaults. Lengths are fractions of the reference length of a plot (the
// diagonal of the drawn model's bounding box): a pen width, text height or
// symbol size in model units is the value times that length. "Gap" is the
// offset of a text or a row of symbols from what it belongs to.

struct AxisSettings { // "Symmetrieachse"
    double lineWidth = 0.004;
    Colour lineColour = colours::grey;
    std::string text = "S.A.";
    double textHeight = 0.02;
    Colour textColour = colours::grey;
    double textGap = 0.003;
    double overhang = 0.05; // how far the axis reaches beyond the structure
};

struct GeometrySettings { // "Geometrie"
    double supportSize = 0.035;
    double supportLineWidth = 0.0015;
    Colour supportColour = colours::grey;

    double nodeSize = 0.005;
    double nodeLineWidth = 0.003;
    Colour nodeColour = colours::green;
    double nodeTextHeight = 0.018;
    double nodeTextGap = 0.004;

    double shellLineWidth = 0.003;
    Colour shellColour = colours::grey;
    double shellNumberHeight = 0.018;
    Colour shellNumberColour = colours::black;
    double shellNumberGap = 0.008;
    double materialNumberHeight = 0.018;
    Colour materialNumberColour = colours::black;
    double directionLineWidth = 0.002;
    Colour directionColour = colours::black;
    double directionArrowSize = 0.04;
    double directionGap = 0.008;

    double hingeSize = 0.015;
    double hingeLineWidth = 0.0015;
    Colour hingeColour = colours::green;

    double ringLineWidth = 0.005;
    Colour ringColour = colours::grey;

    double beddingSize = 0.027;
    double beddingLineWidth = 0.003;
};

struct LoadSettings { // "Belastung"
    double surfaceLoadGap = 0.02;
    double surfaceLoadArrowHeight = 0.02;
    double surfaceLoadLineWidth = 0.001;
    Colour surfaceLoadColour = colours::blue;

    double nodeForceLineWidth = 0.004;
    Colour nodeLoadColour = colours::blue; // node forces and node moments
    double nodeForceHeadSize = 0.02;
    double nodeMomentSize = 0.05; // the moments' radius and their pen width
    double nodeLoadTextHeight = 0.02;

    double pointForceLineWidth = 0.001;
    Colour pointForceColour = colours::blue;
    double pointForceHeadSize = 0.02;
    double pointMomentSize = 0.05;

    double selfWeightSize = 0.018;
    double selfWeightLineWidth = 0.003;
    Colour selfWeightColour = colours::blue;

    double temperatureLineWidth = 0.005;
    double temperatureLineGap = 0.01;
    double temperatureTextHeight = 0.02;
    double temperatureTextGap = 0.01;

    Colour prescribedDisplacementColour = colours::red;
};

struct ResultSettings { // "Ergebnisse"
    double reactionTextHeight = 0.02;
    double reactionHeadSize = 0.02;
    double reactionLineWidth = 0.004;
    Colour reactionColour = colours::black;
    double reactionMomentSize = 0.05;

    double deformationLineWidth = 0.001;
    Colour deformationColour = colours::red;
    double deformationTextHeight = 0.01;
    Colour deformationTextColour = colours::black;
    double deformationTextGap = 0.002;
    double deformedNodeSize = 0.004;
    double deformedNodeLineWidth = 0.001;

    double diagramLineWidth = 0.001;
    double ringTextHeight = 0.018;
};

// The value texts of surface loads and of the result diagrams: one pair of
// values shown under both groups.
struct ValueTextSettings {
    double height = 0.01;
    double gap = 0.001;
};

struct EditorAndMargins {             // "Editor und Seitenränder"
    std::string editor = "VEdit.exe"; // program name or path
    double marginLeft = 5.0;          // page margins of printed plots, mm
    double marginRight = 5.0;
    double marginTop = 5.0;
    double marginBottom = 5.0;
};

struct SettingValues {
    AxisSettings axis;
    GeometrySettings geometry;
    LoadSettings loads;
    ResultSettings results;
    ValueTextSettings valueText;
    EditorAndMargins editorAndMargins;
};

// The values together with the tree that names them, edits them and keeps
// them in the configuration file. The program keeps one for its whole run;
// every test builds its own. The tree is built over the values at
// construction and records their factory values as defaults, so the object
// neither copies nor moves.
class GraphSettings {
public:
    GraphSettings();
    GraphSettings(const GraphSettings&) = delete;
    GraphSettings& operator=(const GraphSettings&) = delete;

    SettingValues values;

    // The root group "Einstellung" with "Grafik-Einstellung" and "Editor und
    // Seitenränder" below it.
    SettingNode& root() { return root_; }
    const SettingNode& root() const { return root_; }

    // The node named by its label path below "Grafik-Einstellung", labels
    // joined with "/" (for example "Geometrie/Knoten/Linie/Dicke"); the path
    // "Editor und Seitenränder/..." names the nodes of that group. Null when
    // no node has the path.
    SettingNode* find(std::string_view labelPath);

    // All values back to their defaults.
    void resetAll() { root_.resetAll(); }

private:
    SettingNode root_{"Einstellung"};
};

// Builds the tree of `values` below `root`: "Grafik-Einstellung" and "Editor
// und Seitenränder" with all their nodes, in display order.
void buildSettingsTree(SettingNode& root, SettingValues& values);

} // namespace venkar
