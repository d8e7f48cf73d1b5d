#include "buckling/BucklingSeries.h"

#include "analysis/AnalysisModel.h"
#include "buckling/GeometricStiffness.h"
#include "buckling/Prebuckling.h"
#include "buckling/PressureStiffness.h"

namespace venkar {

BucklingSeries::BucklingSeries(const Model& model, const AnalysisModel& mesh,
                               const PrebucklingState& state)
    : stiffness_(model, mesh) {
    geometric_.reserve(mesh.shellElements.size());
    for (std::size_t e = 0; e < mesh.shellElements.size(); ++e) {
        const ShellElement& element = mesh.shellElements[e];
        const AnalysisNode& a = mesh.nodes[static_cast<std::size_t>(element.startNode)];
        const AnalysisNode& b = mesh.nodes[static_cast<std::size_t>(element.endNode)];
        const Vector2 start{a.r, a.z};
        const Vector2 end{b.r, b.z};
        HarmonicSquareSeries g = shellGeometricStiffness(start, end, state.shellForces[e]);
        g += pressureStiffness(start, end, state.pressures[e][0], state.pressures[e][1]);
        geometric_.push_back(g);
    }
}

} // namespace venkar
