#pragma once

#include "model/Model.h"

#include <string>
#include <vector>

namespace venkar::test {

// The closed-form comparisons of the analysis: each row one quantity of one
// whole calculation beside its value from thin-shell theory. The validation
// test asserts every row within its tolerance, and docs/validation.md is
// this table as Markdown, so the document cannot drift from what is tested.
struct ValidationRow {
    std::string caseName;    // the structure and its load
    std::string reference;   // the book and the equation
    std::string quantity;    // what is compared, with where
    double expected = 0.0;   // from the closed form
    double computed = 0.0;   // Venkar's value
    double tolerance = 0.01; // allowed relative difference
};

// Calculates every case and returns its rows in document order.
std::vector<ValidationRow> validationRows();

// The rows as the Markdown document docs/validation.md.
std::string validationMarkdown(const std::vector<ValidationRow>& rows);

// The relative difference (computed - expected) / |expected|.
double relativeDifference(const ValidationRow& row);

// Two models the stress tests share with the table, E = 2e7, t = 0.1,
// ν = 0.3 unless said otherwise.

// A circular plate of radius a from the axis (node 1) to the clamped edge
// (node 2), shell row 0, under a surface load q along the element normal
// (+z for a plate running outwards).
Model clampedPlate(double a, double q);

// A closed vessel: a cylinder of radius r from z = 0 (node 2) to z = length
// (node 3) between two hemispherical heads (node 1 and node 4 on the axis),
// shells 1 (lower head), 2 (cylinder), 3 (upper head), wall thickness t,
// discretisation factor `factor`, under internal pressure p. The meridian
// runs from the lower pole upwards, so every normal points into the vessel:
// the pos face is the inner one, and the pressure is a surface load of -p.
// Held in z at node 2 only; the pressure is self-equilibrated.
Model closedVessel(double r, double length, double t, double p, double factor);

} // namespace venkar::test
