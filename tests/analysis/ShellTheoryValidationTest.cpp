// Whole calculations compared with closed-form thin-shell theory (tolerance
// about 1 %), and the direction in which each load, support, hinge and ring
// connection moves a result.
#include "AnalysisTestSupport.h"
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
using test::Calculation;
using test::isClose;
using test::support;

constexpr double pi = std::numbers::pi;
constexpr double modulus = 2e7;
constexpr double thickness = 0.1;
constexpr double poisson = 0.3;

double plateStiffness() { // D = E·t³/(12(1 - ν²))
    return modulus * thickness * thickness * thickness / (12.0 * (1.0 - poisson * poisson));
}

MatRecord material(double specificWeight = 0.0, double thermal = 0.0, double bedding = 0.0) {
    return MatRecord{.youngsModulus = modulus,
                     .wallThickness = thickness,
                     .poissonRatio = poisson,
                     .specificWeight = specificWeight,
                     .beddingModulus = bedding,
                     .thermalCoefficient = thermal};
}

void addSurfaceLoad(Model& model, int shellNumber, double normal) {
    addRow(model.shellLoads, ShellLoadRecord{.fromShell = shellNumber,
                                             .toShell = shellNumber,
                                             .transverseStart = normal,
                                             .transverseEnd = normal});
}

// A vertical cylinder of radius r from z = 0 (node 1) to z = length (node 2),
// held axially at node 2 only, so that both edges are free of meridional
// force; shell row 0.
void cylinder(Model& model, double r, double length, MatRecord mat = material()) {
    addFullMaterial(model, mat);
    addNode(model, r, 0.0);
    addNode(model, r, length);
    addShell(model, 1, 2);
    support(model, 2, false, true, false);
}

// A circular plate of radius a from the axis (node 1) to the edge (node 2),
// shell row 0, divided finely.
void plate(Model& model, double a, bool clampEdge) {
    addFullMaterial(model, material());
    addNode(model, 0.0, 0.0);
    addNode(model, a, 0.0);
    addShell(model, 1, 2);
    test::setFactor(model, 0, 4.0);
    support(model, 2, true, true, clampEdge);
}

TEST(ShellTheoryValidation, LongCylinderUnderInternalPressureCarriesItByHoopForce) {
    // Membrane theory, free ends: N-Phi = p·r, N-Theta = 0,
    // wr = p·r²/(E·t), Eps-Phi = wr/r.
    const double r = 10.0;
    const double p = 5.0;
    Model model;
    cylinder(model, r, 30.0);
    addSurfaceLoad(model, 1, -p); // the normal of a shell running in +z points to the axis
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    for (double x : {0.05, 0.5, 0.9}) {
        EXPECT_TRUE(isClose(calc.result(model, 0, x, resultNPhi), p * r, 0.01)) << x;
        EXPECT_NEAR(calc.result(model, 0, x, resultNTheta), 0.0, 0.01 * p * r) << x;
        EXPECT_TRUE(
            isClose(calc.displacement(model, 0, x, 0), p * r * r / (modulus * thickness), 0.01))
            << x;
        EXPECT_TRUE(isClose(calc.result(model, 0, x, resultEpsPhi),
                            calc.displacement(model, 0, x, 0) / r, 1e-6))
            << x;
    }
    // The free edges carry no meridional moment or shear.
    EXPECT_NEAR(calc.result(model, 0, 0.0, resultMTheta), 0.0, 1e-3 * p * r * thickness);
    EXPECT_NEAR(calc.result(model, 0, 0.0, resultQTheta), 0.0, 1e-3 * p * r);
}

TEST(ShellTheoryValidation, ClampedCircularPlateUnderUniformPressure) {
    // Kirchhoff plate: centre deflection q·a⁴/(64·D), edge moment q·a²/8.
    const double a = 5.0;
    const double q = 2.0;
    Model model;
    plate(model, a, true);
    addSurfaceLoad(model, 1, q); // the normal of a plate running outwards is +z
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_TRUE(
        isClose(calc.nodeValue(model, 1, 1), q * std::pow(a, 4) / (64 * plateStiffness()), 0.01));
    EXPECT_TRUE(isClose(std::fabs(calc.result(model, 0, 1.0, resultMTheta)), q * a * a / 8, 0.01));
    // The centre takes the values of its element's outer end; no shear there.
    EXPECT_EQ(calc.result(model, 0, 0.0, resultQTheta), 0.0);
    // The edge reaction carries the load: q·a/2 per unit length of the edge.
    EXPECT_TRUE(isClose(calc.reaction(model, 2, 1), -q * a / 2, 0.01));
}

