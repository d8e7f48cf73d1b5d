#include "buckling/ShiftedFactors.h"

#include "analysis/SkylineMatrix.h"
#include "buckling/BucklingSystem.h"

#include <algorithm>
#include <cmath>

namespace venkar {

bool ShiftedFactors::factorise(const SkylineMatrix& k, const SkylineMatrix& g, double sigma) {
    diagonal_.clear();
    rowStart_.clear();
    columns_.clear();
    values_.clear();
    SkylineMatrix shifted = shiftedMatrix(k, g, sigma);
    if (shifted.factoriseForSolves() != solveSolved)
        return false;
    sigma_ = sigma;
    const int n = shifted.order();
    const double scale = shifted.factorScale();
    diagonal_.resize(static_cast<std::size_t>(n));
    rowStart_.reserve(static_cast<std::size_t>(n) + 1);
    rowStart_.push_back(0);
    for (int row = 0; row < n; ++row) {
        for (int col = row - shifted.height(row) + 1; col < row; ++col)
            if (const double value = shifted.entry(row, col); value != 0.0) {
                columns_.push_back(col);
                values_.push_back(value);
            }
        rowStart_.push_back(static_cast<int>(columns_.size()));
        diagonal_[static_cast<std::size_t>(row)] = std::sqrt(shifted.entry(row, row) / scale);
    }
    return true;
}

// L·z = b row by row, then y = D^-½·z.
void ShiftedFactors::lowerSolve(const double* b, double* y) const {
    const int n = order();
    for (int i = 0; i < n; ++i) {
        double sum = b[i];
        for (int p = rowStart_[static_cast<std::size_t>(i)];
             p < rowStart_[static_cast<std::size_t>(i) + 1]; ++p)
            sum -= values_[static_cast<std::size_t>(p)] * y[columns_[static_cast<std::size_t>(p)]];
        y[i] = sum;
    }
    for (int i = 0; i < n; ++i)
        y[i] /= diagonal_[static_cast<std::size_t>(i)];
}

// z = D^-½·y, then Lᵀ·x = z from the last equation up: x_i is final once
// the rows below have given their share, and row i then passes its own to
// the columns it holds.
void ShiftedFactors::upperSolve(const double* y, double* x) const {
    const int n = order();
    for (int i = 0; i < n; ++i)
        x[i] = y[i] / diagonal_[static_cast<std::size_t>(i)];
    for (int i = n - 1; i >= 0; --i) {
        const double xi = x[i];
        for (int p = rowStart_[static_cast<std::size_t>(i)];
             p < rowStart_[static_cast<std::size_t>(i) + 1]; ++p)
            x[columns_[static_cast<std::size_t>(p)]] -= values_[static_cast<std::size_t>(p)] * xi;
    }
}

// y = D^½·Lᵀ·x.
void ShiftedFactors::upperMultiply(const double* x, double* y) const {
    const int n = order();
    std::copy_n(x, n, y);
    for (int i = 0; i < n; ++i)
        for (int p = rowStart_[static_cast<std::size_t>(i)];
             p < rowStart_[static_cast<std::size_t>(i) + 1]; ++p)
            y[columns_[static_cast<std::size_t>(p)]] += values_[static_cast<std::size_t>(p)] * x[i];
    for (int i = 0; i < n; ++i)
        y[i] *= diagonal_[static_cast<std::size_t>(i)];
}

} // namespace venkar
