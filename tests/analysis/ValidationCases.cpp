#include "ValidationCases.h"

#include "AnalysisTestSupport.h"
#include "analysis/Results.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace venkar::test {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double modulus = 2e7;
constexpr double thickness = 0.1;
constexpr double poisson = 0.3;

// The books, as the key under the table names them.
const char* const plates = "[TW] ch. 3";
const char* const membranes = "[TW] ch. 14";
const char* const cylinders = "[TW] ch. 15";
const char* const junctions = "[TW], cylinder with hemispherical head";
const char* const vessels = "[R] ch. 13";

double plateStiffness(double t = thickness) { // D = E·t³/(12(1 - ν²))
    return modulus * t * t * t / (12.0 * (1.0 - poisson * poisson));
}

// β⁴ = 3(1 - ν²)/(r²·t²), the decay of edge disturbances in a cylinder.
double cylinderDecay(double r, double t = thickness) {
    return std::pow(3 * (1 - poisson * poisson) / (r * r * t * t), 0.25);
}

MatRecord material(double t = thickness, double specificWeight = 0.0, double thermal = 0.0) {
    return MatRecord{.youngsModulus = modulus,
                     .wallThickness = t,
                     .poissonRatio = poisson,
                     .specificWeight = specificWeight,
                     .thermalCoefficient = thermal};
}

void addSurfaceLoad(Model& model, int fromShell, int toShell, double normal) {
    addRow(model.shellLoads, ShellLoadRecord{.fromShell = fromShell,
                                             .toShell = toShell,
                                             .transverseStart = normal,
                                             .transverseEnd = normal});
}

// A vertical cylinder from z = 0 (node 1) to z = length (node 2), held
// axially at node 2 only: both edges are free of meridional force.
Model freeCylinder(double r, double length, const MatRecord& mat = material()) {
    Model model;
    addFullMaterial(model, mat);
    addNode(model, r, 0.0);
    addNode(model, r, length);
    addShell(model, 1, 2);
    support(model, 2, false, true, false);
    return model;
}

Model plate(double a, bool clampEdge, const MatRecord& mat = material()) {
    Model model;
    addFullMaterial(model, mat);
    addNode(model, 0.0, 0.0);
    addNode(model, a, 0.0);
    addShell(model, 1, 2);
    setFactor(model, 0, 4.0);
    support(model, 2, true, true, clampEdge);
    return model;
}

// Calculates `model`; a case that cannot be calculated is a broken table.
Calculation calculated(Model& model) {
    Calculation calc;
    if (!calc.run(model))
        throw std::runtime_error("validation case not calculated");
    return calc;
}

const StationResult& station(const Calculation& calc, int shellNumber, std::size_t index) {
    return calc.analysis.results.shell(shellNumber)->stations.at(index);
}

class Table {
public:
    void add(const std::string& caseName, const std::string& reference, const std::string& quantity,
             double expected, double computed) {
        rows.push_back({caseName, reference, quantity, expected, computed, 0.01});
    }
    std::vector<ValidationRow> rows;
};

void pressurisedCylinder(Table& table) {
    const double r = 10.0;
    const double p = 5.0;
    Model model = freeCylinder(r, 30.0);
    addSurfaceLoad(model, 1, 1, -p); // the normal of a shell running in +z points to the axis
    const Calculation calc = calculated(model);
    const std::string name = "Open cylinder r = 10, t = 0.1, internal pressure p = 5";
    table.add(name, std::string(cylinders) + ": N = p·r", "N-Phi at mid-height", p * r,
              calc.result(model, 0, 0.5, resultNPhi));
    table.add(name, std::string(cylinders) + ": w = p·r²/(E·t)", "wr at mid-height",
              p * r * r / (modulus * thickness), calc.displacement(model, 0, 0.5, 0));
}

void loadedPlates(Table& table) {
    const double a = 5.0;
    const double q = 2.0;
    Model clamped = clampedPlate(a, q);
    const Calculation calc = calculated(clamped);
    const std::string name = "Clamped circular plate a = 5, t = 0.1, pressure q = 2";
    table.add(name, std::string(plates) + ": w₀ = q·a⁴/(64·D)", "deflection of the centre",
              q * std::pow(a, 4) / (64 * plateStiffness()), calc.nodeValue(clamped, 1, 1));
    const double edgeMoment = -q * a * a / 8;
    table.add(name, std::string(plates) + ": M_r(a) = -q·a²/8", "M-Theta at the edge", edgeMoment,
              calc.result(clamped, 0, 1.0, resultMTheta));
    const StressValues& edge = station(calc, 1, 4).stresses;
    table.add(name, std::string(plates) + ": σ = ±6·M_r(a)/t²",
              "σ meridional, face neg (below), at the edge",
              -6 * edgeMoment / (thickness * thickness), edge[stressMeridionalNeg]);
    table.add(name, std::string(plates) + ": σ = ±6·M_r(a)/t²",
              "σ meridional, face pos (above), at the edge",
              6 * edgeMoment / (thickness * thickness), edge[stressMeridionalPos]);
    table.add(name, "equilibrium: q·a/2", "support reaction z at the edge", -q * a / 2,
              calc.reaction(clamped, 2, 1));

    Model simple = plate(a, false);
    addSurfaceLoad(simple, 1, 1, q);
    const Calculation free = calculated(simple);
    table.add("Simply supported circular plate a = 5, t = 0.1, pressure q = 2",
              std::string(plates) + ": w₀ = (5 + ν)/(1 + ν)·q·a⁴/(64·D)",
              "deflection of the centre",
              (5 + poisson) / (1 + poisson) * q * std::pow(a, 4) / (64 * plateStiffness()),
              free.nodeValue(simple, 1, 1));
}

