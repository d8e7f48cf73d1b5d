#pragma once

#include "analysis/ConicalElement.h"
#include "analysis/Element.h"

#include <array>

namespace venkar {

// The seven results of a shell element at each of its ends. Phi is the hoop,
// Theta the meridional direction; forces and moments per unit length.
enum ResultComponent : int {
    resultNPhi = 0,     // hoop force
    resultNTheta = 1,   // meridional force
    resultMPhi = 2,     // hoop bending moment
    resultMTheta = 3,   // meridional bending moment
    resultQTheta = 4,   // transverse shear force
    resultEpsPhi = 5,   // hoop strain
    resultEpsTheta = 6, // meridional strain
};
inline constexpr int resultComponentCount = 7;

// The seven section values ("N-Phi" ... "Eps-Theta") at one place.
using SectionValues = std::array<double, resultComponentCount>;

// The name printed and plotted for a component: "N-Phi", "N-Theta", "M-Phi",
// "M-Theta", "Q-Theta", "Eps-Phi", "Eps-Theta".
const char* resultComponentName(int component);

// The part of a shell between two positions: a conical element from its
// start node to its end node (analysis node indices), linked to the next
// element of the same shell.
class ShellElement final : public Element {
public:
    ShellElement(int shellNumber, double startPosition, double endPosition, int startNode,
                 int endNode);

    int nodeCount() const override { return 2; }
    int node(int i) const override { return i == 0 ? startNode : endNode; }
    int dofCount() const override { return 6; }
    int globalDof(const AnalysisModel& analysis, int k) const override;

    RealMatrix stiffness(const Model& model, const AnalysisModel& analysis,
                         int flags) const override;
    void recover(const Model& model, AnalysisModel& analysis, int flags) override;
    // Linear between the end values: (1 - l)·start + l·end.
    double resultValue(double l, int component) const override;

    // The element's geometry and material.
    ConicalElement conical(const Model& model, const AnalysisModel& analysis) const;
    // 6 x 1 equivalent nodal forces of every distributed load of the load
    // case on the element's shell: surface, water, silo, snow, temperature and,
    // with selfWeightFlag in flags, self weight.
    RealMatrix loadVector(const Model& model, const AnalysisModel& analysis, int flags) const;
    // wr (0), wz (1) or rotation (2) at relative position l inside the
    // element from the stored DOF values; 0 for any other component.
    double displacementAt(const Model& model, const AnalysisModel& analysis, int component,
                          double l) const;

    // Result `component` at end 0 (start) or 1 (end).
    double result(int end, int component) const {
        return results[static_cast<std::size_t>(end * resultComponentCount + component)];
    }

    int shellIndex() const { return shellNumber - 1; }

    std::array<double, 2 * resultComponentCount> results{}; // 7 at the start, 7 at the end
    int next = -1;       // element index of the next element of the shell, -1 for the last
    int shellNumber = 0; // 1-based shell row number
    double startPosition = 0.0;
    double endPosition = 0.0;
    int startNode = 0;
    int endNode = 0;

private:
    ElementRow dofValues(const AnalysisModel& analysis) const;
};

// The free thermal strains of a shell at the faces ζ = +1 and ζ = -1 from
// the last temperature load covering it (0 without one).
struct ThermalStrains {
    double plus = 0.0;
    double minus = 0.0;
};
ThermalStrains thermalStrains(const Model& model, int shellNumber);

} // namespace venkar