TEST(ShellTheoryValidation, FreeRotationAtThePlateEdgeGivesTheSimplySupportedDeflection) {
    // Simply supported plate: (5 + ν)/(1 + ν)·q·a⁴/(64·D).
    const double a = 5.0;
    const double q = 2.0;
    const double expected =
        (5 + poisson) / (1 + poisson) * q * std::pow(a, 4) / (64 * plateStiffness());
    Model model;
    plate(model, a, false);
    addSurfaceLoad(model, 1, q);
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_TRUE(isClose(calc.nodeValue(model, 1, 1), expected, 0.01));
}

TEST(ShellTheoryValidation, LongCylinderWithARadialRingLoadAtItsFreeEdge) {
    // Beam on elastic foundation: w = Q/(2·β³·D), β⁴ = 3(1 - ν²)/(r²·t²).
    const double r = 10.0;
    const double load = 1.0;
    Model model;
    cylinder(model, r, 20.0);
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = load});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const double beta =
        std::pow(3 * (1 - poisson * poisson) / (r * r * thickness * thickness), 0.25);
    EXPECT_TRUE(isClose(calc.nodeValue(model, 1, 0),
                        load / (2 * beta * beta * beta * plateStiffness()), 0.01));
}

TEST(ShellTheoryValidation, SphericalDomeCarriesItsSelfWeightByMembraneForces) {
    // Membrane theory of a spherical cap, angle φ from the crown:
    // N-Theta = -g·R/(1 + cos φ), N-Phi = g·R·(1/(1 + cos φ) - cos φ), g = γ·t.
    const double radius = 10.0;
    const double gamma = 25.0;
    Model model;
    addFullMaterial(model, material(gamma));
    addNode(model, 0.0, 0.0);
    addNode(model, radius * std::sin(pi / 3), radius * (1 - std::cos(pi / 3)));
    addShell(model, 1, 2, radius);
    support(model, 2, true, true, false);
    model.setSelfWeight(1);
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const double g = gamma * thickness;
    const double phi = pi / 6; // x = 0.5 on an arc of 60 degrees
    EXPECT_TRUE(
        isClose(calc.result(model, 0, 0.5, resultNTheta), -g * radius / (1 + std::cos(phi)), 0.01));
    EXPECT_TRUE(isClose(calc.result(model, 0, 0.5, resultNPhi),
                        g * radius * (1 / (1 + std::cos(phi)) - std::cos(phi)), 0.01));
    // The support carries the weight of the cap, 2π·R²·(1 - cos 60°)·g, spread
    // over the edge circumference.
    const double edgeRadius = radius * std::sin(pi / 3);
    EXPECT_TRUE(isClose(calc.reaction(model, 2, 1),
                        -2 * pi * radius * radius * 0.5 * g / (2 * pi * edgeRadius), 0.01));
    // The crown lies on the axis with a horizontal tangent: its results are
    // those of the other end of its element, without shear.
    EXPECT_EQ(calc.result(model, 0, 0.0, resultQTheta), 0.0);

    Calculation weightless;
    model.setSelfWeight(0);
    ASSERT_TRUE(weightless.run(model));
    EXPECT_EQ(weightless.result(model, 0, 0.5, resultNTheta), 0.0);
}

TEST(ShellTheoryValidation, UniformlyHeatedFreeCylinderExpandsWithoutForces) {
    // Free thermal expansion: wr = α·T·r, N-Phi = 0.
    const double r = 10.0;
    const double alpha = 1e-5;
    const double temperature = 20.0;
    Model model;
    cylinder(model, r, 20.0, material(0.0, alpha));
    addRow(model.tempLoads,
           TempLoadRecord{.fromShell = 1, .toShell = 1, .uniformTemp = temperature});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_TRUE(isClose(calc.displacement(model, 0, 0.5, 0), alpha * temperature * r, 0.01));
    const double restrained = modulus * thickness * alpha * temperature;
    EXPECT_NEAR(calc.result(model, 0, 0.5, resultNPhi), 0.0, 0.01 * restrained);
    EXPECT_NEAR(calc.result(model, 0, 0.5, resultEpsPhi), alpha * temperature,
                0.01 * alpha * temperature);
}