void edgeLoadedCylinders(Table& table) {
    const double r = 10.0;
    const double load = 1.0;
    const double beta = cylinderDecay(r);
    for (const bool rotationFixed : {false, true}) {
        Model model = freeCylinder(r, 20.0);
        support(model, 1, false, false, rotationFixed);
        addRow(model.nodeLoads, NodeLoadRecord{.node = 1, .loadR = load});
        const Calculation calc = calculated(model);
        const double beta3 = beta * beta * beta;
        if (rotationFixed)
            table.add("Long cylinder r = 10, t = 0.1, ring load Q = 1 at an edge held in rotation",
                      std::string(cylinders) + ": w = Q/(4·β³·D)", "wr at the edge",
                      load / (4 * beta3 * plateStiffness()), calc.nodeValue(model, 1, 0));
        else
            table.add("Long cylinder r = 10, t = 0.1, ring load Q = 1 at its free edge",
                      std::string(cylinders) + ": w = Q/(2·β³·D)", "wr at the edge",
                      load / (2 * beta3 * plateStiffness()), calc.nodeValue(model, 1, 0));
    }
}

void domeUnderSelfWeight(Table& table) {
    const double radius = 10.0;
    const double gamma = 25.0;
    Model model;
    addFullMaterial(model, material(thickness, gamma));
    addNode(model, 0.0, 0.0);
    addNode(model, radius * std::sin(pi / 3), radius * (1 - std::cos(pi / 3)));
    addShell(model, 1, 2, radius);
    support(model, 2, true, true, false);
    model.setSelfWeight(1);
    const Calculation calc = calculated(model);
    const double g = gamma * thickness;
    const double phi = pi / 6; // x = 0.5 on an arc of 60 degrees
    const std::string name = "Spherical dome R = 10, opening 60°, self weight g = 2.5";
    table.add(name, std::string(membranes) + ": N_meridional = -g·R/(1 + cos φ)",
              "N-Theta at φ = 30°", -g * radius / (1 + std::cos(phi)),
              calc.result(model, 0, 0.5, resultNTheta));
    table.add(name, std::string(membranes) + ": N_hoop = g·R·(1/(1 + cos φ) - cos φ)",
              "N-Phi at φ = 30°", g * radius * (1 / (1 + std::cos(phi)) - std::cos(phi)),
              calc.result(model, 0, 0.5, resultNPhi));
}

void heatedStructures(Table& table) {
    const double alpha = 1e-5;
    Model cylinder = freeCylinder(10.0, 20.0, material(thickness, 0.0, alpha));
    addRow(cylinder.tempLoads, TempLoadRecord{.fromShell = 1, .toShell = 1, .uniformTemp = 20.0});
    const Calculation heated = calculated(cylinder);
    table.add("Free cylinder r = 10 heated uniformly by T = 20, α = 1e-5",
              "free thermal expansion: w = α·T·r", "wr at mid-height", alpha * 20.0 * 10.0,
              heated.displacement(cylinder, 0, 0.5, 0));

    // The face at ζ = -1 (towards -z, up) is the warmer one for ΔT > 0.
    const double a = 5.0;
    const double gradient = 30.0;
    Model bent = plate(a, false, material(thickness, 0.0, alpha));
    addRow(bent.tempLoads, TempLoadRecord{.fromShell = 1, .toShell = 1, .gradientTemp = gradient});
    const Calculation calc = calculated(bent);
    table.add("Simply supported plate a = 5, t = 0.1, temperature difference ΔT = 30",
              "free thermal curvature κ = α·ΔT/t: w₀ = κ·a²/2", "deflection of the centre",
              -alpha * gradient / thickness * a * a / 2, calc.nodeValue(bent, 1, 1));
}

void waterInCylinder(Table& table) {
    const double r = 10.0;
    const double unitWeight = 10.0;
    Model model = freeCylinder(r, 10.0);
    addRow(
        model.waterLoads,
        WaterLoadRecord{.fromShell = 1, .toShell = 1, .zeroLevel = 0.0, .unitWeight = unitWeight});
    const Calculation calc = calculated(model);
    table.add("Free cylinder r = 10, t = 0.1, water γ = 10 from z = 0",
              std::string(cylinders) + ": w = γ·(z - z₀)·r²/(E·t)", "wr at z = 5",
              -unitWeight * 5.0 * r * r / (modulus * thickness),
              calc.displacement(model, 0, 0.5, 0));
}

