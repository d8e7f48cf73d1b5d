#include "graphics/GraphSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace venkar;

namespace {

// One value node as the configuration file names it.
struct ExpectedSetting {
    const char* key; // below "EinstellungGrafik-Einstellung" unless it starts with "Editor"
    SettingKind kind;
    double real;
    Colour colour;
    const char* text;
};

constexpr auto R = SettingKind::RealSetting;
constexpr auto C = SettingKind::ColourSetting;
constexpr auto T = SettingKind::TextSetting;
constexpr Colour black = 0x000000, red = 0x0000FF, blue = 0xFF0000, green = 0x008000,
                 grey = 0x808080;

// The whole tree in display order, written out from the table of settings.
const std::vector<ExpectedSetting> expectedSettings = {
    {"SymmetrieachseLinieDicke", R, 0.004, 0, ""},
    {"SymmetrieachseLinieFarbe", C, 0, grey, ""},
    {"SymmetrieachseTextText", T, 0, 0, "S.A."},
    {"SymmetrieachseTextHöhe", R, 0.02, 0, ""},
    {"SymmetrieachseTextFarbe", C, 0, grey, ""},
    {"SymmetrieachseTextAbstand", R, 0.003, 0, ""},
    {"SymmetrieachseÜberstand", R, 0.05, 0, ""},
    {"GeometrieAuflagerBreite", R, 0.035, 0, ""},
    {"GeometrieAuflagerLinieDicke", R, 0.0015, 0, ""},
    {"GeometrieAuflagerLinieFarbe", C, 0, grey, ""},
    {"GeometrieKnotenBreite", R, 0.005, 0, ""},
    {"GeometrieKnotenLinieDicke", R, 0.003, 0, ""},
    {"GeometrieKnotenLinieFarbe", C, 0, green, ""},
    {"GeometrieKnotenTextHöhe", R, 0.018, 0, ""},
    {"GeometrieKnotenTextAbstand", R, 0.004, 0, ""},
    {"GeometrieSchalenLinieDicke", R, 0.003, 0, ""},
    {"GeometrieSchalenLinieFarbe", C, 0, grey, ""},
    {"GeometrieSchalenSchalennummerHöhe", R, 0.018, 0, ""},
    {"GeometrieSchalenSchalennummerFarbe", C, 0, black, ""},
    {"GeometrieSchalenSchalennummerAbstand", R, 0.008, 0, ""},
    {"GeometrieSchalenMaterialnummerHöhe", R, 0.018, 0, ""},
    {"GeometrieSchalenMaterialnummerFarbe", C, 0, black, ""},
    {"GeometrieSchalenDefinizion der SchalenrichtungLinieDicke", R, 0.002, 0, ""},
    {"GeometrieSchalenDefinizion der SchalenrichtungLinieFarbe", C, 0, black, ""},
    {"GeometrieSchalenDefinizion der SchalenrichtungPfeilgröße", R, 0.04, 0, ""},
    {"GeometrieSchalenDefinizion der SchalenrichtungAbstand", R, 0.008, 0, ""},
    {"GeometrieGelenkeBreite", R, 0.015, 0, ""},
    {"GeometrieGelenkeLinieDicke", R, 0.0015, 0, ""},
    {"GeometrieGelenkeLinieFarbe", C, 0, green, ""},
    {"GeometrieRingträgerLinieDicke", R, 0.005, 0, ""},
    {"GeometrieRingträgerLinieFarbe", C, 0, grey, ""},
    {"GeometrieElastische BettungBreite", R, 0.027, 0, ""},
    {"GeometrieElastische BettungLiniendicke", R, 0.003, 0, ""},
    {"BelastungFlächenlastenAbstand", R, 0.02, 0, ""},
    {"BelastungFlächenlastenPfeilhöhe", R, 0.02, 0, ""},
    {"BelastungFlächenlastenLinieDicke", R, 0.001, 0, ""},
    {"BelastungFlächenlastenLinieFarbe", C, 0, blue, ""},
    {"BelastungFlächenlastenText (Auch für Funktionen)Höhe", R, 0.01, 0, ""},
    {"BelastungFlächenlastenText (Auch für Funktionen)Abstand", R, 0.001, 0, ""},
    {"BelastungKnotenlastenKnotenkräfteLinieDicke", R, 0.004, 0, ""},
    {"BelastungKnotenlastenKnotenkräfteLinieFarbe", C, 0, blue, ""},
    {"BelastungKnotenlastenKnotenkräftePfeilspitze", R, 0.02, 0, ""},
    {"BelastungKnotenlastenKnotenmomenteBreite", R, 0.05, 0, ""},
    {"BelastungKnotenlastenKnotenmomenteLinieDicke", R, 0.05, 0, ""},
    {"BelastungKnotenlastenKnotenmomenteLinieFarbe", C, 0, blue, ""},
    {"BelastungKnotenlastenTexthöhe", R, 0.02, 0, ""},
    {"BelastungEinzellastenKraftLinieDicke", R, 0.001, 0, ""},
    {"BelastungEinzellastenKraftLinieFarbe", C, 0, blue, ""},
    {"BelastungEinzellastenKraftPfeilspitze", R, 0.02, 0, ""},
    {"BelastungEinzellastenMomentBreite", R, 0.05, 0, ""},
    {"BelastungEigengewichtBreite", R, 0.018, 0, ""},
    {"BelastungEigengewichtLinieDicke", R, 0.003, 0, ""},
    {"BelastungEigengewichtLinieFarbe", C, 0, blue, ""},
    {"BelastungTemperaturLinieDicke", R, 0.005, 0, ""},
    {"BelastungTemperaturLinieAbstand", R, 0.01, 0, ""},
    {"BelastungTemperaturTextTexthöhe", R, 0.02, 0, ""},
    {"BelastungTemperaturTextAbstand", R, 0.01, 0, ""},
    {"BelastungZwangsverschiebungFarbe", C, 0, red, ""},
    {"ErgebnisseAuflagerkräfteTexthöhe", R, 0.02, 0, ""},
    {"ErgebnisseAuflagerkräfteKraftPfeilspitze", R, 0.02, 0, ""},
    {"ErgebnisseAuflagerkräfteLinieDicke", R, 0.004, 0, ""},
    {"ErgebnisseAuflagerkräfteLinieFarbe", C, 0, black, ""},
    {"ErgebnisseAuflagerkräfteMomentBreite", R, 0.05, 0, ""},
    {"ErgebnisseVerformungenLinieDicke", R, 0.001, 0, ""},
    {"ErgebnisseVerformungenLinieFarbe", C, 0, red, ""},
    {"ErgebnisseVerformungenTextHöhe", R, 0.01, 0, ""},
    {"ErgebnisseVerformungenTextFarbe", C, 0, black, ""},
    {"ErgebnisseVerformungenTextAbstand", R, 0.002, 0, ""},
    {"ErgebnisseVerformungenKnotenBreite", R, 0.004, 0, ""},
    {"ErgebnisseVerformungenKnotenLiniendicke", R, 0.001, 0, ""},
    {"ErgebnisseFunktionenLinieDicke", R, 0.001, 0, ""},
    {"ErgebnisseFunktionenText (Auch für Flächenlast)Höhe", R, 0.01, 0, ""},
    {"ErgebnisseFunktionenText (Auch für Flächenlast)Abstand", R, 0.001, 0, ""},
    {"ErgebnisseFunktionenRingträger-TextHöhe", R, 0.018, 0, ""},
    {"Editor und SeitenränderEditor für die Textausgabe", T, 0, 0, "VEdit.exe"},
    {"Editor und SeitenränderSeitenränder (nur für Grafikausdruck)Links", R, 5.0, 0, ""},
    {"Editor und SeitenränderSeitenränder (nur für Grafikausdruck)Rechts", R, 5.0, 0, ""},
    {"Editor und SeitenränderSeitenränder (nur für Grafikausdruck)Oben", R, 5.0, 0, ""},
    {"Editor und SeitenränderSeitenränder (nur für Grafikausdruck)Unten", R, 5.0, 0, ""},
};

std::string fullKey(const std::string& key) {
    if (key.rfind("Editor", 0) == 0)
        return "Einstellung" + key;
    return "EinstellungGrafik-Einstellung" + key;
}

// The value nodes below `node` in depth-first order with their keys.
void collectValues(const SettingNode& node, const std::string& prefix,
                   std::vector<std::pair<std::string, const SettingNode*>>& out) {
    const std::string key = prefix + node.label();
    if (node.kind() != SettingKind::GroupSetting)
        out.emplace_back(key, &node);
    for (const auto& child : node.children())
        collectValues(*child, key, out);
}

} // namespace

