#include "buckling/BucklingEigen.h"

#include "analysis/RealMatrix.h"
#include "analysis/SkylineMatrix.h"
#include "buckling/BucklingSystem.h"

#include <Eigen/Core>
#include <Eigen/Eigenvalues>
#include <Eigen/SparseCore>
#include <Spectra/SymGEigsShiftSolver.h>
#include <Spectra/SymGEigsSolver.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

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

// -G·x for Spectra.
class NegatedProduct {
public:
    using Scalar = double;
    explicit NegatedProduct(const SkylineMatrix& g) : g_(symmetricNonzeros(g)) {}
    Eigen::Index rows() const { return g_.rows(); }
    Eigen::Index cols() const { return g_.cols(); }
    void perform_op(const double* x, double* y) const {
        Eigen::Map<const Eigen::VectorXd> in(x, g_.cols());
        Eigen::Map<Eigen::VectorXd> out(y, g_.rows());
        out.noalias() = -(g_ * in);
    }

private:
    SparseRows g_;
};

// K·x and K⁻¹·x for Spectra: the assembled K and its profile factors.
class StiffnessOperator {
public:
    using Scalar = double;
    StiffnessOperator(const SkylineMatrix& k, const SkylineMatrix& factors)
        : k_(symmetricNonzeros(k)), factors_(factors), buffer_(k.order(), 1) {}
    Eigen::Index rows() const { return k_.rows(); }
    Eigen::Index cols() const { return k_.cols(); }
    void perform_op(const double* x, double* y) const {
        Eigen::Map<const Eigen::VectorXd> in(x, k_.cols());
        Eigen::Map<Eigen::VectorXd> out(y, k_.rows());
        out.noalias() = k_ * in;
    }
    void solve(const double* x, double* y) const {
        std::copy_n(x, k_.rows(), buffer_.data());
        factors_.solveFactorised(buffer_);
        std::copy_n(buffer_.data(), k_.rows(), y);
    }

private:
    SparseRows k_;
    const SkylineMatrix& factors_;
    mutable RealMatrix buffer_;
};

