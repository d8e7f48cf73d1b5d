#include "buckling/HarmonicSquareSeries.h"

namespace venkar {

HarmonicSquare HarmonicSquareSeries::at(Harmonic h) const {
    const double n = h.n;
    const std::array<double, terms> powers{1.0, n, n * n};
    const double a = h.factorA();
    const double b = h.factorB();
    HarmonicSquare out{};
    for (std::size_t p = 0; p < terms; ++p) {
        const double fa = a * powers[p];
        const double fb = b * powers[p];
        for (std::size_t i = 0; i < 8; ++i)
            for (std::size_t j = 0; j < 8; ++j)
                out[i][j] += fa * cosine[p][i][j] + fb * sine[p][i][j];
    }
    if (h.vSign() < 0.0) {
        // v at entries 3 and 7: the products of v with the other DOFs.
        for (std::size_t i = 0; i < 8; ++i)
            for (std::size_t j = 0; j < 8; ++j)
                if ((i % 4 == 3) != (j % 4 == 3))
                    out[i][j] = -out[i][j];
    }
    return out;
}

HarmonicSquareSeries& HarmonicSquareSeries::operator+=(const HarmonicSquareSeries& other) {
    for (std::size_t p = 0; p < terms; ++p)
        for (std::size_t i = 0; i < 8; ++i)
            for (std::size_t j = 0; j < 8; ++j) {
                cosine[p][i][j] += other.cosine[p][i][j];
                sine[p][i][j] += other.sine[p][i][j];
            }
    return *this;
}

void addOuter(HarmonicSquare& m, const HarmonicRow& a, const HarmonicRow& b, double factor) {
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t j = 0; j < 8; ++j)
            m[i][j] += factor * a[i] * b[j];
}

} // namespace venkar
