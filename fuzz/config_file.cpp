// Reads arbitrary bytes as a configuration file. Whatever settings result
// must write a file that reads back to the same settings and the same text.
#include "graphics/ConfigurationFile.h"
#include "graphics/GraphSettings.h"
#include "model/Error.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    venkar::GraphSettings settings;
    try {
        venkar::readSettingsText(settings.root(), text);
    } catch (const venkar::VenkarError&) {
        // "Line to long": the lines before it took effect; go on with them.
    }
    const std::string written = venkar::settingsFileText(settings.root());
    venkar::GraphSettings again;
    try {
        venkar::readSettingsText(again.root(), written);
    } catch (const venkar::VenkarError&) {
        // A text setting longer than a file line cannot be read back; the
        // values before it still must agree.
        return 0;
    }
    if (venkar::settingsFileText(again.root()) != written)
        std::abort();
    return 0;
}
