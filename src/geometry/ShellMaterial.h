#pragma once

#include "model/MatClass.h"

namespace venkar {

class Model;

// The material values of a shell, read through its material number.
// Precondition: the shell (0-based row in `model.shells`) names a material
// row the table holds (the plausibility check makes sure it is defined);
// otherwise std::out_of_range is thrown.

const MatRecord& shellMaterial(const Model& model, int shell);

double youngsModulus(const Model& model, int shell);      // "E-Modul"
double wallThickness(const Model& model, int shell);      // "Wanddicke" t
double poissonRatio(const Model& model, int shell);       // "Querkontraktion" nu
double specificWeight(const Model& model, int shell);     // "Spezifisches Gewicht"
double beddingModulus(const Model& model, int shell);     // "Elastische Bettung"
double thermalCoefficient(const Model& model, int shell); // "Tem.ausd.Koef"

} // namespace venkar
