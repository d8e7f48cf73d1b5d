#pragma once

#include "support/ModelRows.h"

namespace venkar::test {

// A steel silo: a cylinder of radius r from z = 0 down to z = height in
// `wallShells` shells and, when hopperHeight > 0, a conical hopper from the
// transition down to its apex on the axis in two shells. `reversed` enters
// every shell from its lower to its upper node. The wall shells are rows
// 1..wallShells, the hopper shells the two after them.
struct SiloModelShape {
    double radius = 2.0;
    double height = 10.0;
    int wallShells = 4;
    double hopperHeight = 4.0;
    bool reversed = false;
};

inline void buildSilo(Model& model, const SiloModelShape& shape) {
    if (!model.materials.isDefined(0))
        addRow(model.materials,
               MatRecord{.youngsModulus = 2.1e8, .wallThickness = 0.008, .poissonRatio = 0.3});
    int previous = addNode(model, shape.radius, 0.0);
    const auto shell = [&](int upper, int lower) {
        shape.reversed ? addShell(model, lower, upper) : addShell(model, upper, lower);
    };
    for (int i = 1; i <= shape.wallShells; ++i) {
        const int next = addNode(model, shape.radius, shape.height * i / shape.wallShells);
        shell(previous, next);
        previous = next;
    }
    if (shape.hopperHeight <= 0.0)
        return;
    const int middle = addNode(model, shape.radius / 2.0, shape.height + shape.hopperHeight / 2.0);
    shell(previous, middle);
    const int apex = addNode(model, 0.0, shape.height + shape.hopperHeight);
    shell(middle, apex);
}

// A silo load on wall shells 1..wallShells: γ = 9, K = 0.5, μ = 0.4,
// surface at z = 0 (slender for the default shape: h_c/d_c = 2.5).
inline SiloLoadRecord siloLoad(int wallShells, int state = 1) {
    return SiloLoadRecord{.fromShell = 1,
                          .toShell = wallShells,
                          .unitWeight = 9.0,
                          .pressureRatio = 0.5,
                          .wallFriction = 0.4,
                          .surfaceDepth = 0.0,
                          .state = state,
                          .dischargeHoop = 1.15,
                          .dischargeFriction = 1.1,
                          .reposeAngle = 30.0};
}

// A hopper load on the two hopper shells after the wall: μ_h = 0.3, b = 0.2,
// C_b = 1, φ_i = 36°.
inline HopperLoadRecord hopperLoad(int wallShells) {
    return HopperLoadRecord{.fromShell = wallShells + 1,
                            .toShell = wallShells + 2,
                            .hopperFriction = 0.3,
                            .factorB = 0.2,
                            .bottomMagnifier = 1.0,
                            .internalFriction = 36.0};
}

} // namespace venkar::test
