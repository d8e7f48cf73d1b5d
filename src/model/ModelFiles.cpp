#include "model/ModelFiles.h"

#include "model/LineReader.h"
#include "model/Model.h"

namespace venkar {

namespace {

constexpr const char* selfWeightKeyword = "EIGENGEWICHT";

} // namespace

std::string writeSystemText(const Model& model) {
    std::string text;
    for (const InputContainer* table : model.systemTables())
        table->writeSection(text);
    return text;
}

void readSystemText(Model& model, std::string_view text) {
    LineReader in{std::string(text)};
    for (InputContainer* table : model.systemTables())
        table->readSection(in);
}

std::string writeLoadText(const Model& model) {
    std::string text;
    for (const InputContainer* table : model.loadTables())
        table->writeSection(text);
    if (model.selfWeight()) {
        text += '\n';
        text += selfWeightKeyword;
        text += "\n\n";
    }
    return text;
}

void readLoadText(Model& model, std::string_view text) {
    LineReader in{std::string(text)};
    for (InputContainer* table : model.loadTables())
        table->readSection(in);
    model.setSelfWeight(in.findLine(selfWeightKeyword));
}

} // namespace venkar
