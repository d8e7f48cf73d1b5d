#include "checks/SiloLoadCheck.h"

#include "checks/CheckRules.h"
#include "loads/SiloPatch.h"
#include "loads/SiloShells.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

// Grid columns (1-based) of the silo load table.
enum SiloColumn : int {
    siloFrom = 1,
    siloUnitWeight = 3,
    siloRatio = 4,
    siloFriction = 5,
    siloSurface = 6,
    siloState = 7,
    siloHoop = 8,
    siloWallFriction = 9,
    siloRepose = 10,
};

// Grid columns of the hopper load table.
enum HopperColumn : int {
    hopperFrom = 1,
    hopperFriction = 3,
    hopperB = 4,
    hopperMagnifier = 5,
    hopperInternal = 6,
};

// Grid columns of the patch load table.
enum PatchColumn : int {
    patchSilo = 1,
    patchDepth = 2,
    patchFactor = 3,
    patchEccentricity = 4,
};

// Coordinates this close to the filled wall's ends count as on them.
constexpr double bandTolerance = 1e-9;

std::optional<InputFault> shellRange(const Model& model, InputPage page, int row, int fromShell,
                                     int toShell) {
    if (toShell < fromShell)
        return faultAt(page, row, 1, "Schalereihenfolge ist falsch");
    for (int shell = fromShell; shell <= toShell; ++shell)
        if (!model.shells.isDefined(shell - 1))
            return faultAt(page, row, 1, formatText("Schale %d ist nicht definiert", shell));
    return std::nullopt;
}

const char* shapeMessage(SiloShapeFault fault) {
    switch (fault) {
    case SiloShapeFault::notChain:
        return "Die Schalen bilden keine zusammenhängende Kette von oben nach unten !";
    case SiloShapeFault::wallNotVertical:
        return "Die Silowand muss aus geraden, senkrechten Schalen mit einem Radius bestehen !";
    case SiloShapeFault::hopperNotConical:
        return "Der Trichter muss ein gerader Kegel sein, der sich nach unten verengt !";
    case SiloShapeFault::noWallAbove:
        return "Über dem Trichter endet keine Silowand (Silolast) !";
    case SiloShapeFault::none:
        break;
    }
    return "";
}

std::optional<InputFault> siloRow(const Model& model, int row, const SiloLoadRecord& load) {
    constexpr InputPage page = InputPage::SiloLoads;
    if (auto fault = shellRange(model, page, row, load.fromShell, load.toShell))
        return fault;
    const WallShape shape = wallShape(model, load);
    if (shape.fault != SiloShapeFault::none)
        return faultAt(page, row, siloFrom, shapeMessage(shape.fault));
    const ShellChainPoints chain = shellChain(model, load.fromShell, load.toShell);
    if (!(chain.points[1].y > load.surfaceDepth))
        return faultAt(page, row, siloSurface,
                       "Die oberste Schale liegt nicht unter der Oberfläche des Schüttguts !");
    if (!(load.unitWeight > 0.0))
        return faultAt(page, row, siloUnitWeight, "Die Wichte muss größer als 0 sein !");
    if (!(load.pressureRatio > 0.0 && load.pressureRatio < 1.0))
        return faultAt(page, row, siloRatio, "K muss zwischen 0 und 1 liegen !");
    if (!(load.wallFriction > 0.0))
        return faultAt(page, row, siloFriction, "Mü muss größer als 0 sein !");
    if (load.state != 1 && load.state != 2)
        return faultAt(page, row, siloState, "Zustand: 1 Füllen, 2 Entleeren !");
    if (load.state == 2 && !(load.dischargeHoop >= 1.0))
        return faultAt(page, row, siloHoop, "Der Entleerungsfaktor muss mindestens 1 sein !");
    if (load.state == 2 && !(load.dischargeFriction >= 1.0))
        return faultAt(page, row, siloWallFriction,
                       "Der Entleerungsfaktor muss mindestens 1 sein !");
    const SiloWall wall = siloWall(load, shape);
    if (wall.slenderness() != SiloSlenderness::slender) {
        if (!(load.reposeAngle > 0.0 && load.reposeAngle < 90.0))
            return faultAt(page, row, siloRepose,
                           "Der Böschungswinkel muss zwischen 0 und 90° liegen !");
        const double z0 = janssenDepth(wall.radius, wall.pressureRatio, wall.wallFriction);
        if (!(heapDepth(wall.radius, wall.reposeAngle) < z0))
            return faultAt(page, row, siloRepose, "Der Schüttkegel ist für diesen Silo zu hoch !");
    }
    return std::nullopt;
}

