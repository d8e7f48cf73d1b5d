#pragma once

#include "buckling/HarmonicSquareSeries.h"
#include "harmonic/HarmonicStiffnessSeries.h"

#include <vector>

namespace venkar {

class AnalysisModel;
class Model;
struct PrebucklingState;

// The shell element matrices of the pencils of one mesh for every harmonic:
// the stiffness of the harmonic statics and the geometric plus pressure
// stiffness of the prebuckling state, each a polynomial in n built once
// (the meshes of all harmonics are one discretisation).
class BucklingSeries {
public:
    // `state` holds one force set and one pressure pair per shell element
    // of `mesh` (see stateFitsMesh).
    BucklingSeries(const Model& model, const AnalysisModel& mesh, const PrebucklingState& state);

    const MeshStiffnessSeries& stiffness() const { return stiffness_; }
    // K_G + K_p of shell element `index` (in analysis.shellElements order)
    // in harmonic h.
    HarmonicSquare geometric(std::size_t index, Harmonic h) const {
        return geometric_[index].at(h);
    }

private:
    MeshStiffnessSeries stiffness_;
    std::vector<HarmonicSquareSeries> geometric_;
};

} // namespace venkar
