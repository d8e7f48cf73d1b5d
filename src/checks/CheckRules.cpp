#include "checks/CheckRules.h"

#include <cmath>
#include <variant>

namespace venkar {

std::optional<InputFault> nonFiniteField(const InputContainer& table, InputPage page, int row,
                                         std::initializer_list<int> columns) {
    for (int column : columns) {
        const std::optional<CellValue> value = table.value(row, column - 1);
        if (!value)
            continue;
        const double* number = std::get_if<double>(&*value);
        if (number && !std::isfinite(*number))
            return faultAt(page, row, column, invalidNumberMessage);
    }
    return std::nullopt;
}

} // namespace venkar
