#include "buckling/BucklingEigen.h"

#include "analysis/SkylineMatrix.h"
#include "buckling/BucklingSystem.h"
#include "buckling/ShiftedFactors.h"

#include <Eigen/Core>
#include <Eigen/Eigenvalues>
#include <Eigen/SparseCore>
#include <Spectra/SymEigsSolver.h>

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

// The nonzero entries of the symmetric matrix, both triangles, row by row:
// a profile without reordering has a few rows reaching back over the whole
// matrix that hold mostly zeros, which the iteration's many products need
// not visit, and a plain row-major product runs about twice as fast as one
// through the lower triangle's self-adjoint view.
using SparseRows = Eigen::SparseMatrix<double, Eigen::RowMajor>;
SparseRows symmetricNonzeros(const SkylineMatrix& m) {
    std::vector<Eigen::Triplet<double>> entries;
    for (int row = 0; row < m.order(); ++row)
        for (int col = row - m.height(row) + 1; col <= row; ++col)
            if (const double value = m.entry(row, col); value != 0.0) {
                entries.emplace_back(row, col, value);
                if (col != row)
                    entries.emplace_back(col, row, value);
            }
    SparseRows out(m.order(), m.order());
    out.setFromTriplets(entries.begin(), entries.end());
    return out;
}

// S⁻¹·(-G)·S⁻ᵀ for Spectra, S·Sᵀ = K + σ·G (see ShiftedFactors).
class StandardOperator {
public:
    using Scalar = double;
    StandardOperator(const ShiftedFactors& factors, const SparseRows& g)
        : factors_(factors), g_(g), buffer_(factors.order()), product_(factors.order()) {}
    Eigen::Index rows() const { return factors_.order(); }
    Eigen::Index cols() const { return factors_.order(); }
    void perform_op(const double* x, double* y) const {
        factors_.upperSolve(x, buffer_.data());
        product_.noalias() = -(g_ * buffer_);
        factors_.lowerSolve(product_.data(), y);
    }

private:
    const ShiftedFactors& factors_;
    const SparseRows& g_;
    mutable Eigen::VectorXd buffer_;
    mutable Eigen::VectorXd product_;
};

