#include "model/Model.h"

#include "model/DocumentObserver.h"

namespace venkar {

Model::Model() = default;

std::array<InputContainer*, 7> Model::systemTables() {
    return {&nodes, &shells, &materials, &hinges, &rings, &circumferentialSupports, &harmonicRings};
}

std::array<InputContainer*, 15> Model::loadTables() {
    return {&nodeLoads,         &shellLoads, &pointLoads, &constraintLoads,  &waterLoads,
            &snowLoads,         &tempLoads,  &windLoads,  &windCoefficients, &harmonicLoads,
            &harmonicNodeLoads, &angleLoads, &siloLoads,  &hopperLoads,      &siloPatches};
}

std::array<const InputContainer*, 7> Model::systemTables() const {
    return {&nodes, &shells, &materials, &hinges, &rings, &circumferentialSupports, &harmonicRings};
}

std::array<const InputContainer*, 15> Model::loadTables() const {
    return {&nodeLoads,         &shellLoads, &pointLoads, &constraintLoads,  &waterLoads,
            &snowLoads,         &tempLoads,  &windLoads,  &windCoefficients, &harmonicLoads,
            &harmonicNodeLoads, &angleLoads, &siloLoads,  &hopperLoads,      &siloPatches};
}

bool Model::hasHarmonicLoads() const {
    return windLoads.definedCount() > 0 || harmonicLoads.definedCount() > 0 ||
           harmonicNodeLoads.definedCount() > 0 || angleLoads.definedCount() > 0 ||
           siloPatches.definedCount() > 0;
}

void Model::setHarmonicCount(int count) {
    if (count == harmonicCount_)
        return;
    harmonicCount_ = count;
    if (DocumentObserver* observer = nodeLoads.observer())
        observer->loadChanged();
}

void Model::setSelfWeight(bool on) {
    if (on == selfWeight_)
        return;
    selfWeight_ = on;
    // The load tables share the model's observer.
    if (DocumentObserver* observer = nodeLoads.observer())
        observer->loadChanged();
}

void Model::storePendingEdits() {
    for (InputContainer* table : systemTables())
        table->storePendingEdit();
    for (InputContainer* table : loadTables())
        table->storePendingEdit();
}

void Model::setObserver(DocumentObserver* observer) {
    for (InputContainer* table : systemTables())
        table->setObserver(observer);
    for (InputContainer* table : loadTables())
        table->setObserver(observer);
}

void Model::clearSystem() {
    for (InputContainer* table : systemTables())
        table->clearAll();
}

void Model::clearLoad() {
    for (InputContainer* table : loadTables())
        table->clearAll();
}

} // namespace venkar
