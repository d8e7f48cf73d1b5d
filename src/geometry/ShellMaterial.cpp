#include "geometry/ShellMaterial.h"

#include "model/Model.h"

namespace venkar {

const MatRecord& shellMaterial(const Model& model, int shell) {
    return model.materials.row(model.shells.row(shell).material - 1);
}

double youngsModulus(const Model& model, int shell) {
    return shellMaterial(model, shell).youngsModulus;
}

double wallThickness(const Model& model, int shell) {
    return shellMaterial(model, shell).wallThickness;
}

double poissonRatio(const Model& model, int shell) {
    return shellMaterial(model, shell).poissonRatio;
}

double specificWeight(const Model& model, int shell) {
    return shellMaterial(model, shell).specificWeight;
}

double beddingModulus(const Model& model, int shell) {
    return shellMaterial(model, shell).beddingModulus;
}

double thermalCoefficient(const Model& model, int shell) {
    return shellMaterial(model, shell).thermalCoefficient;
}

} // namespace venkar
