#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace venkar::test {

// Relative closeness with an absolute floor, for comparing computed values
// with references: |actual - expected| <= relative * max(|expected|, floor).
inline ::testing::AssertionResult isClose(double actual, double expected, double relative = 1e-12,
                                          double floor = 1e-300) {
    const double allowed = relative * std::fmax(std::fabs(expected), floor);
    if (std::fabs(actual - expected) <= allowed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " differs from " << expected << " by " << std::fabs(actual - expected)
           << " (allowed " << allowed << ")";
}

} // namespace venkar::test
