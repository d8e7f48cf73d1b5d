#pragma once

#include "model/InputContainer.h"

namespace venkar {

// The running maximum of `measure` over the defined rows of `table`,
// starting from 0. Used to scale the load plots.
template <class Record, class Measure>
double maximumOverDefinedRows(const Table<Record>& table, Measure measure) {
    double maximum = 0.0;
    for (int row : table.definedRows()) {
        const double value = measure(table.row(row));
        if (value > maximum)
            maximum = value;
    }
    return maximum;
}

} // namespace venkar
