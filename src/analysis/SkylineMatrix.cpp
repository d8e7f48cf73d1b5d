#include "analysis/SkylineMatrix.h"

#include "analysis/RealMatrix.h"
#include "model/Error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace venkar {

namespace {

// Pivots below this magnitude (after scaling by the largest diagonal) count
// as zero.
constexpr double pivotThreshold = 1e-15;
// A pivot that has lost all but this fraction of its row's own diagonal is
// rounding noise: the row depends on the rows before it (a mechanism).
constexpr double pivotNoiseRatio = 1e-12;

// A zeroed block of `count` doubles, to be released with std::free; null
// when the memory cannot be had. A large profile is placed in huge pages
// where the system offers them, which saves most of the page faults of its
// first use.
double* allocateZeroed(std::size_t count) {
#ifdef __linux__
    constexpr std::size_t hugePage = 2u << 20;
    const std::size_t bytes = count * sizeof(double);
    if (bytes >= 2 * hugePage) {
        const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
        void* block = std::aligned_alloc(hugePage, rounded);
        if (block == nullptr)
            return nullptr;
        madvise(block, rounded, MADV_HUGEPAGE);
        std::memset(block, 0, bytes);
        return static_cast<double*>(block);
    }
#endif
    return static_cast<double*>(std::calloc(count == 0 ? 1 : count, sizeof(double)));
}

} // namespace

SkylineMatrix::SkylineMatrix(int n) : n_(n) {
    try {
        rowIndex_.assign(static_cast<std::size_t>(n) + 1, 0);
    } catch (const std::bad_alloc&) {
        raiseError("Nicht genug Speicher");
    }
}

void SkylineMatrix::noteHeight(int row, int height) {
    std::int64_t& stored = rowIndex_[static_cast<std::size_t>(row) + 1];
    stored = std::max<std::int64_t>(stored, height);
}

void SkylineMatrix::finaliseProfile() {
    bandwidth_ = 0;
    for (int r = 1; r <= n_; ++r) {
        std::int64_t& value = rowIndex_[static_cast<std::size_t>(r)];
        bandwidth_ = std::max(bandwidth_, static_cast<int>(value));
        if (value == 0)
            value = 1;
        value += rowIndex_[static_cast<std::size_t>(r) - 1];
    }
    // Input nodes are numbered first, so every shell end couples to the last
    // nodes of its shell: many long shells make a profile that grows with
    // their product. Refuse it before the allocation rather than let the
    // system run out of memory.
    if (storedEntries() > maxStoredEntries)
        raiseError("Nicht genug Speicher (Steifigkeitsmatrix mit %lld Byte)",
                   static_cast<long long>(8 * storedEntries()));
    entries_.reset(allocateZeroed(static_cast<std::size_t>(storedEntries())));
    if (!entries_)
        raiseError("Speicher");
}

void SkylineMatrix::FreeDeleter::operator()(double* p) const {
    std::free(p);
}

void SkylineMatrix::clearEntries() {
    std::fill_n(entries_.get(), static_cast<std::size_t>(storedEntries()), 0.0);
}

double SkylineMatrix::entry(int row, int col) const {
    if (col > row)
        std::swap(row, col);
    return inProfile(row, col) ? at(row, col) : 0.0;
}

SolveCode SkylineMatrix::solve(RealMatrix& b) {
    scaleByLargestDiagonal(b);
    const SolveCode code = factorise();
    if (code != solveSolved)
        return code;
    forwardSubstitute(b);
    backwardSubstitute(b);
    return solveSolved;
}

SolveCode SkylineMatrix::factoriseForSolves() {
    RealMatrix none(0, 1);
    scale_ = scaleByLargestDiagonal(none);
    return factorise();
}

// (c·A)·x = c·b for the scale c of the factors.
void SkylineMatrix::solveFactorised(RealMatrix& b) const {
    scaleInPlace(b, scale_);
    forwardSubstitute(b);
    backwardSubstitute(b);
}