Eigen::MatrixXd dense(const SkylineMatrix& m) {
    const int n = m.order();
    Eigen::MatrixXd out(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            out(i, j) = m.entry(i, j);
    return out;
}

// Systems up to this order are solved densely; up to the second one the
// dense solver is the fallback when Lanczos fails.
constexpr int denseOrder = 40;
constexpr int denseFallbackOrder = 400;

// The largest μ of -G·φ = μ·K·φ, densely: all of them.
void solveDense(const SkylineMatrix& k, const SkylineMatrix& g, PencilEigen& result) {
    const Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> solver(-dense(g), dense(k));
    if (solver.info() != Eigen::Success)
        return;
    const Eigen::Index last = solver.eigenvalues().size() - 1;
    const double mu = solver.eigenvalues()(last);
    if (!(mu > 0.0))
        return;
    result.found = true;
    result.factor = 1.0 / mu;
    const Eigen::VectorXd mode = solver.eigenvectors().col(last);
    result.mode.assign(mode.data(), mode.data() + mode.size());
}

// The `count` λ just above the shift σ of `factors` by Lanczos on the
// standard problem S⁻¹·(-G)·S⁻ᵀ·y = θ·y, θ = 1/(λ - σ): the largest θ are
// the λ closest above σ, well apart even where the λ lie close together
// once σ is near them; negative λ give θ < 0 and come last. With σ = 0 this
// is the regular inverse iteration, θ = 1/λ. `ncv` is the Lanczos basis.
// False when it does not converge.
bool solveStandard(const ShiftedFactors& factors, const SparseRows& g, int count, int ncv,
                   const std::vector<double>& start, PencilEigen& result) {
    StandardOperator op(factors, g);
    Spectra::SymEigsSolver<StandardOperator> solver(op, count, std::min(factors.order(), ncv));
    // The start y = Sᵀ·φ of a mode φ, when one of this order is given and
    // not zero (Spectra refuses a zero start).
    Eigen::VectorXd initial;
    if (start.size() == static_cast<std::size_t>(factors.order())) {
        initial.resize(factors.order());
        factors.upperMultiply(start.data(), initial.data());
    }
    if (const double norm = initial.norm(); norm > 0.0 && std::isfinite(norm))
        solver.init(initial.data());
    else
        solver.init();
    solver.compute(Spectra::SortRule::LargestAlge, 300, 1e-10);
    if (solver.info() != Spectra::CompInfo::Successful)
        return false;
    const Eigen::VectorXd theta = solver.eigenvalues(); // descending
    result.found = theta(0) > 0.0;
    if (!result.found)
        return true;
    const double sigma = factors.shift();
    result.factor = sigma + 1.0 / theta(0);
    // φ = S⁻ᵀ·y has φᵀ·(K + σ·G)·φ = 1 and φᵀ·(-G)·φ = θ, so
    // φᵀ·K·φ = 1 + σ·θ.
    const Eigen::VectorXd y = solver.eigenvectors().col(0);
    result.mode.assign(static_cast<std::size_t>(y.size()), 0.0);
    factors.upperSolve(y.data(), result.mode.data());
    const double scale = 1.0 / std::sqrt(1.0 + sigma * theta(0));
    for (double& value : result.mode)
        value *= scale;
    return true;
}

// True when no λ lies below the one found: the count just below it is zero
// (-1: σ lies on an eigenvalue within round-off, the one found).
bool smallestConfirmed(const SkylineMatrix& k, const SkylineMatrix& g, const PencilEigen& found) {
    return eigenvaluesBelow(k, g, found.factor * (1.0 - 1e-7)) <= 0;
}

// Shift-invert about a shift just below `estimate`, lowered while K + σ·G
// is not positive definite (an eigenvalue below σ): the closer σ lies to
// the smallest λ, the farther apart θ = 1/(λ - σ) sets it from the next
// ones. False when no such shift was found or the result is not confirmed.
// `start` (the neighbour's mode, or empty) starts the first iteration.
bool solveNearEstimate(const SkylineMatrix& k, const SkylineMatrix& g, const SparseRows& gRows,
                       double estimate, const std::vector<double>& start, PencilEigen& result) {
    const std::vector<double> none;
    for (double ratio : {0.99, 0.95, 0.475, 0.2375, 0.11875}) {
        const double sigma = ratio * estimate;
        ShiftedFactors shifted;
        if (!shifted.factorise(k, g, sigma))
            continue;
        for (int count : {1, 4}) {
            if (count >= k.order())
                break;
            // Well separated after the shift: a short basis converges in
            // few restarts.
            PencilEigen attemptResult;
            if (solveStandard(shifted, gRows, count, std::max(3 * count + 1, 10),
                              count == 1 ? start : none, attemptResult) &&
                attemptResult.found && smallestConfirmed(k, g, attemptResult)) {
                result = std::move(attemptResult);
                return true;
            }
        }
        return false;
    }
    return false;
}

} // namespace

int eigenvaluesBelow(const SkylineMatrix& k, const SkylineMatrix& g, double sigma) {
    SkylineMatrix shifted = shiftedMatrix(k, g, sigma);
    return shifted.negativePivots();
}

PencilEigen smallestPositiveFactor(const SkylineMatrix& k, const SkylineMatrix& g, double estimate,
                                   const std::vector<double>& startMode) {
    PencilEigen result;
    const int n = k.order();
    if (n == 0) {
        return result;
    }
    ShiftedFactors factors;
    if (!factors.factorise(k, g, 0.0)) {
        result.stiffnessPositive = false;
        return result;
    }
    if (n <= denseOrder) {
        solveDense(k, g, result);
        return result;
    }
    const SparseRows gRows = symmetricNonzeros(g);
    if (estimate > 0.0 && solveNearEstimate(k, g, gRows, estimate, startMode, result))
        return result;
    // About σ = 0 the largest θ = 1/λ lies apart from the cluster of the many
    // stiff modes at θ ≈ 0. A start vector that hardly holds the smallest λ,
    // or a largest θ close to the next ones, is met by a wider request.
    PencilEigen attempt;
    for (int count : {1, 6}) {
        if (count >= n)
            break;
        if (!solveStandard(factors, gRows, count, std::max(4 * count + 1, 24), {}, attempt))
            continue;
        if (!attempt.found)
            return attempt;
        if (smallestConfirmed(k, g, attempt))
            return attempt;
    }
    if (n <= denseFallbackOrder) {
        solveDense(k, g, result);
        return result;
    }
    attempt.proven = false;
    return attempt;
}

} // namespace venkar
