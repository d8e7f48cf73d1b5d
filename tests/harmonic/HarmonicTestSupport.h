#pragma once

#include "analysis/AnalysisModel.h"
#include "harmonic/HarmonicAnalysis.h"
#include "model/Model.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

#include <string>

namespace venkar::test {

// Solves the harmonics and expects success.
inline HarmonicResults solveHarmonics(const Model& model, const HarmonicInput& input) {
    HarmonicResults results;
    std::string error;
    EXPECT_TRUE(analyseHarmonics(model, input, results, error)) << error;
    return results;
}

// A shell of the given material (E, t, ν) between two new nodes, divided
// by the factor into elements, with its row index.
inline int addMeridian(Model& model, double r1, double z1, double r2, double z2, double factor,
                       int material = 1) {
    const int shell = addShellWithNodes(model, r1, z1, r2, z2, 0.0, 0, material);
    model.shells.row(shell).discretisationFactor = factor;
    return shell;
}

// The analysis node of node number `number`.
inline int nodeOf(const HarmonicResults& results, int number) {
    return results.mesh.analysisNode(number - 1);
}

// The value of a quantity at relative position x along shell row `shell`:
// at the element holding x, linear inside it.
inline double shellValue(const HarmonicResults& results, int shell, double x, int quantity,
                         double angle) {
    for (int e : results.mesh.shellChain(shell)) {
        const ShellElement& element = results.mesh.shellElements[static_cast<std::size_t>(e)];
        if (element.startPosition <= x && x <= element.endPosition)
            return results.elementValue(
                e, (x - element.startPosition) / (element.endPosition - element.startPosition),
                quantity, angle);
    }
    ADD_FAILURE() << "no element at " << x;
    return 0.0;
}

} // namespace venkar::test
