#include "loads/WindLoadDirection.h"

namespace venkar {

double windNormalLoadFactor(double startR, double startZ, double endR, double endZ) {
    // n = (-sin ψ, cos ψ) is t = (dr, dz) turned: n ∝ (-dz, dr). Only its
    // direction matters here.
    const double normalR = -(endZ - startZ);
    const double normalZ = endR - startR;
    const bool normalIsOutside = normalR > 0.0 || (normalR == 0.0 && normalZ < 0.0);
    return normalIsOutside ? -1.0 : 1.0;
}

} // namespace venkar
