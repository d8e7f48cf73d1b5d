// The mesh check of the buckling analysis on an axially pressed cylinder.
#include "batch/BucklingMeshCheck.h"
#include "buckling/LoadCaseBuckling.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace venkar {
namespace {

// A cylinder r = 100, t = 1, L = 200 (ν = 0, ends held radially) pushed
// down at its top, meshed with discretisation factor `factor`: its
// elements of 0.33·√(r·t)/factor against the buckle's half wave of about
// 1.7·√(r·t).
Model pressedCylinder(double factor) {
    Model model;
    test::addMaterial(model, 2e5, 1.0, 0.0);
    const int shell = test::addShellWithNodes(model, 100.0, 0.0, 100.0, 200.0);
    model.shells.row(shell).discretisationFactor = factor;
    model.nodes.row(0).supportR = model.nodes.row(0).supportZ = 1;
    model.nodes.row(1).supportR = 1;
    test::addRow(model.nodeLoads, NodeLoadRecord{.node = 2, .loadZ = -1.0});
    return model;
}

TEST(BucklingMeshCheck, ACoarseMeshIsFlaggedUntilADoublingChangesRcrByLessThanOnePercent) {
    struct Case {
        double factor;
        const char* text;
    };
    for (const Case& c : {
             Case{0.25, "Netz zu grob für die Beulanalyse: r_Rcr ändert sich um "},
             Case{0.5, "Netz ausreichend fein für die Beulanalyse\n"},
         }) {
        const Model model = pressedCylinder(c.factor);
        BucklingResult entered;
        std::string error;
        ASSERT_TRUE(analyseLoadCaseBuckling(model, 0, 3, entered, error)) << error;
        const BucklingMeshCheck check = checkBucklingMesh(model, entered);
        ASSERT_FALSE(check.failure) << *check.failure;
        ASSERT_EQ(check.factors.size(), check.changes.size() + 1);
        // Each change is that of the factors on either side of it; the last
        // is below the tolerance, every one before it above.
        for (std::size_t i = 0; i < check.changes.size(); ++i) {
            EXPECT_DOUBLE_EQ(check.changes[i],
                             std::fabs(check.factors[i + 1] - check.factors[i]) / check.factors[i]);
            EXPECT_EQ(check.changes[i] < BucklingMeshCheck::tolerance,
                      i + 1 == check.changes.size());
        }
        const std::string text = bucklingMeshCheckText(check);
        EXPECT_EQ(text.rfind(c.text, 0), 0u) << text;
        if (check.flagged()) {
            ASSERT_TRUE(check.convergedMultiple);
            const double from = c.factor * *check.convergedMultiple;
            std::ostringstream factor;
            factor << from;
            EXPECT_NE(text.find("; ab Faktor " + factor.str() + " unter 1 %\n"), std::string::npos)
                << text;
        }
    }
}

} // namespace
} // namespace venkar
