#include "checks/InputFault.h"

#include "model/Model.h"

namespace venkar {

const char* pageCaption(InputPage page) {
    switch (page) {
    case InputPage::Nodes:
        return "Knoten";
    case InputPage::Shells:
        return "Schalen";
    case InputPage::Materials:
        return "Materialien";
    case InputPage::Hinges:
        return "Gelenke";
    case InputPage::Rings:
        return "Ringträger";
    case InputPage::NodeLoads:
        return "Knotenlast";
    case InputPage::ShellLoads:
        return "Flächenlast";
    case InputPage::PointLoads:
        return "Ringlast";
    case InputPage::ConstraintLoads:
        return "Zwgv";
    case InputPage::WaterLoads:
        return "Wasserlast";
    case InputPage::SnowLoads:
        return "Schneelast";
    case InputPage::TempLoads:
        return "Temperatur";
    }
    return "";
}

InputContainer::Document pageDocument(InputPage page) {
    return page <= InputPage::Rings ? InputContainer::Document::System
                                    : InputContainer::Document::Load;
}

namespace {

// Result is InputContainer or const InputContainer, ModelType likewise Model.
template <class Result, class ModelType> Result& tableOf(ModelType& model, InputPage page) {
    switch (page) {
    case InputPage::Nodes:
        return model.nodes;
    case InputPage::Shells:
        return model.shells;
    case InputPage::Materials:
        return model.materials;
    case InputPage::Hinges:
        return model.hinges;
    case InputPage::Rings:
        return model.rings;
    case InputPage::NodeLoads:
        return model.nodeLoads;
    case InputPage::ShellLoads:
        return model.shellLoads;
    case InputPage::PointLoads:
        return model.pointLoads;
    case InputPage::ConstraintLoads:
        return model.constraintLoads;
    case InputPage::WaterLoads:
        return model.waterLoads;
    case InputPage::SnowLoads:
        return model.snowLoads;
    case InputPage::TempLoads:
        break;
    }
    return model.tempLoads;
}

} // namespace

InputContainer& pageTable(Model& model, InputPage page) {
    return tableOf<InputContainer>(model, page);
}

const InputContainer& pageTable(const Model& model, InputPage page) {
    return tableOf<const InputContainer>(model, page);
}

} // namespace venkar
