#pragma once

#include "buckling/BucklingAnalysis.h"

#include <optional>
#include <string>
#include <vector>

namespace venkar {

class Model;

// The mesh check of the buckling analysis: the critical factor r_Rcr of the
// model as entered, then with every shell's discretisation factor doubled,
// until a doubling changes it by less than the tolerance.
struct BucklingMeshCheck {
    static constexpr double tolerance = 0.01;
    static constexpr int maxDoublings = 4;

    // r_Rcr of each calculation: as entered, then after each doubling.
    std::vector<double> factors;
    // The relative change of each doubling (0.032 = 3,2 %).
    std::vector<double> changes;
    // The discretisation factor the shells share (0 counting as 1); none
    // when they differ, and the doublings are named as multiples.
    std::optional<double> sharedFactor;
    // The multiple of the entered factors from which every further doubling
    // changes r_Rcr by less than the tolerance; none when no checked
    // doubling got there.
    std::optional<int> convergedMultiple;
    // Why a refined analysis failed or stopped buckling; the doublings
    // before it stay valid.
    std::optional<std::string> failure;

    // True when the first doubling changed r_Rcr by the tolerance or more.
    bool flagged() const { return !changes.empty() && changes.front() >= tolerance; }
};

// Analyses `model` again over the same harmonics as `entered` (its result
// as entered, which must buckle) with the discretisation factors doubled,
// up to maxDoublings times, until r_Rcr changes by less than the tolerance.
BucklingMeshCheck checkBucklingMesh(const Model& model, const BucklingResult& entered);

// The lines for standard error: "Netz zu grob für die Beulanalyse: r_Rcr
// ändert sich um 3,2 %; ab Faktor 4 unter 1 %" (or "auch mit Faktor 16
// nicht unter 1 %"), or "Netz ausreichend fein für die Beulanalyse", and
// the failure that stopped the check.
std::string bucklingMeshCheckText(const BucklingMeshCheck& check);

} // namespace venkar
