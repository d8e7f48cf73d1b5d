#pragma once

#include "checks/InputFault.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace venkar {

// Building blocks shared by the system check and the load check.

// Reported for a value that is not a finite number (nan or inf, which a file
// can carry). Both checks test the fields of a row for it before any other
// test of that row, so that no comparison is made with such a value.
inline constexpr const char* invalidNumberMessage = "Ungültige Zahl !";

inline InputFault faultAt(InputPage page, int row, int column, std::string message) {
    return {page, row, column, std::move(message)};
}

// The invalid-number fault for the first of `columns` (1-based grid columns)
// of `row` in `table` that holds a double that is not finite; none when all
// of them are finite.
std::optional<InputFault> nonFiniteField(const InputContainer& table, InputPage page, int row,
                                         std::initializer_list<int> columns);

} // namespace venkar
