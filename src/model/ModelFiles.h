#pragma once

#include <string>
#include <string_view>

namespace venkar {

class Model;

// The system file (".vsy"): sections NODES, SHELLS, MATERIALS, HINGES, RINGS.
std::string writeSystemText(const Model& model);
// Reads all five sections; a missing section leaves its table empty. Throws
// VenkarError ("Line to long", a refused row line); the tables read so far
// keep their rows.
void readSystemText(Model& model, std::string_view text);

// The load file (".vla"): the seven load sections, then "EIGENGEWICHT" when
// self weight is switched on.
std::string writeLoadText(const Model& model);
void readLoadText(Model& model, std::string_view text);

} // namespace venkar
