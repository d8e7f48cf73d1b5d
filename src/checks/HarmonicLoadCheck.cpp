#include "checks/HarmonicLoadCheck.h"

#include "checks/CheckRules.h"
#include "checks/NodeUse.h"
#include "model/Error.h"
#include "model/Model.h"

#include <set>

namespace venkar {

namespace {

constexpr int maxHarmonic = Model::maxHarmonicCount;

// The first row of `table` whose value in `key` an earlier row already had.
template <class Record>
std::optional<InputFault> repeatedKey(const Table<Record>& table, InputPage page, int Record::*key,
                                      const char* message) {
    std::set<int> seen;
    for (int row : table.definedRows())
        if (!seen.insert(table.row(row).*key).second)
            return faultAt(page, row, 1, message);
    return std::nullopt;
}

std::optional<InputFault> nodeOfLoad(const Model& model, const NodeUse& use, InputPage page,
                                     int row, int node) {
    if (!model.nodes.isDefined(node - 1))
        return faultAt(page, row, 1, "Der zugehörige Knoten ist nicht definiert !");
    if (!use.onShell(node) && !use.onRing(node))
        return faultAt(page, row, 1, noConnection);
    return std::nullopt;
}

std::optional<InputFault> harmonicNumber(InputPage page, int row, int column, int n) {
    if (n < 0 || n > maxHarmonic)
        return faultAt(page, row, column, "Die Harmonische n muss zwischen 0 und 400 liegen !");
    return std::nullopt;
}

std::optional<InputFault> windCoefficients(const Model& model) {
    constexpr InputPage page = InputPage::WindCoefficients;
    const WindCoefficientClass& table = model.windCoefficients;
    const std::vector<int>& rows = table.definedRows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int row = rows[k];
        if (auto invalid = nonFiniteField(table, page, row, {1, 2}))
            return invalid;
        const double angle = table.row(row).angle;
        if (k == 0 && angle != 0.0)
            return faultAt(page, row, 1, "Die Druckbeiwerte beginnen nicht bei 0° !");
        if (k > 0 && !(angle > table.row(rows[k - 1]).angle))
            return faultAt(page, row, 1, "Die Winkel steigen nicht an !");
        if (k + 1 == rows.size() && angle != 180.0)
            return faultAt(page, row, 1, "Die Druckbeiwerte enden nicht bei 180° !");
    }
    return std::nullopt;
}

std::optional<InputFault> windLoads(const Model& model) {
    constexpr InputPage page = InputPage::WindLoads;
    for (int row : model.windLoads.definedRows()) {
        if (auto invalid = nonFiniteField(model.windLoads, page, row, {2, 3}))
            return invalid;
        if (!model.shells.isDefined(model.windLoads.row(row).shell - 1))
            return faultAt(page, row, 1, "Die Schale ist nicht definiert !");
        if (model.windCoefficients.definedCount() < 2)
            return faultAt(page, row, 2, "Windlast ohne Druckbeiwerte !");
    }
    return windCoefficients(model);
}

std::optional<InputFault> harmonicLoads(const Model& model) {
    constexpr InputPage page = InputPage::HarmonicLoads;
    for (int row : model.harmonicLoads.definedRows()) {
        if (auto invalid = nonFiniteField(model.harmonicLoads, page, row, {3, 4, 5, 6, 7, 8, 9}))
            return invalid;
        const HarmonicLoadRecord& load = model.harmonicLoads.row(row);
        if (!model.shells.isDefined(load.shell - 1))
            return faultAt(page, row, 1, "Die Schale ist nicht definiert !");
        if (auto fault = harmonicNumber(page, row, 2, load.harmonic))
            return fault;
    }
    return std::nullopt;
}

std::optional<InputFault> harmonicNodeLoads(const Model& model, const NodeUse& use) {
    constexpr InputPage page = InputPage::HarmonicNodeLoads;
    for (int row : model.harmonicNodeLoads.definedRows()) {
        if (auto invalid = nonFiniteField(model.harmonicNodeLoads, page, row, {3, 4, 5, 6, 7}))
            return invalid;
        const HarmonicNodeLoadRecord& load = model.harmonicNodeLoads.row(row);
        if (auto fault = nodeOfLoad(model, use, page, row, load.node))
            return fault;
        if (auto fault = harmonicNumber(page, row, 2, load.harmonic))
            return fault;
    }
    return std::nullopt;
}

std::optional<InputFault> angleLoads(const Model& model, const NodeUse& use) {
    constexpr InputPage page = InputPage::AngleLoads;
    for (int row : model.angleLoads.definedRows()) {
        if (auto invalid = nonFiniteField(model.angleLoads, page, row, {2, 3, 4, 5}))
            return invalid;
        const AngleLoadRecord& load = model.angleLoads.row(row);
        if (auto fault = nodeOfLoad(model, use, page, row, load.node))
            return fault;
        if (model.nodes.row(load.node - 1).r == 0)
            return faultAt(page, row, 1, "Der Knoten liegt an der Symetrieachse !");
        if (load.width < 0 || load.width > 360)
            return faultAt(page, row, 3, "Die Breite muss zwischen 0° und 360° liegen !");
    }
    return std::nullopt;
}

// True when some load of the case varies around the circumference, so that
// ring beams bend out of their circle.
bool bendsRings(const Model& model) {
    if (model.windLoads.definedCount() > 0 || model.angleLoads.definedCount() > 0)
        return true;
    for (int row : model.harmonicLoads.definedRows())
        if (model.harmonicLoads.row(row).harmonic > 0)
            return true;
    for (int row : model.harmonicNodeLoads.definedRows())
        if (model.harmonicNodeLoads.row(row).harmonic > 0)
            return true;
    return false;
}

std::optional<InputFault> ringSections(const Model& model) {
    if (!bendsRings(model))
        return std::nullopt;
    std::set<int> withSection;
    for (int row : model.harmonicRings.definedRows())
        withSection.insert(model.harmonicRings.row(row).ring);
    for (int ring : model.rings.definedRows())
        if (withSection.count(ring + 1) == 0)
            return faultAt(InputPage::Rings, ring, 1,
                           "Für Lasten am Umfang fehlen Iz, It und G des Ringträgers "
                           "(Ringquerschnitt) !");
    return std::nullopt;
}

} // namespace