void SkylineMatrix::multiply(const double* x, double* y) const {
    std::fill_n(y, n_, 0.0);
    for (int r = 0; r < n_; ++r) {
        const double* row = &entries_[static_cast<std::size_t>(offset(r))];
        double sum = row[0] * x[r];
        for (int c = firstColumn(r); c < r; ++c) {
            sum += row[r - c] * x[c];
            y[c] += row[r - c] * x[r];
        }
        y[r] += sum;
    }
}

// factorise() completes the elimination whatever the signs of the pivots
// and stops only on a vanishing one.
int SkylineMatrix::negativePivots() {
    RealMatrix none(0, 1);
    scaleByLargestDiagonal(none);
    if (factorise() == solveSingular)
        return -1;
    int count = 0;
    for (int r = 0; r < n_; ++r)
        if (at(r, r) < 0.0)
            ++count;
    return count;
}

// Divides the matrix and b by the largest diagonal (taken with its sign), so
// that the pivot threshold is relative; a largest diagonal of 0 leaves both
// unscaled. The solution is unchanged.
double SkylineMatrix::scaleByLargestDiagonal(RealMatrix& b) {
    double largest = 0.0;
    for (int r = 0; r < n_; ++r)
        largest = std::max(largest, at(r, r));
    if (largest == 0.0)
        return 1.0;
    const double factor = 1.0 / largest;
    std::for_each(entries_.get(), entries_.get() + storedEntries(),
                  [factor](double& value) { value *= factor; });
    scaleInPlace(b, factor);
    return factor;
}

// L·D·Lᵀ factorisation in place: L (unit lower) below the diagonal, D on it.
//
// Every entry receives exactly the updates of the column-by-column
// elimination, A(k, j) -= (A(j, i) / p_i) · A(k, i) for i = 0, 1, ... in
// ascending order, with A(j, i) and A(k, i) the reduced but not yet divided
// values. The work is organised by rows (the active-column scheme) so that
// only entries inside the profile are visited: row k is reduced against the
// finished rows above it, and its entries are divided by their pivots at the
// end. The cost follows the profile, not n x bandwidth.
SolveCode SkylineMatrix::factorise() {
    // The rows of a profile without reordering are mostly short, but a few
    // span nearly the whole matrix (a node coupled to an early input node)
    // and stay almost empty. Terms with a factor that is exactly zero change
    // nothing, so they are skipped: row k skips the rows j whose range holds
    // no nonzero of row k yet, and a finished long row that is mostly zero
    // keeps the list of its nonzero columns for the rows below it.
    constexpr int longRow = 64;
    std::vector<int> sparseIndex(static_cast<std::size_t>(n_), -1);
    std::vector<std::vector<int>> sparseColumns;

    for (int k = 0; k < n_; ++k) {
        const int firstK = firstColumn(k);
        const double originalDiagonal = at(k, k);
        double* rowK = &entries_[static_cast<std::size_t>(offset(k))]; // rowK[k - c] = A(k, c)
        int lastNonzero = -1; // the largest column left of j with A(k, c) != 0
        for (int j = firstK; j < k; ++j) {
            const int first = std::max(firstK, firstColumn(j));
            double value = rowK[k - j];
            if (lastNonzero >= first) {
                const double* rowJ = &entries_[static_cast<std::size_t>(offset(j))];
                const int sparse = sparseIndex[static_cast<std::size_t>(j)];
                if (sparse >= 0) {
                    const std::vector<int>& columns =
                        sparseColumns[static_cast<std::size_t>(sparse)];
                    for (auto it = std::lower_bound(columns.begin(), columns.end(), first);
                         it != columns.end(); ++it)
                        value -= rowJ[j - *it] * rowK[k - *it]; // L(j, i) · A(k, i)
                } else {
                    for (int i = first; i < j; ++i)
                        value -= rowJ[j - i] * rowK[k - i];
                }
                rowK[k - j] = value;
            }
            if (value != 0.0)
                lastNonzero = j;
        }
        double pivot = rowK[0];
        for (int i = firstK; i < k; ++i) {
            const double reduced = rowK[k - i];
            const double factor = reduced / at(i, i);
            pivot -= factor * reduced;
            rowK[k - i] = factor;
        }
        rowK[0] = pivot;
        if (!(std::fabs(pivot) >= pivotThreshold))
            return solveSingular;
        if (std::fabs(pivot) < pivotNoiseRatio * std::fabs(originalDiagonal))
            return solveSingular;

        if (k - firstK >= longRow) {
            std::vector<int> columns;
            for (int c = firstK; c < k && columns.size() * 4 < static_cast<std::size_t>(k - firstK);
                 ++c)
                if (rowK[k - c] != 0.0)
                    columns.push_back(c);
            if (columns.size() * 4 < static_cast<std::size_t>(k - firstK)) {
                sparseIndex[static_cast<std::size_t>(k)] = static_cast<int>(sparseColumns.size());
                sparseColumns.push_back(std::move(columns));
            }
        }
    }
    for (int r = 0; r < n_; ++r)
        if (!(at(r, r) > 0.0))
            return solveNotPositive;
    return solveSolved;
}

