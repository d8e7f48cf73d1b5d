#pragma once

#include "analysis/Element.h"

namespace venkar {

// A ring beam acting on one analysis node: an extensible, bendable ring of
// cross-section `area`, second moment `inertia` and `modulus` E, with no
// eccentricity. Its two local DOFs are the node's wr (0) and rotation (1).
class RingElement final : public Element {
public:
    RingElement(int node, int ringIndex) : node_(node), ringIndex_(ringIndex) {}

    int nodeCount() const override { return 1; }
    int node(int /*i*/) const override { return node_; }
    int dofCount() const override { return 2; }
    int globalDof(const AnalysisModel& analysis, int k) const override;

    // [[2π·E·A/r, 0], [0, 2π·E·Iy/r]], r the radius of the node.
    RealMatrix stiffness(const Model& model, const AnalysisModel& analysis,
                         int flags) const override;
    // Hoop force N = wr/r·E·A and moment M = β·E·Iy/r; adds 2π·N and 2π·M to
    // the force sums of the partner's wr and rotation.
    void recover(const Model& model, AnalysisModel& analysis, int flags) override;
    // Component 0: the hoop force N; any other: the moment M.
    double resultValue(double l, int component) const override;

    int ringIndex() const { return ringIndex_; } // 0-based row of the ring beam
    double hoopForce() const { return hoopForce_; }
    double moment() const { return moment_; }
    // Sets the results as another calculation found them (a sum of harmonics).
    void setResults(double hoopForce, double moment) {
        hoopForce_ = hoopForce;
        moment_ = moment;
    }

private:
    int node_ = 0;
    int ringIndex_ = 0;
    double hoopForce_ = 0.0;
    double moment_ = 0.0;
};

} // namespace venkar
