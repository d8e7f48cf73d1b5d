#pragma once

#include "analysis/AnalysisDriver.h"
#include "analysis/AnalysisModel.h"
#include "analysis/ResultRecovery.h"
#include "checks/InputFault.h"
#include "model/Model.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace venkar::test {

// Records what a calculation shows on its status display.
class RecordingStatus : public CalculationStatus {
public:
    void start() override { started = true; }
    void setPhase(int phase) override { phases.push_back(phase); }
    void setCount(StatusCount count, std::int64_t value) override {
        counts[static_cast<std::size_t>(count)] = value;
    }
    void finishOk() override { finished = "ok"; }
    void finishFailed() override { finished = "failed"; }

    std::int64_t count(StatusCount which) const { return counts[static_cast<std::size_t>(which)]; }

    bool started = false;
    std::vector<int> phases;
    std::array<std::int64_t, 6> counts{-1, -1, -1, -1, -1, -1};
    std::string finished;
};

// Records the messages a calculation gives the user.
class RecordingMessages : public UserMessages {
public:
    void plausibilityFault(const InputFault& fault) override { faults.push_back(fault.message); }
    void calculationError(const std::string& message) override { errors.push_back(message); }

    std::vector<std::string> faults;
    std::vector<std::string> errors;
};

// Support flags of a node.
inline void support(Model& model, int nodeNumber, bool r, bool z, bool rotation,
                    double skewDegrees = 0.0) {
    NodeRecord& node = model.nodes.row(nodeNumber - 1);
    node.supportR = r;
    node.supportZ = z;
    node.supportRot = rotation;
    node.skewAngle = skewDegrees;
}

inline int addFullMaterial(Model& model, const MatRecord& material) {
    return addRow(model.materials, material) + 1;
}

// A cylinder of radius 10 (E = 1e7, t = 0.1, nu = 0.2) from node 1 at z = 0
// to node 2 at z = height, as shell row 0.
inline void addTestCylinder(Model& model, double height = 10.0) {
    addFullMaterial(model,
                    MatRecord{.youngsModulus = 1e7, .wallThickness = 0.1, .poissonRatio = 0.2});
    addNode(model, 10.0, 0.0);
    addNode(model, 10.0, height);
    addShell(model, 1, 2);
}

inline void setFactor(Model& model, int shell, double factor) {
    model.shells.row(shell).discretisationFactor = factor;
}

// Runs the calculation phases (the inputs of these tests are valid) and
// expects success.
struct Calculation {
    AnalysisModel analysis;
    RecordingStatus status;
    RecordingMessages messages;

    bool run(Model& model, int flags = 0) {
        return analyse(model, analysis, status, messages, flags);
    }

    // A shell result at relative position x along shell row `shell`.
    double result(const Model& /*model*/, int shell, double x, int component) const {
        const ShellElement& e = findElement(analysis, shell, x);
        return e.resultValue((x - e.startPosition) / (e.endPosition - e.startPosition), component);
    }
    // A displacement (0 wr, 1 wz, 2 rotation) at x along shell row `shell`.
    double displacement(const Model& model, int shell, double x, int component) const {
        const ShellElement& e = findElement(analysis, shell, x);
        return e.displacementAt(model, analysis, component,
                                (x - e.startPosition) / (e.endPosition - e.startPosition));
    }
    // A DOF value of the analysis node of node number `nodeNumber`.
    double nodeValue(const Model& /*model*/, int nodeNumber, int k) const {
        return analysis.dof(analysis.analysisNode(nodeNumber - 1), k).value;
    }
    // A reaction (force sum) of node number `nodeNumber`.
    double reaction(const Model& /*model*/, int nodeNumber, int k) const {
        return analysis.dof(analysis.analysisNode(nodeNumber - 1), k).force;
    }
};

} // namespace venkar::test
