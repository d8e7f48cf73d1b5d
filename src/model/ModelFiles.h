#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace venkar {

class Model;

// The system file (".vsy"): sections NODES, SHELLS, MATERIALS, HINGES, RINGS.
std::string writeSystemText(const Model& model);
// Reads all five sections; a missing section leaves its table empty.
// `fileName` names the file in the messages. Throws VenkarError: before any
// table changes when the text is no system file (checkSystemText); a
// reading error with its origin for a refused line ("Line to long", a field that is no
// number of its kind, a missing field, text after the last one), in which
// case the tables read so far keep their rows.
void readSystemText(Model& model, std::string_view text, const std::string& fileName = {});

// The load file (".vla"): the seven load sections, then "EIGENGEWICHT" when
// self weight is switched on.
std::string writeLoadText(const Model& model);
// Like readSystemText, for the seven load sections and the self weight.
void readLoadText(Model& model, std::string_view text, const std::string& fileName = {});

// Throw VenkarError when no line of `text` begins with one of the document's
// keywords as the reader finds them (upper and lower case alike): "Die Datei
// <fileName> enthält keine Systemdaten (...)." / "... keine Lastfalldaten
// (...).".
void checkSystemText(std::string_view text, const std::string& fileName);
void checkLoadText(std::string_view text, const std::string& fileName);

// The section keywords the readers skip: a line of capital letters alone,
// followed by a line holding only a whole number, that begins with none of
// the twelve table keywords nor "EIGENGEWICHT". In file order.
std::vector<std::string> unknownSections(std::string_view text);

} // namespace venkar