TEST(GraphSettings, TreeHoldsEveryValueNodeInDisplayOrderWithItsDefault) {
    GraphSettings settings;
    std::vector<std::pair<std::string, const SettingNode*>> values;
    collectValues(settings.root(), "", values);
    ASSERT_EQ(values.size(), 79u);
    ASSERT_EQ(values.size(), expectedSettings.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ExpectedSetting& expected = expectedSettings[i];
        const SettingNode& node = *values[i].second;
        SCOPED_TRACE(expected.key);
        EXPECT_EQ(values[i].first, fullKey(expected.key));
        ASSERT_EQ(node.kind(), expected.kind);
        EXPECT_FALSE(node.isChanged());
        switch (expected.kind) {
        case SettingKind::RealSetting:
            EXPECT_EQ(node.real(), expected.real);
            EXPECT_EQ(node.defaultReal(), expected.real);
            break;
        case SettingKind::ColourSetting:
            EXPECT_EQ(node.colour(), expected.colour);
            EXPECT_EQ(node.defaultColour(), expected.colour);
            break;
        default:
            EXPECT_EQ(node.text(), expected.text);
            EXPECT_EQ(node.defaultText(), expected.text);
        }
    }
}

TEST(GraphSettings, TopLevelGroupsAreTheTwoChildrenOfTheRoot) {
    GraphSettings settings;
    const SettingNode& root = settings.root();
    EXPECT_EQ(root.label(), "Einstellung");
    ASSERT_EQ(root.children().size(), 2u);
    EXPECT_EQ(root.children()[0]->label(), "Grafik-Einstellung");
    EXPECT_EQ(root.children()[1]->label(), "Editor und Seitenränder");
    std::vector<std::string> graphicsGroups;
    for (const auto& child : root.children()[0]->children())
        graphicsGroups.push_back(child->label());
    EXPECT_EQ(graphicsGroups,
              (std::vector<std::string>{"Symmetrieachse", "Geometrie", "Belastung", "Ergebnisse"}));
}