std::optional<InputFault> hopperRow(const Model& model, int row, const HopperLoadRecord& load) {
    constexpr InputPage page = InputPage::HopperLoads;
    if (auto fault = shellRange(model, page, row, load.fromShell, load.toShell))
        return fault;
    const HopperShape shape = hopperShape(model, load);
    if (shape.fault != SiloShapeFault::none)
        return faultAt(page, row, hopperFrom, shapeMessage(shape.fault));
    const std::optional<int> wallRow = wallAboveHopper(model, shape);
    if (!wallRow)
        return faultAt(page, row, hopperFrom, shapeMessage(SiloShapeFault::noWallAbove));
    if (!(load.hopperFriction > 0.0))
        return faultAt(page, row, hopperFriction, "Mü h muss größer als 0 sein !");
    if (!(load.factorB >= 0.0 && load.factorB < 1.0))
        return faultAt(page, row, hopperB, "b muss zwischen 0 und 1 liegen !");
    if (!(load.bottomMagnifier >= 1.0))
        return faultAt(page, row, hopperMagnifier, "Cb muss mindestens 1 sein !");
    const SiloLoadRecord& solid = model.siloLoads.row(*wallRow);
    // Only a steep hopper under discharge uses φ_i: the radial stress field
    // needs sin φ_wh < sin φ_i.
    if (solid.state == 2 &&
        steepHopper(shape.halfAngle, solid.pressureRatio, load.hopperFriction)) {
        const double wallAngle = std::atan(load.hopperFriction);
        const double internal = radiansOf(load.internalFriction);
        if (!(internal > wallAngle && load.internalFriction < 90.0))
            return faultAt(page, row, hopperInternal,
                           "Der innere Reibungswinkel muss größer als der Wandreibungswinkel des "
                           "Trichters und kleiner als 90° sein !");
    }
    return std::nullopt;
}

// The referenced silo row has passed its own checks when this runs.
std::optional<InputFault> patchRow(const Model& model, int row, const SiloPatchRecord& load) {
    constexpr InputPage page = InputPage::SiloPatches;
    if (load.siloRow < 1 || !model.siloLoads.isDefined(load.siloRow - 1))
        return faultAt(page, row, patchSilo,
                       formatText("Silolast %d ist nicht definiert", load.siloRow));
    if (!(load.patchDepth >= 0.0))
        return faultAt(page, row, patchDepth, "Die Tiefe zp darf nicht negativ sein !");
    if (!(load.patchFactor >= 0.0))
        return faultAt(page, row, patchFactor, "Cop darf nicht negativ sein !");
    const SiloLoadRecord& solid = model.siloLoads.row(load.siloRow - 1);
    const WallShape shape = wallShape(model, solid);
    const SiloWall wall = siloWall(solid, shape);
    if (!(load.eccentricity >= 0.0 && load.eccentricity <= wall.radius))
        return faultAt(page, row, patchEccentricity,
                       "ef muss zwischen 0 und dem Radius der Wand liegen !");
    const SiloPatch patch = siloPatch(wall, load.patchDepth, load.patchFactor, load.eccentricity);
    const double filledTop = std::max(shape.top, wall.surfaceDepth);
    const double tolerance = bandTolerance * std::max({1.0, wall.radius, std::fabs(filledTop),
                                                       std::fabs(wall.transitionDepth)});
    if (!(patch.top() >= filledTop - tolerance &&
          patch.bottom() <= wall.transitionDepth + tolerance))
        return faultAt(page, row, patchDepth,
                       "Das Band der Teilflächenlast liegt nicht ganz in der gefüllten Wand !");
    return std::nullopt;
}

} // namespace

std::optional<InputFault> checkSiloLoads(const Model& model) {
    for (int row : model.siloLoads.definedRows()) {
        if (auto invalid =
                nonFiniteField(model.siloLoads, InputPage::SiloLoads, row, {3, 4, 5, 6, 8, 9, 10}))
            return invalid;
        if (auto fault = siloRow(model, row, model.siloLoads.row(row)))
            return fault;
    }
    for (int row : model.hopperLoads.definedRows()) {
        if (auto invalid =
                nonFiniteField(model.hopperLoads, InputPage::HopperLoads, row, {3, 4, 5, 6}))
            return invalid;
        if (auto fault = hopperRow(model, row, model.hopperLoads.row(row)))
            return fault;
    }
    for (int row : model.siloPatches.definedRows()) {
        if (auto invalid =
                nonFiniteField(model.siloPatches, InputPage::SiloPatches, row, {2, 3, 4}))
            return invalid;
        if (auto fault = patchRow(model, row, model.siloPatches.row(row)))
            return fault;
    }
    return std::nullopt;
}

} // namespace venkar
