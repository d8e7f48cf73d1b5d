#pragma once

#include "generator/AppendShape.h"
#include "geometry/ShellGeometry.h"
#include "model/Error.h"
#include "model/Model.h"

#include <cmath>
#include <vector>

namespace venkar::test {

inline MatRecord steel() {
    return MatRecord{
        .youngsModulus = 2.1e8, .wallThickness = 0.01, .poissonRatio = 0.3, .specificWeight = 78.5};
}

// A system holding only the shape, started at its own node 0.
inline Model modelOf(const ShapeRows& rows) {
    Model model;
    appendShape(model, rows, ShapeStart{0, rows.point(0)}, ShapeMaterial{0, steel()});
    return model;
}

// The meridians of every defined shell, in row order.
inline std::vector<Meridian> meridians(const Model& model) {
    std::vector<Meridian> list;
    for (int row : model.shells.definedRows())
        list.push_back(meridianOf(model, row));
    return list;
}

// The angle between two tangent directions, in [0, pi].
inline double angleBetween(double a, double b) {
    return std::fabs(std::remainder(a - b, 2.0 * M_PI));
}

} // namespace venkar::test