void pressureVessel(Table& table) {
    const double r = 10.0;
    const double t = thickness;
    const double p = 5.0;
    Model model = closedVessel(r, 30.0, t, p, 4.0);
    const Calculation calc = calculated(model);
    const std::string name = "Cylinder r = 10, t = 0.1 with hemispherical heads, pressure p = 5";
    const StressValues& middle = station(calc, 2, 10).stresses;
    table.add(name, std::string(vessels) + ": σ_hoop = p·r/t",
              "σ hoop, face pos (inner), mid-height", p * r / t, middle[stressHoopPos]);
    table.add(name, std::string(vessels) + ": σ_hoop = p·r/t",
              "σ hoop, face neg (outer), mid-height", p * r / t, middle[stressHoopNeg]);
    table.add(name, std::string(vessels) + ": σ_meridional = p·r/(2·t)",
              "σ meridional, face pos (inner), mid-height", p * r / (2 * t),
              middle[stressMeridionalPos]);
    table.add(name, std::string(vessels) + ": σ_meridional = p·r/(2·t)",
              "σ meridional, face neg (outer), mid-height", p * r / (2 * t),
              middle[stressMeridionalNeg]);
    table.add(name, "von Mises: √(σ_m² - σ_m·σ_h + σ_h²) = √3/2·p·r/t",
              "von Mises, face pos, mid-height", std::sqrt(3.0) / 2 * p * r / t,
              middle[stressVonMisesPos]);
    table.add(name, std::string(junctions) + ": Q₀ = p/(8·β)", "amount of Q-Theta at the junction",
              p / (8 * cylinderDecay(r, t)), std::fabs(station(calc, 2, 0).values[resultQTheta]));
}

std::string formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The difference in percent with two decimals and its sign; one that rounds
// to zero is written without a sign, which rounding noise could flip.
std::string percentText(double relative) {
    const double percent = 100.0 * relative;
    if (std::fabs(percent) < 0.005)
        return "0.00 %";
    return formatted("%+.2f %%", percent);
}

} // namespace

Model clampedPlate(double a, double q) {
    Model model = plate(a, true);
    model.shells.row(0).intervals = 4;
    addSurfaceLoad(model, 1, 1, q);
    return model;
}

Model closedVessel(double r, double length, double t, double p, double factor) {
    Model model;
    addFullMaterial(model, material(t));
    addNode(model, 0.0, -r);
    addNode(model, r, 0.0);
    addNode(model, r, length);
    addNode(model, 0.0, length + r);
    addShell(model, 1, 2, r);
    addShell(model, 2, 3);
    addShell(model, 3, 4, r);
    for (int shell = 0; shell < 3; ++shell) {
        setFactor(model, shell, factor);
        model.shells.row(shell).intervals = 20;
    }
    support(model, 2, false, true, false);
    addSurfaceLoad(model, 1, 3, -p);
    return model;
}

double relativeDifference(const ValidationRow& row) {
    return (row.computed - row.expected) / std::fabs(row.expected);
}

std::vector<ValidationRow> validationRows() {
    Table table;
    pressurisedCylinder(table);
    loadedPlates(table);
    edgeLoadedCylinders(table);
    domeUnderSelfWeight(table);
    heatedStructures(table);
    waterInCylinder(table);
    pressureVessel(table);
    return table.rows;
}

std::string validationMarkdown(const std::vector<ValidationRow>& rows) {
    std::string text =
        "# Validation\n\n"
        "Whole calculations of Venkar beside closed-form thin-shell theory. Every row is\n"
        "a case the test `ValidationTable.EveryCaseAgreesWithItsReference` calculates and\n"
        "checks (within 1 %); this page is generated from the same cases, and the test\n"
        "`ValidationTable.DocumentMatchesTheCases` fails when it no longer matches them.\n"
        "Regenerate it after a change with\n\n"
        "    build/tests/analysis/venkar-validation-table > docs/validation.md\n\n"
        "Units are consistent (lengths in m, forces in kN: stresses in kN/m²). E = 2·10⁷,\n"
        "ν = 0.3 throughout; D = E·t³/(12·(1 - ν²)), β⁴ = 3·(1 - ν²)/(r²·t²). The faces\n"
        "pos and neg of a stress are named by the element normal (see\n"
        "[stresses.md](stresses.md)).\n\n"
        "[TW] S. Timoshenko, S. Woinowsky-Krieger: Theory of Plates and Shells, 2nd ed.,\n"
        "McGraw-Hill 1959. [R] W. C. Young, R. G. Budynas: Roark's Formulas for Stress\n"
        "and Strain, 7th ed., McGraw-Hill 2002.\n\n"
        "| case | reference | quantity | reference value | Venkar | difference |\n"
        "|---|---|---|---:|---:|---:|\n";
    for (const ValidationRow& row : rows)
        text += "| " + row.caseName + " | " + row.reference + " | " + row.quantity + " | " +
                formatted("%.6g", row.expected) + " | " + formatted("%.6g", row.computed) + " | " +
                percentText(relativeDifference(row)) + " |\n";
    return text;
}

} // namespace venkar::test
