#pragma once

#include "analysis/ConicalElement.h"
#include "analysis/DofTable.h"
#include "harmonic/HarmonicElement.h"
#include "harmonic/HarmonicInput.h"
#include "harmonic/HarmonicStiffnessSeries.h"

#include <span>
#include <vector>

namespace venkar {

class AnalysisModel;
class Model;
class RealMatrix;
class ShellElement;
class SkylineMatrix;

// The system of equations of one harmonic on today's mesh. The analysis
// model holds four DOFs per node: k = 0 wr, 1 wz, 2 rotation (as today, so
// that today's supports, hinges and ring connections apply unchanged) and
// 3 v.

// Builds the mesh and the constraints of harmonic h into `analysis` and
// eliminates them: supports, hinges and ring connections as today (beyond
// the symmetric n = 0 a support holds its directions whatever is
// prescribed; prescribed displacements act at the symmetric n = 0 only),
// v held at supported nodes (see CircumferentialSupport), v continuous
// across hinges and ring connections, the axis conditions of the harmonic
// at nodes with r = 0:
//   n = 0:  wr = rotation = 0 (torsion: v = 0)
//   n = 1:  wz = 0 and wr + v = 0 (antisymmetric: wr - v = 0)
//   n >= 2: wr = wz = v = rotation = 0
// and at n = 0 the DOFs the set leaves without stiffness: v in the
// symmetric set, wr, wz and rotation in torsion. Returns false when the
// constraints contradict each other.
bool buildHarmonicSystem(const Model& model, const HarmonicInput& input, Harmonic h,
                         AnalysisModel& analysis);

// The section data of ring row `ringIndex` (0-based); null without an entry.
const HarmonicRingSection* ringSection(const HarmonicInput& input, int ringIndex);

// The material of a shell element.
ElementMaterial harmonicMaterial(const Model& model, const ShellElement& element);
HarmonicElement harmonicElement(const Model& model, const AnalysisModel& analysis,
                                const ShellElement& element, Harmonic h);

// The equivalent nodal forces of the element's distributed loads in
// harmonic h: its share of every HarmonicShellLoad and HarmonicBandLoad on
// its shell and, in the symmetric n = 0, today's loads
// (ShellElement::loadVector). `basis` is the element's (loadBasis).
HarmonicRow harmonicElementLoad(const Model& model, const HarmonicInput& input, Harmonic h,
                                const AnalysisModel& analysis, const ShellElement& element,
                                int flags, const HarmonicLoadBasis& basis);

// The element matrices and element loads of one harmonic on a built mesh,
// in the order of analysis.shellElements: evaluated once, they serve the
// assembly and the recovery.
struct HarmonicElementTerms {
    std::vector<PackedHarmonicSquare, LargeBlockAllocator<PackedHarmonicSquare>> stiffness;
    std::vector<HarmonicRow, LargeBlockAllocator<HarmonicRow>> loads; // harmonicElementLoad
};
// The terms of several harmonics at once, into terms[k] for harmonics[k]
// (resized; the storage of earlier calls is reused).
void harmonicElementTerms(const Model& model, const HarmonicInput& input,
                          std::span<const Harmonic> harmonics, const AnalysisModel& analysis,
                          int flags, const MeshStiffnessSeries& stiffness,
                          std::vector<HarmonicElementTerms>& terms);

// The expansions of the DOFs of every shell element (8 each) and ring
// element (4 each) of a built system, in one flat list: every harmonic of
// one constraint class assembles through the same.
class HarmonicAssemblyMap {
public:
    explicit HarmonicAssemblyMap(const AnalysisModel& analysis);

    // Notes the profile in a fresh `matrix` of the system's order and
    // finalises it.
    void noteProfile(SkylineMatrix& matrix) const;

    // The terms and the constant of DOF k of shell element e or ring r.
    std::span<const EquationTerm> terms(std::size_t dof) const {
        return {terms_.data() + start_[dof], start_[dof + 1] - start_[dof]};
    }
    double constant(std::size_t dof) const { return constants_[dof]; }
    std::size_t shellDof(std::size_t element, int k) const {
        return 8 * element + static_cast<std::size_t>(k);
    }
    std::size_t ringDof(std::size_t ring, int k) const {
        return 8 * shells_ + 4 * ring + static_cast<std::size_t>(k);
    }

private:
    std::size_t shells_ = 0;
    std::vector<std::size_t> start_; // per DOF, and one past the last
    std::vector<EquationTerm> terms_;
    std::vector<double> constants_;
};

// Adds the stiffness of the elements and ring beams to the profiled (and
// cleared) `matrix`, and to `rightHandSide` (zeroed, of the system's order)
// F: node loads, element loads, and in the symmetric n = 0 today's node and
// point loads, plus the parts of prescribed displacements. The loads are
// also subtracted from the nodes' force sums, so that the recovery leaves
// the reactions there.
void assembleHarmonicTerms(const Model& model, const HarmonicInput& input, Harmonic h,
                           AnalysisModel& analysis, const HarmonicAssemblyMap& map,
                           const HarmonicElementTerms& terms, SkylineMatrix& matrix,
                           RealMatrix& rightHandSide);

// Profile and assembly in one: `matrix` sized to the equations. `stiffness`
// holds the element matrices of the mesh for every harmonic; without it
// they are built for h alone.
void assembleHarmonicSystem(const Model& model, const HarmonicInput& input, Harmonic h,
                            AnalysisModel& analysis, int flags,
                            const MeshStiffnessSeries& stiffness, SkylineMatrix& matrix,
                            RealMatrix& rightHandSide);
void assembleHarmonicSystem(const Model& model, const HarmonicInput& input, Harmonic h,
                            AnalysisModel& analysis, int flags, SkylineMatrix& matrix,
                            RealMatrix& rightHandSide);

} // namespace venkar
