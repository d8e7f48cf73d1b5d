#include "model/Model.h"

namespace venkar {

Model::Model() = default;

std::array<InputContainer*, 5> Model::systemTables() {
    return {&nodes, &shells, &materials, &hinges, &rings};
}

std::array<InputContainer*, 7> Model::loadTables() {
    return {&nodeLoads,  &shellLoads, &pointLoads, &constraintLoads,
            &waterLoads, &snowLoads,  &tempLoads};
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