std::optional<InputFault> checkHarmonicSystem(const Model& model) {
    constexpr InputPage supports = InputPage::CircumferentialSupports;
    const NodeUse use(model);
    for (int row : model.circumferentialSupports.definedRows()) {
        const SupportVRecord& support = model.circumferentialSupports.row(row);
        if (!model.nodes.isDefined(support.node - 1))
            return faultAt(supports, row, 1, "Der Knoten ist nicht definiert !");
        if (!use.onShell(support.node))
            return faultAt(supports, row, 1, noConnection);
        if (support.held != 0 && support.held != 1)
            return faultAt(supports, row, 2, "Nur 0 (frei) oder 1 (fest) ist zulässig !");
    }
    if (auto fault = repeatedKey(model.circumferentialSupports, supports, &SupportVRecord::node,
                                 "Der Knoten hat schon ein Umfangsauflager !"))
        return fault;

    constexpr InputPage sections = InputPage::HarmonicRings;
    for (int row : model.harmonicRings.definedRows()) {
        if (auto invalid = nonFiniteField(model.harmonicRings, sections, row, {2, 3, 4}))
            return invalid;
        const HarmonicRingRecord& section = model.harmonicRings.row(row);
        if (!model.rings.isDefined(section.ring - 1))
            return faultAt(sections, row, 1, "Der Ringträger ist nicht definiert !");
        if (!(section.inertiaZ > 0))
            return faultAt(sections, row, 2, " Ungültiges Flächenträgheitsmoment !");
        if (!(section.torsionConstant >= 0))
            return faultAt(sections, row, 3, " Ungültiges Torsionsträgheitsmoment !");
        if (!(section.shearModulus > 0))
            return faultAt(sections, row, 4, " Ungültiger Schubmodul !");
    }
    return repeatedKey(model.harmonicRings, sections, &HarmonicRingRecord::ring,
                       "Der Ringträger hat schon einen Querschnitt !");
}

std::optional<InputFault> checkHarmonicLoads(const Model& model, const NodeUse& use) {
    if (auto fault = windLoads(model))
        return fault;
    if (auto fault = harmonicLoads(model))
        return fault;
    if (auto fault = harmonicNodeLoads(model, use))
        return fault;
    if (auto fault = angleLoads(model, use))
        return fault;
    return ringSections(model);
}

} // namespace venkar
