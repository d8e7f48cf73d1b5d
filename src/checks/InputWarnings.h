#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace venkar {

class Model;

// Input that reads and passes the checks but is likely not what the user
// meant. Each text is one line (the batch command writes it to standard
// error, the window program to its status line and status window); none
// changes a calculation.

// "Unbekannter Abschnitt WINDLOAD in <fileName>, wird überlesen" for every
// section keyword of `text` the readers skip.
std::vector<std::string> unknownSectionWarnings(std::string_view text, const std::string& fileName);

// A load case without any defined load row and without self weight.
std::vector<std::string> emptyLoadWarnings(const Model& model);

// Water load on shells that reach above the load's "Nullpunkt" (smaller z,
// z pointing down): the pressure (z - Nullpunkt) * Wichte changes sign there
// and pulls the wall. One warning per load row and shell; shells that are not
// defined or not geometrically valid are left to the checks.
std::vector<std::string> waterSuctionWarnings(const Model& model);

// The warnings about the load case as a whole: emptyLoadWarnings, then
// waterSuctionWarnings. What the window program shows after a passed check
// and while it calculates.
std::vector<std::string> loadCaseWarnings(const Model& model);

} // namespace venkar
