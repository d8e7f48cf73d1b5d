#include "AnalysisTestSupport.h"
#include "analysis/Assembly.h"
#include "analysis/ConstraintElimination.h"
#include "analysis/ConstraintGeneration.h"
#include "analysis/Discretisation.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace venkar {
namespace {

using test::addFullMaterial;
using test::addNode;
using test::addRow;
using test::addShell;
using test::isClose;
using test::support;

// An analysis model of bare nodes (no elements) with DOFs.
AnalysisModel nodesAt(std::initializer_list<double> radii) {
    AnalysisModel analysis;
    for (double r : radii)
        analysis.addNode(r, 0.0);
    analysis.createDofs();
    return analysis;
}

TEST(ConstraintElimination, InclinedSupportAtThirtyDegreesFixesBothTranslations) {
    // r support along 30° and z support along 120°: wr becomes dependent on
    // wz through the first, and wz is fixed by what remains of the second.
    Model model;
    addNode(model, 2.0, 0.0);
    support(model, 1, true, true, false, 30.0);
    AnalysisModel analysis = nodesAt({2.0});
    addSupportConstraints(model, analysis, 0, 0, 0);
    ASSERT_EQ(eliminateConstraints(analysis), constraintsConsistent);
    const Dof& wr = analysis.dofs[0];
    const Dof& wz = analysis.dofs[1];
    ASSERT_TRUE(wr.dependent);
    ASSERT_EQ(wr.couplings.size(), 1u);
    EXPECT_EQ(wr.couplings[0].dof, 1);
    EXPECT_TRUE(isClose(wr.couplings[0].factor, std::tan(std::numbers::pi / 6), 1e-12));
    EXPECT_TRUE(wz.dependent);
    EXPECT_TRUE(wz.couplings.empty());
    EXPECT_FALSE(analysis.dofs[2].dependent);
    EXPECT_EQ(analysis.dofs.numberEquations(), 1);
    // Both translations evaluate to zero.
    EXPECT_EQ(analysis.dofs.value(0), 0.0);
    EXPECT_EQ(analysis.dofs.value(1), 0.0);
}

TEST(ConstraintElimination, SupportDuplicatingTheAxisConditionIsDroppedSilently) {
    Model model;
    addNode(model, 0.0, 0.0);
    support(model, 1, true, false, false);
    AnalysisModel analysis = nodesAt({0.0});
    addSupportConstraints(model, analysis, 0, 0, 0);
    addAxisConstraints(analysis);
    ASSERT_EQ(analysis.constraints.size(), 3u);
    EXPECT_EQ(eliminateConstraints(analysis), constraintsConsistent);
    EXPECT_EQ(analysis.dofs.numberEquations(), 1); // only wz stays free
}

TEST(ConstraintElimination, TwoDifferentValuesForOneDofContradict) {
    Model model;
    addNode(model, 1.0, 0.0);
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispZ = 0.01});
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispZ = 0.02});
    AnalysisModel analysis = nodesAt({1.0});
    analysis.nodeOfRow = {0};
    addPrescribedDisplacements(model, analysis);
    EXPECT_EQ(eliminateConstraints(analysis), constraintsContradict);
}

TEST(ConstraintElimination, PrescribedRadialDisplacementOnTheAxisContradicts) {
    Model model;
    addNode(model, 0.0, 0.0);
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispR = 0.01});
    AnalysisModel analysis = nodesAt({0.0});
    analysis.nodeOfRow = {0};
    addAxisConstraints(analysis);
    addPrescribedDisplacements(model, analysis);
    EXPECT_EQ(eliminateConstraints(analysis), constraintsContradict);
}

TEST(ConstraintElimination, EqualValuesTwiceAreRedundantNotContradictory) {
    Model model;
    addNode(model, 1.0, 0.0);
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispZ = 0.01});
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispZ = 0.01});
    AnalysisModel analysis = nodesAt({1.0});
    analysis.nodeOfRow = {0};
    addPrescribedDisplacements(model, analysis);
    ASSERT_EQ(eliminateConstraints(analysis), constraintsConsistent);
    EXPECT_TRUE(isClose(analysis.dofs.value(1), 0.01));
}

TEST(ConstraintElimination, ChainsOfTiesResolveThroughDependentCouplings) {
    // u0 = u3 (node 0 and 1 wr tied), u3 = u6, u6 = 0.5 prescribed:
    // the pivot order makes u0 depend on u3, which depends on u6.
    AnalysisModel analysis = nodesAt({1.0, 1.0, 1.0});
    Constraint& a = analysis.addConstraint();
    a.add(0, 0, 1.0);
    a.add(1, 0, -1.0);
    Constraint& b = analysis.addConstraint();
    b.add(1, 0, 1.0);
    b.add(2, 0, -1.0);
    Constraint& c = analysis.addConstraint();
    c.add(2, 0, 1.0);
    c.c = -0.5;
    ASSERT_EQ(eliminateConstraints(analysis), constraintsConsistent);
    EXPECT_TRUE(analysis.dofs[0].dependent);
    EXPECT_TRUE(analysis.dofs[3].dependent);
    EXPECT_TRUE(analysis.dofs[6].dependent);
    EXPECT_TRUE(isClose(analysis.dofs.value(0), 0.5));
    const DofExpansion e = analysis.dofs.expansion(0);
    EXPECT_TRUE(e.terms.empty());
    EXPECT_TRUE(isClose(e.constant, -0.5)); // u = Σ a·U - g
}