// L·y = b, row by row.
void SkylineMatrix::forwardSubstitute(RealMatrix& b) const {
    for (int i = 0; i < n_; ++i) {
        const int h = height(i);
        double sum = 0.0;
        for (int j = 1; j < h; ++j)
            sum += at(i, i - j) * b.at(i - j);
        b.at(i) -= sum;
    }
}

// D·Lᵀ·x = y, from the last equation up. Column d of L is needed, that is the
// rows j > d whose profile reaches d. They are kept in a list ordered by row,
// which gains row d + 1 when it reaches d and loses the rows whose profile
// begins at d + 1, so each column costs only its own entries.
void SkylineMatrix::backwardSubstitute(RealMatrix& b) const {
    std::vector<int> bucketStart(static_cast<std::size_t>(n_) + 1, 0);
    for (int r = 0; r < n_; ++r)
        ++bucketStart[static_cast<std::size_t>(firstColumn(r)) + 1];
    for (int c = 0; c < n_; ++c)
        bucketStart[static_cast<std::size_t>(c) + 1] += bucketStart[static_cast<std::size_t>(c)];
    std::vector<int> rowsByFirst(static_cast<std::size_t>(n_));
    {
        std::vector<int> fill(bucketStart.begin(), bucketStart.end() - 1);
        for (int r = 0; r < n_; ++r)
            rowsByFirst[static_cast<std::size_t>(
                fill[static_cast<std::size_t>(firstColumn(r))]++)] = r;
    }

    constexpr int none = -1;
    std::vector<int> next(static_cast<std::size_t>(n_), none);
    std::vector<int> previous(static_cast<std::size_t>(n_), none);
    int head = none;
    auto unlink = [&](int row) {
        const auto index = static_cast<std::size_t>(row);
        if (previous[index] != none)
            next[static_cast<std::size_t>(previous[index])] = next[index];
        else
            head = next[index];
        if (next[index] != none)
            previous[static_cast<std::size_t>(next[index])] = previous[index];
    };

    for (int d = n_ - 1; d >= 0; --d) {
        const int above = d + 1;
        if (above < n_) {
            const int from = bucketStart[static_cast<std::size_t>(above)];
            const int to = bucketStart[static_cast<std::size_t>(above) + 1];
            for (int k = from; k < to; ++k) {
                const int row = rowsByFirst[static_cast<std::size_t>(k)];
                if (row != above)
                    unlink(row);
            }
            if (firstColumn(above) <= d) {
                next[static_cast<std::size_t>(above)] = head;
                previous[static_cast<std::size_t>(above)] = none;
                if (head != none)
                    previous[static_cast<std::size_t>(head)] = above;
                head = above;
            }
        }
        double sum = 0.0;
        for (int j = head; j != none; j = next[static_cast<std::size_t>(j)])
            sum += at(j, d) * b.at(j);
        b.at(d) = b.at(d) / at(d, d) - sum;
    }
}

} // namespace venkar
