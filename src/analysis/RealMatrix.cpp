#include "analysis/RealMatrix.h"

#include "model/Error.h"

#include <algorithm>
#include <new>

namespace venkar {

RealMatrix::RealMatrix(int rows, int cols) : rows_(rows), cols_(cols) {
    if (!isInline()) {
        try {
            heap_.assign(static_cast<std::size_t>(elementCount()), 0.0);
        } catch (const std::bad_alloc&) {
            raiseError("Nicht genug Speicher (Matrix) !");
        }
    }
}

void RealMatrix::zero() {
    std::fill_n(data(), elementCount(), 0.0);
}

RealMatrix transpose(const RealMatrix& a) {
    RealMatrix result(a.cols(), a.rows());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < a.cols(); ++j)
            result(j, i) = a(i, j);
    return result;
}

RealMatrix multiply(const RealMatrix& a, const RealMatrix& b) {
    RealMatrix result(a.rows(), b.cols());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = 0; j < b.cols(); ++j) {
            double sum = 0.0;
            for (int l = 0; l < a.cols(); ++l)
                sum += a(i, l) * b(l, j);
            result(i, j) = sum;
        }
    return result;
}

RealMatrix multiplySymmetric(const RealMatrix& a, const RealMatrix& b) {
    RealMatrix result(a.rows(), a.rows());
    for (int i = 0; i < a.rows(); ++i)
        for (int j = i; j < a.rows(); ++j) {
            double sum = 0.0;
            for (int l = 0; l < a.cols(); ++l)
                sum += a(i, l) * b(l, j);
            result(i, j) = sum;
            result(j, i) = sum;
        }
    return result;
}

RealMatrix scaled(const RealMatrix& a, double s) {
    RealMatrix result(a.rows(), a.cols());
    const double* from = a.data();
    double* to = result.data();
    for (int i = 0; i < a.elementCount(); ++i)
        to[i] = s * from[i];
    return result;
}

RealMatrix congruence(const RealMatrix& a, const RealMatrix& t) {
    return multiplySymmetric(multiply(transpose(t), a), t);
}

void subtractInPlace(RealMatrix& a, const RealMatrix& v) {
    double* to = a.data();
    const double* from = v.data();
    for (int i = 0; i < a.elementCount(); ++i)
        to[i] -= from[i];
}

void addInPlace(RealMatrix& a, const RealMatrix& b) {
    double* to = a.data();
    const double* from = b.data();
    for (int i = 0; i < a.elementCount(); ++i)
        to[i] += from[i];
}

void copyInto(RealMatrix& a, const RealMatrix& b) {
    std::copy_n(b.data(), a.elementCount(), a.data());
}

void scaleInPlace(RealMatrix& a, double s) {
    double* to = a.data();
    for (int i = 0; i < a.elementCount(); ++i)
        to[i] = s * to[i];
}

double dot(const RealMatrix& a, const RealMatrix& b) {
    double sum = 0.0;
    for (int i = 0; i < a.rows(); ++i)
        sum += a.at(i) * b.at(i);
    return sum;
}

} // namespace venkar