TEST(GraphSettings, NodesAreBoundToTheValuesTheDrawingCodeReads) {
    GraphSettings settings;
    settings.find("Geometrie/Knoten/Linie/Dicke")->setReal(0.006);
    settings.find("Symmetrieachse/Text/Text")->setText("AXE");
    settings.find("Ergebnisse/Verformungen/Linie/Farbe")->setColour(0x123456);
    settings.find("Editor und Seitenränder/Seitenränder (nur für Grafikausdruck)/Unten")
        ->setReal(12.5);
    EXPECT_EQ(settings.values.geometry.nodeLineWidth, 0.006);
    EXPECT_EQ(settings.values.axis.text, "AXE");
    EXPECT_EQ(settings.values.results.deformationColour, 0x123456);
    EXPECT_EQ(settings.values.editorAndMargins.marginBottom, 12.5);
    EXPECT_EQ(settings.find("Geometrie/Knoten/Linie/Nichts"), nullptr);
    EXPECT_EQ(settings.find("Geometrie/Knoten")->kind(), SettingKind::GroupSetting);
}

TEST(GraphSettings, SharedValuesChangeTogether) {
    GraphSettings settings;
    settings.find("Belastung/Knotenlasten/Knotenmomente/Breite")->setReal(0.07);
    EXPECT_EQ(settings.find("Belastung/Knotenlasten/Knotenmomente/Linie/Dicke")->real(), 0.07);

    settings.find("Belastung/Knotenlasten/Knotenkräfte/Linie/Farbe")->setColour(colours::green);
    EXPECT_EQ(settings.find("Belastung/Knotenlasten/Knotenmomente/Linie/Farbe")->colour(),
              colours::green);

    settings.find("Ergebnisse/Funktionen/Text (Auch für Flächenlast)/Höhe")->setReal(0.03);
    settings.find("Belastung/Flächenlasten/Text (Auch für Funktionen)/Abstand")->setReal(0.004);
    EXPECT_EQ(settings.find("Belastung/Flächenlasten/Text (Auch für Funktionen)/Höhe")->real(),
              0.03);
    EXPECT_EQ(settings.find("Ergebnisse/Funktionen/Text (Auch für Flächenlast)/Abstand")->real(),
              0.004);

    std::string lines;
    settings.root().writeChanged(lines);
    EXPECT_EQ(
        lines,
        "EinstellungGrafik-EinstellungBelastungFlächenlastenText (Auch für Funktionen)Höhe = "
        "0.030000\n"
        "EinstellungGrafik-EinstellungBelastungFlächenlastenText (Auch für Funktionen)Abstand = "
        "0.004000\n"
        "EinstellungGrafik-EinstellungBelastungKnotenlastenKnotenkräfteLinieFarbe = 32768\n"
        "EinstellungGrafik-EinstellungBelastungKnotenlastenKnotenmomenteBreite = 0.070000\n"
        "EinstellungGrafik-EinstellungBelastungKnotenlastenKnotenmomenteLinieDicke = 0.070000\n"
        "EinstellungGrafik-EinstellungBelastungKnotenlastenKnotenmomenteLinieFarbe = 32768\n"
        "EinstellungGrafik-EinstellungErgebnisseFunktionenText (Auch für Flächenlast)Höhe = "
        "0.030000\n"
        "EinstellungGrafik-EinstellungErgebnisseFunktionenText (Auch für Flächenlast)Abstand = "
        "0.004000\n");
}