TEST(ShellTheoryValidation, TemperatureGradientBendsASimplySupportedPlateIntoADome) {
    // A free thermal curvature κ = α·ΔT/t, equal in both directions, is
    // moment-free in a plate whose edge may rotate: the centre rises by
    // κ·a²/2. The face at ζ = -1 (towards -z, up) is the warmer one for
    // ΔT > 0, so the plate bulges upwards (-z).
    const double a = 5.0;
    const double alpha = 1e-5;
    const double gradient = 30.0;
    Model model;
    addFullMaterial(model, material(0.0, alpha));
    addNode(model, 0.0, 0.0);
    addNode(model, a, 0.0);
    addShell(model, 1, 2);
    test::setFactor(model, 0, 4.0);
    support(model, 2, true, true, false);
    addRow(model.tempLoads, TempLoadRecord{.fromShell = 1, .toShell = 1, .gradientTemp = gradient});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_TRUE(
        isClose(calc.nodeValue(model, 1, 1), -alpha * gradient / thickness * a * a / 2, 0.01));
    EXPECT_NEAR(calc.result(model, 0, 0.5, resultMTheta), 0.0,
                0.01 * plateStiffness() * alpha * gradient / thickness);
}

TEST(ShellTheoryValidation, WaterInAFreeCylinderGivesTheHydrostaticMembraneSolution) {
    // Pressure γw·(z - z0) along the normal; for a free cylinder the membrane
    // solution wr = -γw·(z - z0)·r²/(E·t) satisfies the bending equation and
    // both free edges exactly.
    const double r = 10.0;
    const double unitWeight = 10.0;
    Model model;
    cylinder(model, r, 10.0);
    addRow(
        model.waterLoads,
        WaterLoadRecord{.fromShell = 1, .toShell = 1, .zeroLevel = 0.0, .unitWeight = unitWeight});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    for (double x : {0.25, 0.5, 0.75})
        EXPECT_TRUE(isClose(calc.displacement(model, 0, x, 0),
                            -unitWeight * (10.0 * x) * r * r / (modulus * thickness), 0.01))
            << x;
}

TEST(ShellTheoryValidation, WaterAboveItsSurfaceLevelPullsInsteadOfPushing) {
    Model model;
    cylinder(model, 10.0, 10.0);
    addRow(model.waterLoads,
           WaterLoadRecord{.fromShell = 1, .toShell = 1, .zeroLevel = 20.0, .unitWeight = 10.0});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_GT(calc.displacement(model, 0, 0.5, 0), 0.0);
}

TEST(ShellTheoryValidation, SnowOnAPlateActsLikeTheSamePressureDownwards) {
    Model pressed;
    plate(pressed, 5.0, true);
    addSurfaceLoad(pressed, 1, 2.0);
    Model snowed;
    plate(snowed, 5.0, true);
    addRow(snowed.snowLoads, SnowLoadRecord{.fromShell = 1, .toShell = 1, .amount = 2.0});
    Calculation a;
    Calculation b;
    ASSERT_TRUE(a.run(pressed));
    ASSERT_TRUE(b.run(snowed));
    EXPECT_GT(b.nodeValue(snowed, 1, 1), 0.0);
    EXPECT_TRUE(isClose(b.nodeValue(snowed, 1, 1), a.nodeValue(pressed, 1, 1), 1e-9));
}

TEST(ShellTheoryValidation, SnowOnAVerticalWallGivesNoLoad) {
    Model model;
    cylinder(model, 10.0, 10.0);
    addRow(model.snowLoads, SnowLoadRecord{.fromShell = 1, .toShell = 1, .amount = 2.0});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_EQ(calc.nodeValue(model, 1, 0), 0.0);
}

