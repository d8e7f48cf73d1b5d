#include "checks/InputFault.h"

#include "model/ColumnCaptions.h"
#include "model/Model.h"

namespace venkar {

const char* pageCaption(InputPage page) {
    const auto& captions = allTableCaptions();
    const auto index = static_cast<std::size_t>(page);
    return index < captions.size() ? captions[index].pageCaption : "";
}

InputContainer::Document pageDocument(InputPage page) {
    return page <= InputPage::HarmonicRings ? InputContainer::Document::System
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
    case InputPage::CircumferentialSupports:
        return model.circumferentialSupports;
    case InputPage::HarmonicRings:
        return model.harmonicRings;
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
        return model.tempLoads;
    case InputPage::WindLoads:
        return model.windLoads;
    case InputPage::WindCoefficients:
        return model.windCoefficients;
    case InputPage::HarmonicLoads:
        return model.harmonicLoads;
    case InputPage::HarmonicNodeLoads:
        return model.harmonicNodeLoads;
    case InputPage::AngleLoads:
        return model.angleLoads;
    case InputPage::SiloLoads:
        return model.siloLoads;
    case InputPage::HopperLoads:
        return model.hopperLoads;
    case InputPage::SiloPatches:
        break;
    }
    return model.siloPatches;
}

} // namespace

InputContainer& pageTable(Model& model, InputPage page) {
    return tableOf<InputContainer>(model, page);
}

const InputContainer& pageTable(const Model& model, InputPage page) {
    return tableOf<const InputContainer>(model, page);
}

} // namespace venkar