TEST(GraphSettings, ResetAllRestoresEveryDefaultIncludingEditorAndMargins) {
    GraphSettings settings;
    std::vector<std::pair<std::string, const SettingNode*>> values;
    collectValues(settings.root(), "", values);
    for (auto& [key, node] : values) {
        auto* editable = const_cast<SettingNode*>(node);
        switch (node->kind()) {
        case SettingKind::RealSetting:
            editable->setReal(node->real() * 3 + 1);
            break;
        case SettingKind::ColourSetting:
            editable->setColour(0x010203);
            break;
        default:
            editable->setText("other.exe");
        }
        EXPECT_TRUE(node->isChanged()) << key;
    }
    settings.resetAll();
    for (auto& [key, node] : values)
        EXPECT_FALSE(node->isChanged()) << key;
    EXPECT_EQ(settings.values.editorAndMargins.editor, "VEdit.exe");
    EXPECT_EQ(settings.values.editorAndMargins.marginLeft, 5.0);
    std::string lines;
    settings.root().writeChanged(lines);
    EXPECT_EQ(lines, "");
}

TEST(GraphSettings, SeparateInstancesDoNotShareValues) {
    GraphSettings first;
    first.values.axis.overhang = 0.5;
    GraphSettings second;
    EXPECT_EQ(second.values.axis.overhang, 0.05);
    EXPECT_EQ(second.find("Symmetrieachse/Überstand")->defaultReal(), 0.05);
}

TEST(SettingNode, TreeIndicesAreAssignedAndFoundDepthFirst) {
    GraphSettings settings;
    SettingNode& root = settings.root();
    // Before the view is filled every node has -1.
    EXPECT_EQ(root.findByTreeIndex(5), nullptr);
    EXPECT_EQ(root.findByTreeIndex(-1), &root);

    const int next = root.assignTreeIndices(0);
    // 79 value nodes and 56 groups (the root and the two top groups
    // included).
    EXPECT_EQ(next, 79 + 56);
    EXPECT_EQ(root.findByTreeIndex(-1), nullptr);
    EXPECT_EQ(root.findByTreeIndex(0), &root);
    EXPECT_EQ(root.findByTreeIndex(2)->label(), "Symmetrieachse");
    EXPECT_EQ(root.findByTreeIndex(4), settings.find("Symmetrieachse/Linie/Dicke"));
    EXPECT_EQ(root.findByTreeIndex(next - 1),
              settings.find("Editor und Seitenränder/Seitenränder (nur für Grafikausdruck)/Unten"));
    EXPECT_EQ(root.findByTreeIndex(next), nullptr);
}

TEST(SettingNode, FindByPathMatchesWholeKeysExactly) {
    GraphSettings settings;
    SettingNode& root = settings.root();
    EXPECT_EQ(root.findByPath("Einstellung"), &root);
    EXPECT_EQ(root.findByPath("EinstellungGrafik-EinstellungGeometrieKnotenLinieDicke"),
              settings.find("Geometrie/Knoten/Linie/Dicke"));
    EXPECT_EQ(root.findByPath("einstellungGrafik-EinstellungGeometrieKnotenLinieDicke"), nullptr);
    EXPECT_EQ(root.findByPath("EinstellungGrafik-EinstellungGeometrieKnotenLinieDick"), nullptr);
    EXPECT_EQ(root.findByPath("EinstellungGrafik-EinstellungGeometrieKnotenLinieDickeX"), nullptr);
    EXPECT_EQ(root.findByPath(""), nullptr);
}

TEST(SettingNode, SetFromTextReadsLeadingNumbersLikeTheCLibrary) {
    double real = 1.0;
    Colour colour = 7;
    std::string text = "x";
    SettingNode group("G");
    SettingNode& realNode = group.addReal("R", real);
    SettingNode& colourNode = group.addColour("C", colour);
    SettingNode& textNode = group.addText("T", text);

    realNode.setFromText("0.25xyz");
    EXPECT_EQ(real, 0.25);
    realNode.setFromText("+1.5e-3");
    EXPECT_EQ(real, 0.0015);
    realNode.setFromText("-.5");
    EXPECT_EQ(real, -0.5);
    realNode.setFromText("abc");
    EXPECT_EQ(real, 0.0);
    realNode.setFromText("0,5"); // the comma ends the number
    EXPECT_EQ(real, 0.0);

    colourNode.setFromText("  255");
    EXPECT_EQ(colour, 255);
    colourNode.setFromText("-16777216 rest");
    EXPECT_EQ(colour, -16777216);
    colourNode.setFromText("red");
    EXPECT_EQ(colour, 0);

    textNode.setFromText("");
    EXPECT_EQ(text, "");
    group.setFromText("ignored");
    EXPECT_EQ(real, 0.0);

    // The defaults were taken when the nodes were built.
    EXPECT_EQ(realNode.defaultReal(), 1.0);
    EXPECT_EQ(colourNode.defaultColour(), 7);
    EXPECT_EQ(textNode.defaultText(), "x");
    EXPECT_THROW(realNode.colour(), std::logic_error);
}
