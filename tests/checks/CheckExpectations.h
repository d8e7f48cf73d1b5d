#pragma once

#include "checks/InputFault.h"
#include "model/Model.h"
#include "support/ModelRows.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace venkar::test {

// Asserts that a check reported `message` on the given page, row and column.
inline ::testing::AssertionResult isFault(const std::optional<InputFault>& fault, InputPage page,
                                          int row, int column, const std::string& message) {
    if (!fault)
        return ::testing::AssertionFailure() << "no fault reported";
    if (fault->page == page && fault->row == row && fault->column == column &&
        fault->message == message)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "reported \"" << fault->message << "\" on " << pageCaption(fault->page) << " row "
           << fault->row << " column " << fault->column;
}

inline ::testing::AssertionResult noFault(const std::optional<InputFault>& fault) {
    if (!fault)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "reported \"" << fault->message << "\" on " << pageCaption(fault->page) << " row "
           << fault->row << " column " << fault->column;
}

// A cylinder that passes both checks: nodes 1 (10, 0) and 2 (10, 5), shell 1
// between them, material 1.
inline void addCylinder(Model& model) {
    addRow(model.materials, MatRecord{3e7, 0.2, 0.2, 25.0, 0.0, 1e-5});
    addShellWithNodes(model, 10, 0, 10, 5);
}

} // namespace venkar::test
