// Reads arbitrary bytes as the section of one table through the strict
// row-line reader. The first byte chooses the table (the five system tables,
// then the seven load tables); the rest follows the section's keyword line.
// Whatever the table holds afterwards, read completely or stopped at a
// refused line, must be a fixed point of writing: its section reads back
// without an error and writes again to the same bytes.
#include "model/Error.h"
#include "model/InputContainer.h"
#include "model/LineReader.h"
#include "model/Model.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<venkar::InputContainer*> allTables(venkar::Model& model) {
    std::vector<venkar::InputContainer*> tables;
    for (venkar::InputContainer* table : model.systemTables())
        tables.push_back(table);
    for (venkar::InputContainer* table : model.loadTables())
        tables.push_back(table);
    return tables;
}

std::string sectionText(const venkar::InputContainer& table) {
    std::string text;
    table.writeSection(text);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    venkar::Model model;
    const std::vector<venkar::InputContainer*> tables = allTables(model);
    const std::size_t choice = data[0] % tables.size();
    venkar::InputContainer& table = *tables[choice];
    const std::string body(reinterpret_cast<const char*>(data + 1), size - 1);
    venkar::LineReader reader(std::string(table.keyword()) + "\n" + body);
    try {
        table.readSection(reader);
    } catch (const venkar::VenkarError&) {
        // Refused at some line: the rows read before stay and are written.
    }
    const std::string written = sectionText(table);
    // An optional section without rows is not written at all.
    if (written.empty() && table.sectionOptional() && table.definedCount() == 0)
        return 0;
    venkar::Model again;
    venkar::InputContainer& copy = *allTables(again)[choice];
    venkar::LineReader rereader(written);
    if (!copy.readSection(rereader)) // throws on a written line it refuses
        std::abort();
    if (sectionText(copy) != written)
        std::abort();
    return 0;
}
