#include "graphics/GraphSettings.h"

namespace venkar {

namespace {

// The recurring group "Linie" with "Dicke" and "Farbe".
void addLine(SettingNode& parent, double& width, Colour& colour) {
    SettingNode& line = parent.addGroup("Linie");
    line.addReal("Dicke", width);
    line.addColour("Farbe", colour);
}

void addAxis(SettingNode& graphics, AxisSettings& axis) {
    SettingNode& group = graphics.addGroup("Symmetrieachse");
    addLine(group, axis.lineWidth, axis.lineColour);
    SettingNode& text = group.addGroup("Text");
    text.addText("Text", axis.text);
    text.addReal("Höhe", axis.textHeight);
    text.addColour("Farbe", axis.textColour);
    text.addReal("Abstand", axis.textGap);
    group.addReal("Überstand", axis.overhang);
}

void addShells(SettingNode& geometry, GeometrySettings& g) {
    SettingNode& shells = geometry.addGroup("Schalen");
    addLine(shells, g.shellLineWidth, g.shellColour);
    SettingNode& shellNumber = shells.addGroup("Schalennummer");
    shellNumber.addReal("Höhe", g.shellNumberHeight);
    shellNumber.addColour("Farbe", g.shellNumberColour);
    shellNumber.addReal("Abstand", g.shellNumberGap);
    SettingNode& materialNumber = shells.addGroup("Materialnummer");
    materialNumber.addReal("Höhe", g.materialNumberHeight);
    materialNumber.addColour("Farbe", g.materialNumberColour);
    SettingNode& direction = shells.addGroup("Definizion der Schalenrichtung");
    addLine(direction, g.directionLineWidth, g.directionColour);
    direction.addReal("Pfeilgröße", g.directionArrowSize);
    direction.addReal("Abstand", g.directionGap);
}

void addGeometry(SettingNode& graphics, GeometrySettings& g) {
    SettingNode& geometry = graphics.addGroup("Geometrie");

    SettingNode& supports = geometry.addGroup("Auflager");
    supports.addReal("Breite", g.supportSize);
    addLine(supports, g.supportLineWidth, g.supportColour);

    SettingNode& nodes = geometry.addGroup("Knoten");
    nodes.addReal("Breite", g.nodeSize);
    addLine(nodes, g.nodeLineWidth, g.nodeColour);
    SettingNode& nodeText = nodes.addGroup("Text");
    nodeText.addReal("Höhe", g.nodeTextHeight);
    nodeText.addReal("Abstand", g.nodeTextGap);

    addShells(geometry, g);

    SettingNode& hinges = geometry.addGroup("Gelenke");
    hinges.addReal("Breite", g.hingeSize);
    addLine(hinges, g.hingeLineWidth, g.hingeColour);

    addLine(geometry.addGroup("Ringträger"), g.ringLineWidth, g.ringColour);

    SettingNode& bedding = geometry.addGroup("Elastische Bettung");
    bedding.addReal("Breite", g.beddingSize);
    bedding.addReal("Liniendicke", g.beddingLineWidth);
}

// The value text pair shared by surface loads and result diagrams.
void addValueText(SettingNode& parent, const char* label, ValueTextSettings& valueText) {
    SettingNode& text = parent.addGroup(label);
    text.addReal("Höhe", valueText.height);
    text.addReal("Abstand", valueText.gap);
}

void addLoads(SettingNode& graphics, LoadSettings& l, ValueTextSettings& valueText) {
    SettingNode& loads = graphics.addGroup("Belastung");

    SettingNode& surface = loads.addGroup("Flächenlasten");
    surface.addReal("Abstand", l.surfaceLoadGap);
    surface.addReal("Pfeilhöhe", l.surfaceLoadArrowHeight);
    addLine(surface, l.surfaceLoadLineWidth, l.surfaceLoadColour);
    addValueText(surface, "Text (Auch für Funktionen)", valueText);

    SettingNode& nodeLoads = loads.addGroup("Knotenlasten");
    SettingNode& forces = nodeLoads.addGroup("Knotenkräfte");
    addLine(forces, l.nodeForceLineWidth, l.nodeLoadColour);
    forces.addReal("Pfeilspitze", l.nodeForceHeadSize);
    SettingNode& moments = nodeLoads.addGroup("Knotenmomente");
    moments.addReal("Breite", l.nodeMomentSize);
    addLine(moments, l.nodeMomentSize, l.nodeLoadColour);
    nodeLoads.addReal("Texthöhe", l.nodeLoadTextHeight);

    SettingNode& pointLoads = loads.addGroup("Einzellasten");
    SettingNode& force = pointLoads.addGroup("Kraft");
    addLine(force, l.pointForceLineWidth, l.pointForceColour);
    force.addReal("Pfeilspitze", l.pointForceHeadSize);
    pointLoads.addGroup("Moment").addReal("Breite", l.pointMomentSize);

    SettingNode& selfWeight = loads.addGroup("Eigengewicht");
    selfWeight.addReal("Breite", l.selfWeightSize);
    addLine(selfWeight, l.selfWeightLineWidth, l.selfWeightColour);

    SettingNode& temperature = loads.addGroup("Temperatur");
    SettingNode& temperatureLine = temperature.addGroup("Linie");
    temperatureLine.addReal("Dicke", l.temperatureLineWidth);
    temperatureLine.addReal("Abstand", l.temperatureLineGap);
    SettingNode& temperatureText = temperature.addGroup("Text");
    temperatureText.addReal("Texthöhe", l.temperatureTextHeight);
    temperatureText.addReal("Abstand", l.temperatureTextGap);

    loads.addGroup("Zwangsverschiebung").addColour("Farbe", l.prescribedDisplacementColour);
}

void addResults(SettingNode& graphics, ResultSettings& r, ValueTextSettings& valueText) {
    SettingNode& results = graphics.addGroup("Ergebnisse");

    SettingNode& reactions = results.addGroup("Auflagerkräfte");
    reactions.addReal("Texthöhe", r.reactionTextHeight);
    reactions.addGroup("Kraft").addReal("Pfeilspitze", r.reactionHeadSize);
    addLine(reactions, r.reactionLineWidth, r.reactionColour);
    reactions.addGroup("Moment").addReal("Breite", r.reactionMomentSize);

    SettingNode& deformations = results.addGroup("Verformungen");
    addLine(deformations, r.deformationLineWidth, r.deformationColour);
    SettingNode& text = deformations.addGroup("Text");
    text.addReal("Höhe", r.deformationTextHeight);
    text.addColour("Farbe", r.deformationTextColour);
    text.addReal("Abstand", r.deformationTextGap);
    SettingNode& nodes = deformations.addGroup("Knoten");
    nodes.addReal("Breite", r.deformedNodeSize);
    nodes.addReal("Liniendicke", r.deformedNodeLineWidth);

    SettingNode& diagrams = results.addGroup("Funktionen");
    diagrams.addGroup("Linie").addReal("Dicke", r.diagramLineWidth);
    addValueText(diagrams, "Text (Auch für Flächenlast)", valueText);
    diagrams.addGroup("Ringträger-Text").addReal("Höhe", r.ringTextHeight);
}

void addEditorAndMargins(SettingNode& root, EditorAndMargins& e) {
    SettingNode& group = root.addGroup("Editor und Seitenränder");
    group.addText("Editor für die Textausgabe", e.editor);
    SettingNode& margins = group.addGroup("Seitenränder (nur für Grafikausdruck)");
    margins.addReal("Links", e.marginLeft);
    margins.addReal("Rechts", e.marginRight);
    margins.addReal("Oben", e.marginTop);
    margins.addReal("Unten", e.marginBottom);
}

SettingNode* findChild(SettingNode& parent, std::string_view label) {
    for (const auto& child : parent.children()) {
        if (child->label() == label)
            return child.get();
    }
    return nullptr;
}

} // namespace

void buildSettingsTree(SettingNode& root, SettingValues& values) {
    SettingNode& graphics = root.addGroup("Grafik-Einstellung");
    addAxis(graphics, values.axis);
    addGeometry(graphics, values.geometry);
    addLoads(graphics, values.loads, values.valueText);
    addResults(graphics, values.results, values.valueText);
    addEditorAndMargins(root, values.editorAndMargins);
}

GraphSettings::GraphSettings() {
    buildSettingsTree(root_, values);
}

SettingNode* GraphSettings::find(std::string_view labelPath) {
    const std::string_view editorGroup = "Editor und Seitenränder";
    const bool underEditorGroup = labelPath.substr(0, editorGroup.size()) == editorGroup;
    SettingNode* node = underEditorGroup ? &root_ : findChild(root_, "Grafik-Einstellung");
    while (node && !labelPath.empty()) {
        const std::size_t slash = labelPath.find('/');
        node = findChild(*node, labelPath.substr(0, slash));
        labelPath =
            slash == std::string_view::npos ? std::string_view{} : labelPath.substr(slash + 1);
    }
    return node;
}

} // namespace venkar
