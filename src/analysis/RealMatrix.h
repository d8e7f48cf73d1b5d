#pragma once

#include "model/Assert.h"

#include <array>
#include <cstddef>
#include <vector>

namespace venkar {

// A dense matrix of doubles, row-major: element (i, j) sits at i·cols + j.
// A new matrix is zero-filled. A column vector is an n x 1 matrix; the vector
// operations use column 0 only, stepping through it with the stride cols, so
// a matrix with several columns may be passed.
//
// Matrices of up to 36 elements (every element-level matrix) live inside the
// object, so the element loops allocate nothing; larger ones live on the heap.
class RealMatrix {
public:
    RealMatrix() = default;
    // Zero-filled rows x cols matrix; raises "Nicht genug Speicher (Matrix) !"
    // when the memory cannot be had.
    RealMatrix(int rows, int cols);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // rows x cols: the number of doubles the operations touch.
    int elementCount() const { return rows_ * cols_; }

    // Element (i, j); 0 <= i < rows(), 0 <= j < cols() (checked in debug builds).
    double& operator()(int i, int j) {
        VENKAR_ASSERT(inRange(i, j));
        return data()[i * cols_ + j];
    }
    double operator()(int i, int j) const {
        VENKAR_ASSERT(inRange(i, j));
        return data()[i * cols_ + j];
    }
    // Element i of column 0.
    double& at(int i) {
        VENKAR_ASSERT(inRange(i, 0));
        return data()[i * cols_];
    }
    double at(int i) const {
        VENKAR_ASSERT(inRange(i, 0));
        return data()[i * cols_];
    }

    double* data() { return isInline() ? inline_.data() : heap_.data(); }
    const double* data() const { return isInline() ? inline_.data() : heap_.data(); }

    void zero();

private:
    static constexpr int inlineCapacity = 36;
    bool isInline() const { return elementCount() <= inlineCapacity; }
    bool inRange(int i, int j) const { return i >= 0 && i < rows_ && j >= 0 && j < cols_; }

    int rows_ = 0;
    int cols_ = 0;
    std::array<double, inlineCapacity> inline_{};
    std::vector<double> heap_;
};

// result(j, i) = a(i, j).
RealMatrix transpose(const RealMatrix& a);
// a (m x k) · b (k x n); each element sums over the columns of a in order.
RealMatrix multiply(const RealMatrix& a, const RealMatrix& b);
// a (m x k) · b (k x m) for a product known to be symmetric: the elements with
// j >= i are computed and mirrored.
RealMatrix multiplySymmetric(const RealMatrix& a, const RealMatrix& b);
// s·a.
RealMatrix scaled(const RealMatrix& a, double s);
// tᵀ·a·t for a (n x n) and t (n x m), formed as multiplySymmetric(tᵀ·a, t).
RealMatrix congruence(const RealMatrix& a, const RealMatrix& t);

// Flat, row-major element-wise operations over the element count of a.
void subtractInPlace(RealMatrix& a, const RealMatrix& v);
void addInPlace(RealMatrix& a, const RealMatrix& b);
void copyInto(RealMatrix& a, const RealMatrix& b);
void scaleInPlace(RealMatrix& a, double s);

// Σ a(i, 0)·b(i, 0) over the rows of a.
double dot(const RealMatrix& a, const RealMatrix& b);

} // namespace venkar