TEST(ShellTheoryValidation, ElasticBeddingCarriesPartOfTheLoad) {
    // A bedded plate deflects less than the bare one.
    Model bare;
    plate(bare, 5.0, true);
    addSurfaceLoad(bare, 1, 2.0);
    Model bedded;
    addFullMaterial(bedded, material(0.0, 0.0, 100.0));
    addNode(bedded, 0.0, 0.0);
    addNode(bedded, 5.0, 0.0);
    addShell(bedded, 1, 2);
    test::setFactor(bedded, 0, 4.0);
    support(bedded, 2, true, true, true);
    addSurfaceLoad(bedded, 1, 2.0);
    Calculation a;
    Calculation b;
    ASSERT_TRUE(a.run(bare));
    ASSERT_TRUE(b.run(bedded));
    EXPECT_GT(b.nodeValue(bedded, 1, 1), 0.0);
    EXPECT_LT(b.nodeValue(bedded, 1, 1), a.nodeValue(bare, 1, 1));
}

TEST(ShellTheoryValidation, InclinedSupportAtNinetyDegreesFixesTheOtherDirection) {
    // An r support turned by 90° holds z: the plate rests as on a z support.
    Model straight;
    plate(straight, 5.0, false);
    support(straight, 2, false, true, false);
    addSurfaceLoad(straight, 1, 2.0);
    Model turned;
    plate(turned, 5.0, false);
    support(turned, 2, true, false, false, 90.0);
    addSurfaceLoad(turned, 1, 2.0);
    Calculation a;
    Calculation b;
    ASSERT_TRUE(a.run(straight));
    ASSERT_TRUE(b.run(turned));
    EXPECT_TRUE(isClose(b.nodeValue(turned, 1, 1), a.nodeValue(straight, 1, 1), 1e-6));
}

TEST(ShellTheoryValidation, PrescribedDisplacementMovesTheUnloadedStructureRigidly) {
    Model model;
    plate(model, 5.0, true);
    addRow(model.constraintLoads, ZwvRecord{.node = 2, .dispZ = 0.01});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_TRUE(isClose(calc.nodeValue(model, 2, 1), 0.01, 1e-9));
    EXPECT_TRUE(isClose(calc.nodeValue(model, 1, 1), 0.01, 1e-6));
}

TEST(ShellTheoryValidation, HingeReleasingTheMomentAtAClampedEdgeLetsThePlateRotate) {
    const double a = 5.0;
    const double q = 2.0;
    Model model;
    plate(model, a, true);
    addSurfaceLoad(model, 1, q);
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 1.0, .releaseM = 1});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    const double simplySupported =
        (5 + poisson) / (1 + poisson) * q * std::pow(a, 4) / (64 * plateStiffness());
    EXPECT_TRUE(isClose(calc.nodeValue(model, 1, 1), simplySupported, 0.01));
    EXPECT_NEAR(calc.result(model, 0, 1.0, resultMTheta), 0.0, 1e-3 * q * a * a / 8);
}

TEST(ShellTheoryValidation, HingeReleasingTheMeridionalForceSendsAllAxialLoadOneWay) {
    // A cylinder held axially at both ends with an axial ring load at
    // x = 0.75: with N released at x = 0.5 the top support gets nothing.
    auto topReaction = [](bool release) {
        Model model;
        cylinder(model, 10.0, 10.0);
        support(model, 1, false, true, false);
        addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.75, .loadZ = 1.0});
        if (release)
            addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.5, .releaseN = 1});
        Calculation calc;
        EXPECT_TRUE(calc.run(model));
        return calc.reaction(model, 1, 1);
    };
    EXPECT_LT(topReaction(false), -0.1);
    EXPECT_NEAR(topReaction(true), 0.0, 1e-9);
}

TEST(ShellTheoryValidation, HingeReleasingTheShearLeavesTheLoadedPartOnItsOwn) {
    // A radial ring load below a hinge: without shear transfer the upper part
    // cannot help, so the loaded ring moves further.
    auto loadedDisplacement = [](bool release) {
        Model model;
        cylinder(model, 10.0, 4.0);
        addRow(model.pointLoads, PointLoadRecord{.shell = 1, .xPosition = 0.6, .loadR = 1.0});
        addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.5, .releaseQ = release});
        Calculation calc;
        EXPECT_TRUE(calc.run(model));
        return calc.displacement(model, 0, 0.6, 0);
    };
    EXPECT_GT(loadedDisplacement(false), 0.0);
    EXPECT_GT(loadedDisplacement(true), 1.05 * loadedDisplacement(false));
}

