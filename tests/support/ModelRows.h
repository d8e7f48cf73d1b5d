#pragma once

#include "model/Model.h"

namespace venkar::test {

// Appends a defined row holding exactly `record` (as a file would supply it:
// the defaults a new row takes over from the row above are overwritten) and
// returns its 0-based row index.
template <class Record> int addRow(Table<Record>& table, const Record& record) {
    const int row = table.count();
    table.changeValid(row, 0, rowFromFile);
    table.rowAt(row) = record;
    return row;
}

// Appends a defined node and returns its node number (1-based).
inline int addNode(Model& model, double r, double z) {
    return addRow(model.nodes, NodeRecord{.r = r, .z = z}) + 1;
}

// Appends a defined shell (factor 1, one interval) and returns its 0-based
// row index.
inline int addShell(Model& model, int startNode, int endNode, double radius = 0.0,
                    int curvature = 0, int material = 1) {
    return addRow(model.shells, ShellRecord{.startNode = startNode,
                                            .endNode = endNode,
                                            .curvature = curvature,
                                            .radius = radius,
                                            .material = material,
                                            .discretisationFactor = 1.0,
                                            .intervals = 1});
}

// Appends two nodes, (r1, z1) then (r2, z2), and a shell from the first to
// the second; returns the shell's row index.
inline int addShellWithNodes(Model& model, double r1, double z1, double r2, double z2,
                             double radius = 0.0, int curvature = 0, int material = 1) {
    const int start = addNode(model, r1, z1);
    const int end = addNode(model, r2, z2);
    return addShell(model, start, end, radius, curvature, material);
}

// Appends a defined material (E, t, nu; the rest 0) and returns its number.
inline int addMaterial(Model& model, double youngsModulus, double wallThickness,
                       double poissonRatio) {
    return addRow(model.materials, MatRecord{.youngsModulus = youngsModulus,
                                             .wallThickness = wallThickness,
                                             .poissonRatio = poissonRatio}) +
           1;
}

} // namespace venkar::test
