// The mesh check on shells with a known convergence behaviour.
#include "batch/MeshCheck.h"

#include "model/Model.h"
#include "model/ModelFiles.h"

#include <gtest/gtest.h>

#include <string>

using namespace venkar;

namespace {

std::string loadWithSurfaceLoad(int shells, double load) {
    return "NODELOAD\n0\n\nSHELLLOAD\n1\n    1 1 " + std::to_string(shells) + " " +
           std::to_string(load) + " " + std::to_string(load) +
           " 0.0 0.0\n\nPOINTLOAD\n0\n\nCONSTRAINTLOAD\n0\n\nWATERLOAD\n0\n\nSNOWLOAD\n0\n\n"
           "TEMPERATURE\n0\n";
}

Model modelOf(const std::string& system, const std::string& load) {
    Model model;
    readSystemText(model, system, "test.vsy");
    readLoadText(model, load, "test.vla");
    return model;
}

// A hemisphere a = 500, t = 1 from its pole (0, 0) to its equator (500, 500),
// held in z at the equator, under a uniform surface load 1: a membrane state
// whose exact moments are 0, but the chords of the curved meridian give
// M-Theta = p L² / 24 (2.20 at factor 1, 0.55 at factor 2).
Model hemisphere() {
    return modelOf("NODES\n2\n    1 0.0 0.0 0 0 0 0.0\n    2 500.0 500.0 0 1 0 0.0\n\n"
                   "SHELLS\n1\n    1 1 2 0 500.0 1 1.0 10\n\n"
                   "MATERIALS\n1\n    1 2.1e5 1.0 0.3 0.0 0.0 0.0\n\nHINGES\n0\n\nRINGS\n0\n",
                   loadWithSurfaceLoad(1, 1.0));
}

// A torus of tube radius 100 around the circle r = 500 as four quarter arcs,
// t = 1, under internal pressure 1 (a surface load of -1). The closed tube is
// self-equilibrated; its only rigid motion is the axial translation, held by
// one z support at the top node, so the reaction is zero. Its chord moments
// are large beside the membrane stress at the default factor (a thick tube of
// radius 1 at r = 5, t = 0.05 is already fine there: the quarter arcs get
// short elements).
Model torus() {
    return modelOf("NODES\n4\n    1 500.0 -100.0 0 1 0 0.0\n    2 600.0 0.0 0 0 0 0.0\n"
                   "    3 500.0 100.0 0 0 0 0.0\n    4 400.0 0.0 0 0 0 0.0\n\n"
                   "SHELLS\n4\n    1 1 2 0 100.0 1 1.0 10\n    2 2 3 0 100.0 1 1.0 10\n"
                   "    3 3 4 0 100.0 1 1.0 10\n    4 4 1 0 100.0 1 1.0 10\n\n"
                   "MATERIALS\n1\n    1 2.1e5 1.0 0.3 0.0 0.0 0.0\n\nHINGES\n0\n\nRINGS\n0\n",
                   loadWithSurfaceLoad(4, -1.0));
}

// A cylinder r = 100, height 200, t = 1, clamped at both ends, under a
// uniform surface load: its membrane force and displacements are converged
// at factor 1.
Model clampedCylinder() {
    return modelOf("NODES\n2\n    1 100.0 0.0 1 1 1 0.0\n    2 100.0 200.0 1 1 1 0.0\n\n"
                   "SHELLS\n1\n    1 1 2 0 0.0 1 1.0 10\n\n"
                   "MATERIALS\n1\n    1 2.1e5 1.0 0.3 0.0 0.0 0.0\n\nHINGES\n0\n\nRINGS\n0\n",
                   loadWithSurfaceLoad(1, 1.0));
}

} // namespace

