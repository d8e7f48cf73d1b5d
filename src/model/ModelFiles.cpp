#include "model/ModelFiles.h"

#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/LineReader.h"
#include "model/Model.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace venkar {

namespace {

constexpr const char* selfWeightKeyword = "EIGENGEWICHT";
constexpr const char* harmonicCountKeyword = "HARMONICS";

// The sections that make a text a system or a load file.
constexpr std::array<const char*, 5> systemKeywords{"NODES", "SHELLS", "MATERIALS", "HINGES",
                                                    "RINGS"};
constexpr std::array<const char*, 8> loadKeywords{"NODELOAD",       "SHELLLOAD",      "POINTLOAD",
                                                  "CONSTRAINTLOAD", "WATERLOAD",      "SNOWLOAD",
                                                  "TEMPERATURE",    selfWeightKeyword};
// The sections of the loads around the circumference and of silos: a load file may hold
// only these, but the message naming the sections stays the original one.
constexpr std::array<const char*, 11> laterKeywords{
    "SUPPORTV",     "HARMONICRINGS",    "WINDLOAD",          "WINDCOEFFICIENTS",
    "HARMONICLOAD", "HARMONICNODELOAD", "ANGLELOAD",         "SILOLOAD",
    "HOPPERLOAD",   "SILOPATCH",        harmonicCountKeyword};
constexpr std::array<const char*, 9> laterLoadKeywords{
    "WINDLOAD", "WINDCOEFFICIENTS", "HARMONICLOAD", "HARMONICNODELOAD",  "ANGLELOAD",
    "SILOLOAD", "HOPPERLOAD",       "SILOPATCH",    harmonicCountKeyword};

// True when some line of `text` begins with one of `keywords`, found the way
// the section reader finds them.
template <std::size_t N>
bool holdsAnyKeyword(std::string_view text, const std::array<const char*, N>& keywords,
                     const std::string& fileName) {
    for (const char* keyword : keywords) {
        LineReader in{std::string(text), fileName};
        if (in.findLine(keyword))
            return true;
    }
    return false;
}

bool startsWithKeyword(std::string_view line) {
    const auto startsWith = [&](const char* keyword) {
        const std::string_view k(keyword);
        if (line.size() < k.size())
            return false;
        for (std::size_t i = 0; i < k.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(line[i])) != k[i])
                return false;
        return true;
    };
    return std::any_of(systemKeywords.begin(), systemKeywords.end(), startsWith) ||
           std::any_of(loadKeywords.begin(), loadKeywords.end(), startsWith) ||
           std::any_of(laterKeywords.begin(), laterKeywords.end(), startsWith);
}

bool isCapitalWord(std::string_view line) {
    return !line.empty() && std::all_of(line.begin(), line.end(),
                                        [](char c) { return (c >= 'A' && c <= 'Z') || c == '_'; });
}

bool isCountLine(const std::string& line) {
    try {
        FieldScanner fields(line);
        fields.integer();
        fields.finish();
        return true;
    } catch (const FieldRefused&) {
        return false;
    }
}

// The count of the "HARMONICS" line pair, 0 without it: a whole number from
// 1 to the largest count the expansion takes.
int readHarmonicCount(LineReader& in) {
    if (!in.findLine(harmonicCountKeyword))
        return 0;
    in.setSection(harmonicCountKeyword);
    const std::string line = in.readLine();
    int count = 0;
    try {
        FieldScanner fields(line);
        count = fields.integer();
        fields.finish();
    } catch (const FieldRefused& refused) {
        in.refuse(line, refused.what());
    }
    if (count < 1 || count > Model::maxHarmonicCount)
        in.refuse(line, "Anzahl der Harmonischen nicht zwischen 1 und 400");
    return count;
}

} // namespace

std::string writeSystemText(const Model& model) {
    std::string text;
    for (const InputContainer* table : model.systemTables())
        table->writeSection(text);
    return text;
}

void checkSystemText(std::string_view text, const std::string& fileName) {
    if (!holdsAnyKeyword(text, systemKeywords, fileName))
        raiseError("Die Datei %s enthält keine Systemdaten (NODES, SHELLS, MATERIALS, HINGES, "
                   "RINGS).",
                   fileName.c_str());
}

void checkLoadText(std::string_view text, const std::string& fileName) {
    if (!holdsAnyKeyword(text, loadKeywords, fileName) &&
        !holdsAnyKeyword(text, laterLoadKeywords, fileName))
        raiseError("Die Datei %s enthält keine Lastfalldaten (NODELOAD, SHELLLOAD, POINTLOAD, "
                   "CONSTRAINTLOAD, WATERLOAD, SNOWLOAD, TEMPERATURE, EIGENGEWICHT).",
                   fileName.c_str());
}

void readSystemText(Model& model, std::string_view text, const std::string& fileName) {
    checkSystemText(text, fileName);
    LineReader in{std::string(text), fileName};
    for (InputContainer* table : model.systemTables())
        table->readSection(in);
}

std::string writeLoadText(const Model& model) {
    std::string text;
    for (const InputContainer* table : model.loadTables())
        table->writeSection(text);
    if (model.harmonicCount() > 0)
        appendFormat(text, "%s\n%d\n\n", harmonicCountKeyword, model.harmonicCount());
    if (model.selfWeight()) {
        text += '\n';
        text += selfWeightKeyword;
        text += "\n\n";
    }
    return text;
}

void readLoadText(Model& model, std::string_view text, const std::string& fileName) {
    checkLoadText(text, fileName);
    LineReader in{std::string(text), fileName};
    for (InputContainer* table : model.loadTables())
        table->readSection(in);
    in.setSection({});
    model.setHarmonicCount(readHarmonicCount(in));
    in.setSection({});
    model.setSelfWeight(in.findLine(selfWeightKeyword));
}

std::vector<std::string> unknownSections(std::string_view text) {
    std::vector<std::string> unknown;
    LineReader in{std::string(text)};
    std::string line = in.readLine();
    while (!in.atEnd()) {
        std::string next = in.readLine();
        if (isCapitalWord(line) && !startsWithKeyword(line) && isCountLine(next))
            unknown.push_back(line);
        line = std::move(next);
    }
    return unknown;
}

} // namespace venkar
