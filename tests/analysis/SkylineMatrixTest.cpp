#include "analysis/SkylineMatrix.h"
#include "analysis/RealMatrix.h"
#include "model/Error.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace venkar {
namespace {

using test::isClose;

// A dense symmetric matrix entered into a profile matrix through its lower
// triangle, heights taken from the first nonzero of each row.
SkylineMatrix profileOf(const std::vector<std::vector<double>>& a) {
    const int n = static_cast<int>(a.size());
    SkylineMatrix matrix(n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c <= r; ++c)
            if (a[r][c] != 0.0) {
                matrix.noteHeight(r, r - c + 1);
                break;
            }
    matrix.finaliseProfile();
    for (int r = 0; r < n; ++r)
        for (int c = 0; c <= r; ++c)
            if (a[r][c] != 0.0)
                matrix.addEntry(r, c, a[r][c]);
    return matrix;
}

RealMatrix column(const std::vector<double>& values) {
    RealMatrix b(static_cast<int>(values.size()), 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        b.at(static_cast<int>(i)) = values[i];
    return b;
}

std::vector<double> times(const std::vector<std::vector<double>>& a, const RealMatrix& x) {
    std::vector<double> result(a.size(), 0.0);
    for (std::size_t r = 0; r < a.size(); ++r)
        for (std::size_t c = 0; c < a.size(); ++c)
            result[r] += a[r][c] * x.at(static_cast<int>(c));
    return result;
}

// The column-by-column elimination as first formulated: loops bounded by
// the bandwidth, every candidate entry tested against the profile. The
// profile solver must give the same numbers, bit for bit.
int referenceSolve(std::vector<std::vector<double>> a, const std::vector<int>& heights,
                   std::vector<double>& b) {
    const int n = static_cast<int>(a.size());
    int bandwidth = 0;
    for (int h : heights)
        bandwidth = std::max(bandwidth, h);
    auto inside = [&](int r, int c) { return r - heights[r] < c; };
    double largest = 0.0;
    for (int r = 0; r < n; ++r)
        largest = std::max(largest, a[r][r]);
    if (largest != 0.0) {
        const double factor = 1.0 / largest;
        for (int r = 0; r < n; ++r)
            for (int c = 0; c <= r; ++c)
                if (inside(r, c))
                    a[r][c] *= factor;
        for (double& value : b)
            value = factor * value;
    }
    for (int i = 0; i < n; ++i) {
        const double p = a[i][i];
        if (!(std::fabs(p) >= 1e-15))
            return 1;
        for (int j = i + 1; j < n && j < i + bandwidth; ++j) {
            if (!inside(j, i))
                continue;
            const double d = a[j][i] / p;
            for (int k = j; k < n && k < j + bandwidth; ++k)
                if (inside(k, i))
                    a[k][j] -= d * a[k][i];
            a[j][i] = d;
        }
    }
    for (int r = 0; r < n; ++r)
        if (!(a[r][r] > 0.0))
            return 2;
    for (int i = 0; i < n; ++i) {
        double sum = 0.0;
        for (int j = 1; j < heights[i]; ++j)
            sum += a[i][i - j] * b[i - j];
        b[i] -= sum;
    }
    for (int d = n - 1; d >= 0; --d) {
        double sum = 0.0;
        for (int j = d + 1; j < n && j < d + bandwidth; ++j)
            if (inside(j, d))
                sum += a[j][d] * b[j];
        b[d] = b[d] / a[d][d] - sum;
    }
    return 3;
}

TEST(SkylineMatrix, GivesTheNumbersOfTheColumnByColumnEliminationExactly) {
    const int n = 300;
    std::mt19937 random(3);
    std::uniform_real_distribution<double> off(-1.0, 1.0);
    std::uniform_int_distribution<int> shortHeight(1, 6);
    std::vector<int> heights(n);
    for (int r = 0; r < n; ++r)
        heights[r] = std::min(r + 1, shortHeight(random));
    for (int r : {120, 121, 200, 299})
        heights[r] = r + 1; // rows reaching back to column 0
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    SkylineMatrix matrix(n);
    for (int r = 0; r < n; ++r)
        matrix.noteHeight(r, heights[r]);
    matrix.finaliseProfile();
    for (int r = 0; r < n; ++r) {
        a[r][r] = 20.0 + off(random);
        matrix.addEntry(r, r, a[r][r]);
        for (int c = r - heights[r] + 1; c < r; ++c) {
            // long rows are mostly empty, as in a shell model
            if (heights[r] > 6 && c > 3 && r - c > 3)
                continue;
            a[r][c] = off(random);
            matrix.addEntry(r, c, a[r][c]);
        }
    }
    std::vector<double> expected(n);
    for (int i = 0; i < n; ++i)
        expected[i] = off(random);
    RealMatrix b = column(expected);
    ASSERT_EQ(referenceSolve(a, heights, expected), 3);
    ASSERT_EQ(matrix.solve(b), solveSolved);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(b.at(i), expected[i]) << "row " << i;
}

TEST(SkylineMatrix, FinalisingKeepsTheDiagonalOfUntouchedRowsAndReportsTheLargestHeight) {
    SkylineMatrix matrix(4);
    matrix.noteHeight(1, 2);
    matrix.noteHeight(3, 3);
    matrix.noteHeight(3, 2); // the larger height stays
    matrix.finaliseProfile();
    EXPECT_EQ(matrix.bandwidth(), 3);
    EXPECT_EQ(matrix.storedEntries(), 1 + 2 + 1 + 3);
    EXPECT_TRUE(matrix.inProfile(3, 1));
    EXPECT_FALSE(matrix.inProfile(3, 0));
    EXPECT_EQ(matrix.height(2), 1);
}

TEST(SkylineMatrix, EmptySystemSolvesWithNoEntries) {
    SkylineMatrix matrix(0);
    matrix.finaliseProfile();
    RealMatrix b(0, 1);
    EXPECT_EQ(matrix.bandwidth(), 0);
    EXPECT_EQ(matrix.storedEntries(), 0);
    EXPECT_EQ(matrix.solve(b), solveSolved);
}

TEST(SkylineMatrix, SolvesAPositiveDefiniteSystemWithAnIrregularProfile) {
    // Rows 0-2 short, row 3 reaching back to column 0 (like the end node of
    // a long shell coupling to its first node), row 4 short again.
    const std::vector<std::vector<double>> a{
        {4, 1, 0, 0.5, 0}, {1, 5, 2, 0, 0}, {0, 2, 6, 1, 0}, {0.5, 0, 1, 7, 3}, {0, 0, 0, 3, 8}};
    SkylineMatrix matrix = profileOf(a);
    const std::vector<double> rhs{1, -2, 3, 0.5, 4};
    RealMatrix b = column(rhs);
    ASSERT_EQ(matrix.solve(b), solveSolved);
    const std::vector<double> back = times(a, b);
    for (std::size_t i = 0; i < rhs.size(); ++i)
        EXPECT_TRUE(isClose(back[i], rhs[i], 1e-12, 1.0)) << "row " << i;
}

TEST(SkylineMatrix, LongProfilesSolveLikeTheDenseSystem) {
    // A chain with one row coupled to the first and to the last: the profile
    // holds short rows around a row that spans the whole matrix.
    const int n = 60;
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> off(-1.0, 1.0);
    for (int i = 0; i < n; ++i) {
        a[i][i] = 10.0;
        if (i > 0)
            a[i][i - 1] = a[i - 1][i] = off(random);
    }
    a[n - 2][0] = a[0][n - 2] = 0.7;
    a[n - 1][1] = a[1][n - 1] = -0.4;
    SkylineMatrix matrix = profileOf(a);
    EXPECT_EQ(matrix.bandwidth(), n - 1);
    std::vector<double> rhs(n);
    for (int i = 0; i < n; ++i)
        rhs[i] = off(random);
    RealMatrix b = column(rhs);
    ASSERT_EQ(matrix.solve(b), solveSolved);
    const std::vector<double> back = times(a, b);
    for (int i = 0; i < n; ++i)
        EXPECT_TRUE(isClose(back[i], rhs[i], 1e-12, 1.0)) << "row " << i;
}

TEST(SkylineMatrix, LongMostlyEmptyRowsSolveLikeTheDenseSystem) {
    // Three chains whose ends couple back to the first rows, as the end nodes
    // of long shells do to the early input nodes: rows far longer than their
    // nonzeros, also coupled to each other.
    const int n = 400;
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    std::mt19937 random(11);
    std::uniform_real_distribution<double> off(-1.0, 1.0);
    for (int i = 0; i < n; ++i) {
        a[i][i] = 12.0;
        if (i > 3)
            a[i][i - 1] = a[i - 1][i] = off(random);
    }
    for (int row : {150, 151, 290, 399})
        for (int col : {0, 1, 2}) {
            a[row][col] = a[col][row] = off(random);
        }
    a[399][151] = a[151][399] = 0.5;
    SkylineMatrix matrix = profileOf(a);
    std::vector<double> rhs(n);
    for (int i = 0; i < n; ++i)
        rhs[i] = off(random);
    RealMatrix b = column(rhs);
    ASSERT_EQ(matrix.solve(b), solveSolved);
    const std::vector<double> back = times(a, b);
    for (int i = 0; i < n; ++i)
        EXPECT_TRUE(isClose(back[i], rhs[i], 1e-12, 1.0)) << "row " << i;
}

TEST(SkylineMatrix, ARowThatNothingTouchesIsSingular) {
    SkylineMatrix matrix(3);
    matrix.noteHeight(1, 2);
    matrix.finaliseProfile();
    matrix.addEntry(0, 0, 2.0);
    matrix.addEntry(1, 1, 2.0);
    matrix.addEntry(1, 0, 1.0);
    RealMatrix b(3, 1);
    EXPECT_EQ(matrix.solve(b), solveSingular);
}

TEST(SkylineMatrix, PivotThresholdIsRelativeToTheLargestDiagonal) {
    auto solveDiagonal = [](double small) {
        SkylineMatrix matrix(2);
        matrix.finaliseProfile();
        matrix.addEntry(0, 0, 4.0);
        matrix.addEntry(1, 1, 4.0 * small);
        RealMatrix b(2, 1);
        b.at(0) = 1.0;
        return matrix.solve(b);
    };
    EXPECT_EQ(solveDiagonal(1e-15), solveSolved);
    EXPECT_EQ(solveDiagonal(0.99e-15), solveSingular);
}

TEST(SkylineMatrix, NegativePivotRunsThroughTheFactorisationAndReportsCode2) {
    // The second pivot is negative but well above the threshold; the third
    // row is fine. The factorisation finishes and the sign check fails.
    const std::vector<std::vector<double>> a{{1, 2, 0}, {2, 1, 0}, {0, 0, 1}};
    SkylineMatrix matrix = profileOf(a);
    RealMatrix b = column({1, 1, 1});
    EXPECT_EQ(matrix.solve(b), solveNotPositive);
}

TEST(SkylineMatrix, AllNegativeDiagonalsAreNotScaled) {
    SkylineMatrix matrix(2);
    matrix.finaliseProfile();
    matrix.addEntry(0, 0, -1e-16);
    matrix.addEntry(1, 1, -3.0);
    RealMatrix b = column({1, 1});
    // Unscaled, the first pivot -1e-16 is below the threshold.
    EXPECT_EQ(matrix.solve(b), solveSingular);
    EXPECT_EQ(b.at(1), 1.0);
}

TEST(SkylineMatrix, PivotThatIsRoundingNoiseOfItsRowIsReportedAsSingular) {
    // Rows 0 and 1 carry the same stiffness 1e8·[[1, -1], [-1, 1]] plus a
    // relative 1e-14 on the diagonal: a mechanism whose last pivot is
    // rounding noise far above the absolute threshold after scaling.
    const double k = 1e8;
    const std::vector<std::vector<double>> a{{k, -k}, {-k, k * (1.0 + 1e-14)}};
    SkylineMatrix matrix = profileOf(a);
    RealMatrix b = column({1, 0});
    EXPECT_EQ(matrix.solve(b), solveSingular);
}

TEST(SkylineMatrix, ScalingLeavesTheSolutionUnchanged) {
    const std::vector<std::vector<double>> a{{2e9, 1e9}, {1e9, 3e9}};
    SkylineMatrix matrix = profileOf(a);
    RealMatrix b = column({1e9, 2e9});
    ASSERT_EQ(matrix.solve(b), solveSolved);
    EXPECT_TRUE(isClose(b.at(0), 0.2));
    EXPECT_TRUE(isClose(b.at(1), 0.6));
}

TEST(SkylineMatrix, AProfileAboveTheLimitIsRefusedBeforeItIsAllocated) {
    // 40000 full rows: 8e8 entries, 6.4 GB.
    SkylineMatrix matrix(40000);
    for (int row = 0; row < matrix.order(); ++row)
        matrix.noteHeight(row, row + 1);
    EXPECT_THROW(matrix.finaliseProfile(), VenkarError);
}

} // namespace
} // namespace venkar