TEST(ConstraintElimination, ManyConstraintsNeedNoDenseMatrix) {
    // 200 000 DOFs and 20 000 constraints would need 32 GB as a dense matrix.
    const int nodes = 66667;
    AnalysisModel analysis;
    for (int i = 0; i < nodes; ++i)
        analysis.addNode(1.0 + i, 0.0);
    analysis.createDofs();
    for (int i = 0; i + 1 < 20000; ++i) {
        Constraint& tie = analysis.addConstraint();
        tie.add(3 * i, 0, 1.0);
        tie.add(3 * i + 3, 0, -1.0);
    }
    analysis.addConstraint().add(3 * 19999, 0, 1.0);
    ASSERT_EQ(eliminateConstraints(analysis), constraintsConsistent);
    EXPECT_EQ(analysis.dofs.numberEquations(), 3 * nodes - 20000);
}

TEST(ConstraintGeneration, NonzeroPrescribedDisplacementReplacesTheSupportButZeroDoesNot) {
    Model model;
    addNode(model, 1.0, 0.0);
    support(model, 1, true, true, false);
    addRow(model.constraintLoads, ZwvRecord{.node = 1, .dispR = 0.02, .dispZ = 0.0});
    AnalysisModel analysis = nodesAt({1.0});
    addSupportConstraints(model, analysis, 0, 0, prescribedComponents(model)[0]);
    ASSERT_EQ(analysis.constraints.size(), 1u); // the z support stays
    EXPECT_EQ(analysis.constraints[0].terms[0].dof, 0);
    EXPECT_NEAR(analysis.constraints[0].terms[0].factor, std::cos(std::numbers::pi / 2), 1e-16);
}

TEST(ConstraintGeneration, HingeWithAllForcesTransmittedTiesTheTwoNodesRigidly) {
    Model model;
    addFullMaterial(model, MatRecord{.youngsModulus = 1e7, .wallThickness = 0.1});
    addNode(model, 5.0, 0.0);
    addNode(model, 5.0, 10.0);
    addShell(model, 1, 2);
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.5, .releaseN = 1});
    AnalysisModel analysis;
    discretise(model, analysis);
    // Only Q and M: two constraints between the hinge nodes.
    int hingeConstraints = 0;
    for (const Constraint& c : analysis.constraints)
        hingeConstraints += c.terms.size() > 1;
    EXPECT_EQ(hingeConstraints, 2);
    int before = -1;
    int after = -1;
    for (std::size_t n = 0; n < analysis.nodes.size(); ++n) {
        if (analysis.nodes[n].hingeSide == 1)
            before = static_cast<int>(n);
        if (analysis.nodes[n].hingeSide == 2)
            after = static_cast<int>(n);
    }
    ASSERT_GE(before, 0);
    ASSERT_GE(after, 0);
    EXPECT_EQ(analysis.nodes[before].r, analysis.nodes[after].r);
    EXPECT_EQ(analysis.nodes[before].z, analysis.nodes[after].z);
    EXPECT_EQ(analysis.nodes[before].position, 0.5);
}

TEST(LoadVector, NodeLoadEntersAsARingTotal) {
    // 1 per unit length on a node at r = 2: 2π·2 = 4π in total.
    Model model;
    addFullMaterial(model, MatRecord{.youngsModulus = 1e7, .wallThickness = 0.1});
    addNode(model, 2.0, 0.0);
    addNode(model, 2.0, 1.0);
    addShell(model, 1, 2);
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
    AnalysisModel analysis;
    discretise(model, analysis);
    analysis.createDofs();
    const int equations = analysis.dofs.numberEquations();
    RealMatrix rhs(equations, 1);
    assembleLoads(model, analysis, 0, rhs);
    EXPECT_TRUE(isClose(rhs.at(analysis.dof(0, 0).equation), 4 * std::numbers::pi, 1e-15));
    EXPECT_TRUE(isClose(analysis.dof(0, 0).force, -4 * std::numbers::pi, 1e-15));
}

TEST(LoadVector, PointLoadGoesToTheNodeAtItsPosition) {
    Model model;
    addFullMaterial(model, MatRecord{.youngsModulus = 1e7, .wallThickness = 0.1});
    addNode(model, 2.0, 0.0);
    addNode(model, 2.0, 1.0);
    addShell(model, 1, 2);
    addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.3, .loadZ = 1.0});
    AnalysisModel analysis;
    discretise(model, analysis);
    analysis.createDofs();
    RealMatrix rhs(analysis.dofs.numberEquations(), 1);
    assembleLoads(model, analysis, 0, rhs);
    int loaded = -1;
    for (std::size_t n = 0; n < analysis.nodes.size(); ++n)
        if (analysis.dof(static_cast<int>(n), 1).force != 0.0)
            loaded = static_cast<int>(n);
    ASSERT_GE(loaded, 0);
    EXPECT_EQ(analysis.nodes[loaded].position, 0.3);
    EXPECT_TRUE(isClose(rhs.at(analysis.dof(loaded, 1).equation), 4 * std::numbers::pi, 1e-15));
}

} // namespace
} // namespace venkar
