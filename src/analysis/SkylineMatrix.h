#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace venkar {

class RealMatrix;

// Outcome of SkylineMatrix::solve.
enum SolveCode : int {
    solveSingular = 1,    // a pivot vanished (below 1e-15, not a number, or rounding noise)
    solveNotPositive = 2, // factorised, but a pivot is not positive
    solveSolved = 3,      // the right-hand side holds the solution
};

// The symmetric global stiffness matrix in profile (skyline) storage.
//
// Only the lower triangle is kept, row by row: row r holds its height h(r)
// entries, the diagonal first and then leftwards, so A(r, c) for
// r - h(r) < c <= r lives at entries[offset(r) + (r - c)]. Entries outside
// the profile are zero and never touched. Use: construct with the order, note
// the row heights, finalise the profile once, add entries, solve.
class SkylineMatrix {
public:
    // An empty matrix of order n (n equations); every height starts at 0.
    explicit SkylineMatrix(int n);

    int order() const { return n_; }
    // The largest row height ("Bandbreite"); valid after finaliseProfile().
    int bandwidth() const { return bandwidth_; }
    // Number of stored entries; the memory figure is 8 bytes per entry.
    std::int64_t storedEntries() const { return rowIndex_[static_cast<std::size_t>(n_)]; }

    // Raises the height of `row` to at least `height` (before finalising).
    void noteHeight(int row, int height);
    // The most entries a profile may hold: 4 GB of doubles.
    static constexpr std::int64_t maxStoredEntries = std::int64_t{1} << 29;

    // Turns the heights into offsets (a row keeps at least its diagonal) and
    // allocates the zeroed entries; raises "Nicht genug Speicher" for a
    // profile above maxStoredEntries and "Speicher" when memory runs out.
    void finaliseProfile();

    int height(int row) const { return static_cast<int>(offset(row + 1) - offset(row)); }
    bool inProfile(int row, int col) const { return row - height(row) < col; }

    void clearEntries();
    // A(row, col) += value for col <= row inside the profile.
    void addEntry(int row, int col, double value) { at(row, col) += value; }
    // A(row, col) for any pair; the symmetric counterpart is read for
    // col > row and 0 outside the profile.
    double entry(int row, int col) const;

    // Scales the matrix by its largest diagonal, factorises it in place into
    // L·D·Lᵀ and, when that succeeds, overwrites column 0 of b with the
    // solution. After a failure b is scaled only and the matrix partly
    // factorised.
    SolveCode solve(RealMatrix& b);

    // For many right-hand sides: scales and factorises as solve() does and
    // keeps the factors; solveSolved when every pivot is positive.
    SolveCode factoriseForSolves();
    // Overwrites column 0 of b with the solution, after factoriseForSolves()
    // returned solveSolved.
    void solveFactorised(RealMatrix& b) const;
    // The factor c of the factors L·D·Lᵀ = c·A that factoriseForSolves()
    // made (the reciprocal of the largest diagonal, or 1).
    double factorScale() const { return scale_; }
    // y = A·x on the matrix as assembled (not factorised); x and y hold
    // order() values each and must not overlap.
    void multiply(const double* x, double* y) const;
    // The inertia count of a symmetric matrix: scales and factorises it in
    // place into L·D·Lᵀ, going on past negative pivots, and returns how many
    // pivots are negative, that is how many eigenvalues of A are negative
    // (Sylvester's law of inertia). Returns -1 when a pivot vanishes (A is
    // singular or nearly so).
    int negativePivots();

private:
    std::int64_t offset(int row) const { return rowIndex_[static_cast<std::size_t>(row)]; }
    int firstColumn(int row) const { return row - height(row) + 1; }
    double& at(int row, int col) {
        return entries_[static_cast<std::size_t>(offset(row) + (row - col))];
    }
    double at(int row, int col) const {
        return entries_[static_cast<std::size_t>(offset(row) + (row - col))];
    }

    double scaleByLargestDiagonal(RealMatrix& b);
    SolveCode factorise();
    void forwardSubstitute(RealMatrix& b) const;
    void backwardSubstitute(RealMatrix& b) const;

    int n_ = 0;
    int bandwidth_ = 0;
    double scale_ = 1.0;                 // the factor factoriseForSolves() scaled the matrix by
    std::vector<std::int64_t> rowIndex_; // n + 1 offsets (heights before finalising)
    // Zeroed by calloc: fresh pages arrive zeroed, so a large profile is not
    // written twice before the assembly touches it.
    struct FreeDeleter {
        void operator()(double* p) const;
    };
    std::unique_ptr<double[], FreeDeleter> entries_;
};

} // namespace venkar
