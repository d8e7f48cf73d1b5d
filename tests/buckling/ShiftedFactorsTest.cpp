// The factors S·Sᵀ = K + σ·G of a pencil: their three triangular operations
// against the assembled matrix, and the refusal of an indefinite shift.
#include "buckling/ShiftedFactors.h"
#include "buckling/BucklingEigen.h"
#include "buckling/BucklingSystem.h"
#include "support/ModelRows.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace venkar {
namespace {

TEST(ShiftedFactors, TriangularOperationsInvertEachOtherAndRebuildTheMatrix) {
    // A short pressed cylinder, harmonic 3 (a few hundred equations).
    Model model;
    test::addMaterial(model, 2e5, 1.0, 0.3);
    test::addShellWithNodes(model, 50.0, 0.0, 50.0, 60.0);
    model.nodes.row(0).supportR = model.nodes.row(0).supportZ = 1;
    model.nodes.row(1).supportR = 1;
    test::addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = -1.0});
    PrebucklingState state;
    std::string error;
    ASSERT_TRUE(prebucklingState(model, HarmonicInput{}, 0, state, error)) << error;
    BucklingPencil pencil;
    ASSERT_TRUE(buildBucklingPencil(model, HarmonicInput{}, state, 3, 0, pencil, error)) << error;
    const PencilEigen smallest = smallestPositiveFactor(pencil.stiffness, pencil.geometric);
    ASSERT_TRUE(smallest.found);

    const int n = pencil.stiffness.order();
    std::vector<double> x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        x[static_cast<std::size_t>(i)] = std::sin(1.0 + 0.37 * i) + 0.01 * i;
    for (double sigma : {0.0, 0.6 * smallest.factor}) {
        ShiftedFactors factors;
        ASSERT_TRUE(factors.factorise(pencil.stiffness, pencil.geometric, sigma)) << sigma;
        // S⁻¹·(A·x) = Sᵀ·x and S⁻ᵀ·(Sᵀ·x) = x.
        std::vector<double> ax(x.size());
        shiftedMatrix(pencil.stiffness, pencil.geometric, sigma).multiply(x.data(), ax.data());
        std::vector<double> lower(x.size());
        factors.lowerSolve(ax.data(), lower.data());
        std::vector<double> upper(x.size());
        factors.upperMultiply(x.data(), upper.data());
        std::vector<double> back(x.size());
        factors.upperSolve(upper.data(), back.data());
        double scale = 0.0;
        for (double value : upper)
            scale = std::max(scale, std::fabs(value));
        for (std::size_t i = 0; i < x.size(); ++i) {
            EXPECT_NEAR(lower[i], upper[i], 1e-9 * scale) << sigma << " " << i;
            EXPECT_TRUE(test::isClose(back[i], x[i], 1e-9, 1.0)) << sigma << " " << i;
        }
    }
    // Above the smallest λ K + σ·G is indefinite: no factors.
    ShiftedFactors above;
    EXPECT_FALSE(above.factorise(pencil.stiffness, pencil.geometric, 1.05 * smallest.factor));
}

} // namespace
} // namespace venkar