TEST(ShellTheoryValidation, HangingShellCutByAnAxialHingeIsReportedAsMoving) {
    // Below the hinge nothing holds the shell axially. Its last pivot is
    // rounding noise, here positive and above the absolute threshold: only
    // its size relative to its row's diagonal reveals the mechanism.
    Model model;
    addFullMaterial(model, material(25.0));
    addNode(model, 10.0, 0.0);
    addNode(model, 10.0, 10.0);
    addShell(model, 1, 2);
    support(model, 1, true, true, true);
    addRow(model.hinges, HingeRecord{.shell = 1, .xPosition = 0.01, .releaseN = 1});
    model.setSelfWeight(1);
    Calculation calc;
    EXPECT_FALSE(calc.run(model));
    ASSERT_EQ(calc.messages.errors.size(), 1u);
    EXPECT_EQ(calc.messages.errors[0], singularMessage);
    EXPECT_EQ(calc.analysis.resultsValid, 0);
}

TEST(ShellTheoryValidation, RingBeamStiffensTheEdgeAndCarriesAHoopForce) {
    auto edge = [](int hingedR, int hingedRot, double* hoop = nullptr) {
        Model model;
        cylinder(model, 10.0, 20.0);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
        addRow(model.rings, RingRecord{.node = 1,
                                       .area = 0.05,
                                       .inertia = 1e-4,
                                       .modulus = modulus,
                                       .hingedR = hingedR,
                                       .hingedRot = hingedRot});
        Calculation calc;
        EXPECT_TRUE(calc.run(model));
        if (hoop)
            *hoop = calc.analysis.ringElements.at(0).hoopForce();
        return calc.nodeValue(model, 1, 0);
    };
    Model bare;
    cylinder(bare, 10.0, 20.0);
    addRow(bare.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
    Calculation calc;
    ASSERT_TRUE(calc.run(bare));
    const double without = calc.nodeValue(bare, 1, 0);
    double hoop = 0.0;
    EXPECT_LT(edge(0, 0, &hoop), 0.9 * without);
    EXPECT_GT(hoop, 0.0); // the ring is stretched by the outward load
    // Hinged in r, the ring takes no radial force (it still restrains the
    // rotation); hinged in both, it does nothing.
    const double hingedInR = edge(1, 0, &hoop);
    EXPECT_EQ(hoop, 0.0);
    EXPECT_GT(hingedInR, 0.9 * without);
    EXPECT_TRUE(isClose(edge(1, 1, &hoop), without, 1e-9));
}

TEST(ShellTheoryValidation, RingBeamHingedInRotationTakesNoMoment) {
    auto ringMoment = [](int hingedRot) {
        Model model;
        cylinder(model, 10.0, 20.0);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadM = 1.0});
        addRow(model.rings, RingRecord{.node = 1,
                                       .area = 0.05,
                                       .inertia = 1e-3,
                                       .modulus = modulus,
                                       .hingedRot = hingedRot});
        Calculation calc;
        EXPECT_TRUE(calc.run(model));
        return calc.analysis.ringElements.at(0).moment();
    };
    EXPECT_NE(ringMoment(0), 0.0);
    EXPECT_EQ(ringMoment(1), 0.0);
}

TEST(ShellTheoryValidation, RotationSupportAtAnEdgeReducesItsDisplacement) {
    auto edgeDisplacement = [](bool rotationFixed) {
        Model model;
        cylinder(model, 10.0, 20.0);
        support(model, 1, false, false, rotationFixed);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
        Calculation calc;
        EXPECT_TRUE(calc.run(model));
        return calc.nodeValue(model, 1, 0);
    };
    // Semi-infinite cylinder: a fixed rotation halves the edge displacement
    // (Q/(4β³D) against Q/(2β³D)).
    EXPECT_TRUE(isClose(edgeDisplacement(true), 0.5 * edgeDisplacement(false), 0.01));
}

TEST(ShellTheoryValidation, RadialSupportTakesTheWholeRadialLoad) {
    Model model;
    cylinder(model, 10.0, 20.0);
    support(model, 1, true, false, false);
    addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = 1.0});
    Calculation calc;
    ASSERT_TRUE(calc.run(model));
    EXPECT_NEAR(calc.nodeValue(model, 1, 0), 0.0, 1e-15);
    EXPECT_TRUE(isClose(calc.reaction(model, 1, 0), -1.0, 1e-6));
    // An unsupported node's force sum is zero up to rounding.
    EXPECT_NEAR(calc.reaction(model, 2, 0), 0.0, 1e-9);
}

} // namespace
} // namespace venkar
