// Reads arbitrary bytes as a load file. Whatever is accepted must write
// back to a text that reads and writes again to the same bytes.
#include "model/Error.h"
#include "model/Model.h"
#include "model/ModelFiles.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    venkar::Model model;
    try {
        venkar::readLoadText(model, text);
    } catch (const venkar::VenkarError&) {
        return 0;
    }
    const std::string written = venkar::writeLoadText(model);
    venkar::Model again;
    venkar::readLoadText(again, written);
    if (venkar::writeLoadText(again) != written)
        std::abort();
    return 0;
}
