#include "harmonic/HarmonicElement.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace venkar {
namespace {

using test::isClose;

ElementMaterial steel(double bedding = 0.0) {
    ElementMaterial m;
    m.youngsModulus = 2.1e8;
    m.poissonRatio = 0.3;
    m.wallThickness = 0.02;
    m.beddingModulus = bedding;
    return m;
}

constexpr Harmonic symmetric(int n) {
    return {n, HarmonicSet::symmetric};
}
constexpr Harmonic antisymmetric(int n) {
    return {n, HarmonicSet::antisymmetric};
}

// The largest |(K·d)_i| relative to the largest |K_ij|·|d_j| that enters it.
double relativeResidual(const std::vector<std::vector<double>>& k, const std::vector<double>& d) {
    double residual = 0.0;
    double size = 0.0;
    for (std::size_t i = 0; i < k.size(); ++i) {
        double sum = 0.0;
        for (std::size_t j = 0; j < k.size(); ++j) {
            sum += k[i][j] * d[j];
            size = std::fmax(size, std::fabs(k[i][j] * d[j]));
        }
        residual = std::fmax(residual, std::fabs(sum));
    }
    return residual / size;
}

// The stiffness of a chain of elements through the given points, four DOFs
// per point (wr, wz, rotation, v), summed at the shared nodes.
std::vector<std::vector<double>> chainStiffness(const std::vector<Vector2>& points, Harmonic h) {
    const std::size_t size = 4 * points.size();
    std::vector<std::vector<double>> k(size, std::vector<double>(size, 0.0));
    for (std::size_t e = 0; e + 1 < points.size(); ++e) {
        const HarmonicSquare ke = HarmonicElement(points[e], points[e + 1], steel(), h).stiffness();
        for (std::size_t p = 0; p < 8; ++p)
            for (std::size_t q = 0; q < 8; ++q)
                k[4 * e + p][4 * e + q] += ke[p][q];
    }
    return k;
}

// Rigid-body motions of the whole body as nodal amplitudes: d(r, z) gives
// (wr, wz, rotation, v) at a point.
struct RigidMode {
    const char* name;
    Harmonic harmonic;
    std::array<double, 4> (*at)(Vector2 p);
};

const RigidMode rigidModes[] = {
    // n = 0: shift along the axis.
    {"axial shift", symmetric(0),
     [](Vector2) {
         return std::array<double, 4>{0, 1, 0, 0};
     }},
    // n = 0 antisymmetric: rotation about the axis, v = r.
    {"torsion", antisymmetric(0),
     [](Vector2 p) {
         return std::array<double, 4>{0, 0, 0, p.x};
     }},
    // n = 1: translation along x (wr = cos φ, v = -sin φ) and along y.
    {"sway x", symmetric(1),
     [](Vector2) {
         return std::array<double, 4>{1, 0, 0, -1};
     }},
    {"sway y", antisymmetric(1),
     [](Vector2) {
         return std::array<double, 4>{1, 0, 0, 1};
     }},
    // n = 1: rotation about y: wr = z·cos φ, wz = -r·cos φ, v = -z·sin φ,
    // and the meridian turns by -cos φ whatever its slope.
    {"tilt about y", symmetric(1),
     [](Vector2 p) {
         return std::array<double, 4>{p.y, -p.x, -1, -p.y};
     }},
    // n = 1: rotation about x: wr = -z·sin φ, wz = r·sin φ, v = -z·cos φ.
    {"tilt about x", antisymmetric(1),
     [](Vector2 p) {
         return std::array<double, 4>{-p.y, p.x, 1, -p.y};
     }},
};

// A cone, a cylinder, a plate ring and a kinked meridian (cone - cylinder -
// dome-like cone turning inwards) whose nodes the elements share.
const std::vector<std::vector<Vector2>> meshes = {
    {{2.0, 1.0}, {2.6, 1.8}},
    {{1.5, 0.0}, {1.5, 0.7}},
    {{0.4, 2.0}, {1.3, 2.0}},
    {{1.0, 0.0}, {1.6, 0.9}, {1.6, 1.7}, {0.9, 2.3}},
};

TEST(HarmonicElement, RigidBodyMotionsStoreNoEnergy) {
    for (const RigidMode& mode : rigidModes)
        for (const std::vector<Vector2>& mesh : meshes) {
            std::vector<double> d;
            for (Vector2 p : mesh)
                for (double value : mode.at(p))
                    d.push_back(value);
            EXPECT_LT(relativeResidual(chainStiffness(mesh, mode.harmonic), d), 1e-11)
                << mode.name << " on a mesh of " << mesh.size() << " nodes";
        }
}

TEST(HarmonicElement, DeformationsOutsideTheRigidModesStoreEnergy) {
    // The rigid modes of one harmonic are exactly those above: a pure hoop
    // stretch at n = 1 (wr = 1, v = +1 in the symmetric set) or a twist of
    // only one node strain the wall.
    const std::vector<std::vector<double>> k = chainStiffness(meshes[0], symmetric(1));
    const std::vector<double> stretch{1, 0, 0, 1, 1, 0, 0, 1};
    EXPECT_GT(relativeResidual(k, stretch), 1e-3);
    const std::vector<std::vector<double>> torsion = chainStiffness(meshes[0], antisymmetric(0));
    EXPECT_GT(relativeResidual(torsion, {0, 0, 0, 0, 0, 0, 0, 1}), 1e-3);
}

TEST(HarmonicElement, SymmetricSetOfHarmonicZeroIsTodaysElement) {
    // wr, wz and rotation of n = 0 are ConicalElement's matrix and load
    // vector, bedding included; v takes no stiffness and no load.
    const Vector2 start{2.0, 1.0};
    const Vector2 end{2.6, 1.8};
    const ConicalElement today(start, end, steel(3e4));
    const HarmonicElement element(start, end, steel(3e4), symmetric(0));
    const RealMatrix k0 = today.stiffness();
    const HarmonicSquare k = element.stiffness();
    const RealMatrix f0 = today.distributedLoad(3.0, -1.0, 0.5, 2.0);
    const HarmonicRow f = element.distributedLoad(3.0, -1.0, 0.5, 2.0, 7.0, 7.0);
    const auto dof = [](int i) { return static_cast<std::size_t>(i < 3 ? i : i + 1); };
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j)
            EXPECT_TRUE(isClose(k[dof(i)][dof(j)], k0(i, j), 1e-13, k0(i, i))) << i << "," << j;
        EXPECT_TRUE(isClose(f[dof(i)], f0(i, 0), 1e-13, 1.0)) << i;
    }
    for (std::size_t p = 0; p < 8; ++p) {
        EXPECT_EQ(k[3][p], 0.0);
        EXPECT_EQ(k[7][p], 0.0);
    }
    EXPECT_EQ(f[3], 0.0);
    EXPECT_EQ(f[7], 0.0);
}

TEST(HarmonicElement, AntisymmetricSetIsTheSymmetricOneWithVFlipped) {
    for (int n : {1, 3}) {
        const HarmonicElement sym({2.0, 1.0}, {2.6, 1.8}, steel(1e4), symmetric(n));
        const HarmonicElement anti({2.0, 1.0}, {2.6, 1.8}, steel(1e4), antisymmetric(n));
        const HarmonicSquare ks = sym.stiffness();
        const HarmonicSquare ka = anti.stiffness();
        for (std::size_t p = 0; p < 8; ++p)
            for (std::size_t q = 0; q < 8; ++q) {
                const double flip = ((p % 4 == 3) != (q % 4 == 3)) ? -1.0 : 1.0;
                EXPECT_TRUE(isClose(ka[p][q], flip * ks[p][q], 1e-13, ks[p][p]));
                EXPECT_TRUE(isClose(ks[p][q], ks[q][p], 1e-13, ks[p][p]));
            }
    }
}

} // namespace
} // namespace venkar
