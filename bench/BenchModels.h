#pragma once

// Generated models and helpers shared by the benchmark programs.
#include "model/Model.h"

#include <sys/resource.h>

#include <string>

namespace venkar {

template <class Record> inline int addRow(Table<Record>& table, const Record& record) {
    const int row = table.count();
    table.changeValid(row, 0, rowFromFile);
    table.rowAt(row) = record;
    return row;
}

// Elements per unit length of a cylinder of radius 10, thickness 0.1 and
// ν = 0.3 at discretisation factor 1 (a fifteenth of the bending wave length
// per element, 0.326). The models use factor 3 (elements about as long as
// the wall is thick) and grow in length, not in refinement: much shorter
// elements than the wall thickness make the stiffness matrix numerically
// singular.
constexpr double elementsPerLengthAtFactorOne = 3.07;
constexpr double factor = 3.0;

// The length of cylinder that gets `elements` elements.
inline double lengthFor(double elements) {
    return elements / (factor * elementsPerLengthAtFactorOne);
}

inline void buildTank(Model& model, double elements) {
    constexpr int shells = 10;
    addRow(model.materials, MatRecord{.youngsModulus = 3e7,
                                      .wallThickness = 0.1,
                                      .poissonRatio = 0.3,
                                      .specificWeight = 25.0,
                                      .thermalCoefficient = 1e-5});
    const double height = lengthFor(elements) / shells;
    for (int i = 0; i <= shells; ++i)
        addRow(model.nodes, NodeRecord{.r = 10.0, .z = height * i});
    NodeRecord& foot = model.nodes.row(shells);
    foot.supportR = foot.supportZ = foot.supportRot = 1;
    for (int i = 0; i < shells; ++i)
        addRow(model.shells, ShellRecord{.startNode = i + 1,
                                         .endNode = i + 2,
                                         .material = 1,
                                         .discretisationFactor = factor,
                                         .intervals = 1});
    addRow(model.waterLoads,
           WaterLoadRecord{.fromShell = 1, .toShell = shells, .unitWeight = 10.0});
    addRow(model.tempLoads,
           TempLoadRecord{
               .fromShell = 1, .toShell = shells, .uniformTemp = 10.0, .gradientTemp = 5.0});
    addRow(model.rings, RingRecord{.node = 1, .area = 0.1, .inertia = 1e-3, .modulus = 3e7});
    model.setSelfWeight(true);
}

// One long cylinder shell under internal pressure, clamped at its foot.
inline void buildCylinder(Model& model, double elements) {
    addRow(model.materials,
           MatRecord{.youngsModulus = 3e7, .wallThickness = 0.1, .poissonRatio = 0.3});
    addRow(model.nodes, NodeRecord{.r = 10.0, .z = 0.0});
    addRow(model.nodes,
           NodeRecord{
               .r = 10.0, .z = lengthFor(elements), .supportR = 1, .supportZ = 1, .supportRot = 1});
    addRow(model.shells, ShellRecord{.startNode = 1,
                                     .endNode = 2,
                                     .material = 1,
                                     .discretisationFactor = factor,
                                     .intervals = 1});
    addRow(
        model.shellLoads,
        ShellLoadRecord{.fromShell = 1, .toShell = 1, .transverseStart = -5, .transverseEnd = -5});
}

inline void buildHingedCylinder(Model& model, int hinges) {
    addRow(model.materials,
           MatRecord{.youngsModulus = 3e7, .wallThickness = 0.1, .poissonRatio = 0.3});
    addRow(model.nodes, NodeRecord{.r = 10.0, .z = 0.0});
    addRow(model.nodes, NodeRecord{.r = 10.0,
                                   .z = lengthFor(30.0 * hinges),
                                   .supportR = 1,
                                   .supportZ = 1,
                                   .supportRot = 1});
    addRow(model.shells, ShellRecord{.startNode = 1,
                                     .endNode = 2,
                                     .material = 1,
                                     .discretisationFactor = factor,
                                     .intervals = 1});
    for (int i = 1; i <= hinges; ++i)
        addRow(model.hinges,
               HingeRecord{.shell = 1, .xPosition = double(i) / (hinges + 1), .releaseM = 1});
    addRow(
        model.shellLoads,
        ShellLoadRecord{.fromShell = 1, .toShell = 1, .transverseStart = -5, .transverseEnd = -5});
}

// The largest resident memory of the process so far.
inline double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace venkar