TEST(MeshCheckTest, SphereFlagsTheChordMomentAndConvergesAtAFinerFactor) {
    const MeshCheck check = checkMesh(hemisphere());
    ASSERT_EQ(check.shells.size(), 1u);
    const ShellMeshCheck& shell = check.shells[0];
    EXPECT_EQ(shell.factor, 1.0);
    EXPECT_TRUE(shell.flagged(meshMTheta));
    const std::vector<double>& changes = shell.changes[meshMTheta];
    ASSERT_GE(changes.size(), 2u);
    // 2.20 -> 0.55 against the moment of the membrane stress, 250 * 1 / 6.
    EXPECT_NEAR(changes[0], 1.65 / (250.0 / 6.0), 0.003);
    EXPECT_NEAR(changes[1] / changes[0], 0.25, 0.01); // the error goes with L²
    ASSERT_TRUE(shell.convergedFactor[meshMTheta].has_value());
    EXPECT_EQ(*shell.convergedFactor[meshMTheta], 2.0);
    EXPECT_FALSE(shell.flagged(meshNTheta));
    EXPECT_FALSE(check.failure);

    const std::string text = meshCheckText(check);
    EXPECT_NE(
        text.find("Netz zu grob: Schale 1, M-Theta ändert sich um 4 %; ab Faktor 2 unter 2 %"),
        std::string::npos)
        << text;
}

TEST(MeshCheckTest, TorusUnderPressureIsFlagged) {
    const MeshCheck check = checkMesh(torus());
    ASSERT_EQ(check.shells.size(), 4u);
    for (const ShellMeshCheck& shell : check.shells) {
        EXPECT_TRUE(shell.flagged(meshMTheta)) << "Schale " << shell.number;
        EXPECT_GT(shell.changes[meshMTheta].front(), 0.05);
        // The chord moments fall with L²: a quarter per doubling.
        ASSERT_GE(shell.changes[meshMTheta].size(), 2u);
        EXPECT_NEAR(shell.changes[meshMTheta][1] / shell.changes[meshMTheta][0], 0.26, 0.02);
        EXPECT_EQ(shell.convergedFactor[meshMTheta], 4.0);
        EXPECT_FALSE(shell.flagged(meshNTheta));
    }
    const std::string text = meshCheckText(check);
    EXPECT_NE(
        text.find("Netz zu grob: Schale 3, M-Theta ändert sich um 9 %; ab Faktor 4 unter 2 %"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find("Netz ausreichend fein"), std::string::npos);
}

TEST(MeshCheckTest, ClampedCylinderIsFineForMembraneForceAndDisplacements) {
    Model model = clampedCylinder();
    model.shells.rowAt(0).discretisationFactor = 0.0; // counts as 1
    const MeshCheck check = checkMesh(model);
    ASSERT_EQ(check.shells.size(), 1u);
    const ShellMeshCheck& shell = check.shells[0];
    EXPECT_EQ(shell.factor, 1.0);
    EXPECT_FALSE(shell.flagged(meshDisplacement));
    EXPECT_FALSE(shell.flagged(meshNTheta));
    EXPECT_FALSE(shell.flagged(meshNPhi));
    EXPECT_GE(check.doublings, 1);
}

TEST(MeshCheckTest, UnflaggedModelSaysTheMeshIsFine) {
    MeshCheck check;
    ShellMeshCheck shell;
    shell.number = 1;
    for (auto& changes : shell.changes)
        changes = {0.01};
    check.shells.push_back(shell);
    check.doublings = 1;
    EXPECT_EQ(meshCheckText(check), "Netz ausreichend fein\n");
}

TEST(MeshCheckTest, TextNamesUnconvergedQuantitiesAndSmallChangesWithADecimal) {
    MeshCheck check;
    ShellMeshCheck shell;
    shell.number = 3;
    shell.factor = 2.0; // as entered; the doublings reach 32
    for (auto& changes : shell.changes)
        changes = {0.0, 0.0, 0.0, 0.0};
    shell.changes[meshDisplacement] = {0.3, 0.2, 0.1, 0.05};
    shell.changes[meshNPhi] = {0.0217, 0.005, 0.001, 0.0};
    shell.convergedFactor[meshNPhi] = 4.0;
    check.shells.push_back(shell);
    check.doublings = 4;
    EXPECT_EQ(meshCheckText(check),
              "Netz zu grob: Schale 3, Verschiebung ändert sich um 30 %; auch mit Faktor 32 nicht "
              "unter 2 %\n"
              "Netz zu grob: Schale 3, N-Phi ändert sich um 2,2 %; ab Faktor 4 unter 2 %\n");

    check.failure = "Zu viele Elemente";
    check.doublings = 2;
    EXPECT_NE(meshCheckText(check).find(
                  "Netzprüfung nach 2 Verdopplungen abgebrochen: Zu viele Elemente\n"),
              std::string::npos);
}