// (K + σ·G)⁻¹·x for Spectra's buckling mode, which writes the pencil as
// K·φ = λ·K_G·φ with K_G = -G: the factors of K + σ·G, made for the shift
// the solver is given.
class ShiftedSolve {
public:
    using Scalar = double;
    ShiftedSolve(const SkylineMatrix& factors, double sigma)
        : factors_(factors), sigma_(sigma), buffer_(factors.order(), 1) {}
    Eigen::Index rows() const { return factors_.order(); }
    Eigen::Index cols() const { return factors_.order(); }
    void set_shift(double sigma) {
        if (sigma != sigma_)
            throw std::invalid_argument("ShiftedSolve: factors made for another shift");
    }
    void perform_op(const double* x, double* y) const {
        std::copy_n(x, rows(), buffer_.data());
        factors_.solveFactorised(buffer_);
        std::copy_n(buffer_.data(), rows(), y);
    }

private:
    const SkylineMatrix& factors_;
    double sigma_;
    mutable RealMatrix buffer_;
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

// The `count` largest μ by Lanczos; false when it does not converge.
bool solveLanczos(const SkylineMatrix& k, const SkylineMatrix& factors, const SkylineMatrix& g,
                  int count, PencilEigen& result) {
    const int n = k.order();
    NegatedProduct a(g);
    StiffnessOperator b(k, factors);
    const int ncv = std::min(n, std::max(4 * count + 1, 24));
    Spectra::SymGEigsSolver<NegatedProduct, StiffnessOperator, Spectra::GEigsMode::RegularInverse>
        solver(a, b, count, ncv);
    solver.init();
    solver.compute(Spectra::SortRule::LargestAlge, 300, 1e-10);
    if (solver.info() != Spectra::CompInfo::Successful)
        return false;
    const Eigen::VectorXd mu = solver.eigenvalues(); // descending
    result.found = false;
    if (!(mu(0) > 0.0))
        return true;
    result.found = true;
    result.factor = 1.0 / mu(0);
    const Eigen::VectorXd mode = solver.eigenvectors().col(0);
    result.mode.assign(mode.data(), mode.data() + mode.size());
    return true;
}

// The `count` λ just above the shift σ by shift-invert Lanczos on the
// transformed pencil (K + σ·G)⁻¹·K·φ = ν·φ, ν = λ/(λ - σ): λ close above σ
// become the largest ν, well apart even where the λ lie close together.
// `shifted` holds the factors of K + σ·G, positive definite (σ below every
// positive λ). False when it does not converge.
bool solveShifted(const SkylineMatrix& k, const SkylineMatrix& shifted, double sigma, int count,
                  PencilEigen& result) {
    const int n = k.order();
    ShiftedSolve op(shifted, sigma);
    StiffnessOperator b(k, shifted);
    // Well separated after the shift: a short basis converges in few restarts.
    const int ncv = std::min(n, std::max(3 * count + 1, 10));
    Spectra::SymGEigsShiftSolver<ShiftedSolve, StiffnessOperator, Spectra::GEigsMode::Buckling>
        solver(op, b, count, ncv, sigma);
    solver.init();
    solver.compute(Spectra::SortRule::LargestAlge, 300, 1e-10);
    if (solver.info() != Spectra::CompInfo::Successful)
        return false;
    // λ ascending from just above σ; negative λ map to ν in (0, 1) and come
    // last.
    const Eigen::VectorXd lambda = solver.eigenvalues();
    Eigen::Index best = -1;
    for (Eigen::Index i = 0; i < lambda.size(); ++i)
        if (lambda(i) > 0.0 && (best < 0 || lambda(i) < lambda(best)))
            best = i;
    result.found = best >= 0;
    if (!result.found)
        return true;
    result.factor = lambda(best);
    const Eigen::VectorXd mode = solver.eigenvectors().col(best);
    result.mode.assign(mode.data(), mode.data() + mode.size());
    return true;
}

// True when no λ lies below the one found: the count just below it is zero
// (-1: σ lies on an eigenvalue within round-off, the one found).
bool smallestConfirmed(const SkylineMatrix& k, const SkylineMatrix& g, const PencilEigen& found) {
    return eigenvaluesBelow(k, g, found.factor * (1.0 - 1e-7)) <= 0;
}

// Shift-invert about a shift a little below `estimate`, lowered while
// K + σ·G is not positive definite (an eigenvalue below σ). False when no
// such shift was found or the result is not confirmed.
bool solveNearEstimate(const SkylineMatrix& k, const SkylineMatrix& g, double estimate,
                       PencilEigen& result) {
    double sigma = 0.95 * estimate;
    for (int attempt = 0; attempt < 4; ++attempt, sigma *= 0.5) {
        SkylineMatrix shifted = shiftedMatrix(k, g, sigma);
        if (shifted.factoriseForSolves() != solveSolved)
            continue;
        for (int count : {1, 4}) {
            if (count >= k.order())
                break;
            PencilEigen attemptResult;
            if (solveShifted(k, shifted, sigma, count, attemptResult) && attemptResult.found &&
                smallestConfirmed(k, g, attemptResult)) {
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

PencilEigen smallestPositiveFactor(const SkylineMatrix& k, const SkylineMatrix& g,
                                   double estimate) {
    PencilEigen result;
    const int n = k.order();
    if (n == 0) {
        return result;
    }
    SkylineMatrix factors = shiftedMatrix(k, g, 0.0);
    if (factors.factoriseForSolves() != solveSolved) {
        result.stiffnessPositive = false;
        return result;
    }
    if (n <= denseOrder) {
        solveDense(k, g, result);
        return result;
    }
    if (estimate > 0.0 && solveNearEstimate(k, g, estimate, result))
        return result;
    // Lanczos may converge to the second-smallest λ when the start vector
    // hardly holds the smallest; the count below the λ found tells, and a
    // wider request finds it.
    // A start vector that hardly holds the smallest λ, or a largest μ close
    // to the next ones, is met by a wider request.
    PencilEigen attempt;
    for (int count : {1, 6}) {
        if (count >= n)
            break;
        if (!solveLanczos(k, factors, g, count, attempt))
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
