#include "loads/WindPressurePresets.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace venkar {

namespace {

// Between α_min and α_A the end-effect factor is applied at this step.
constexpr double factorStep = 5.0;

// ψ_λ as the preset names write it: up to three digits, decimal comma.
std::string germanNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    std::string result(text);
    for (char& c : result)
        if (c == '.')
            c = ',';
    return result;
}

double lerp(double a, double b, double t) {
    return a + t * (b - a);
}

} // namespace

const std::array<CylinderFlowRegime, 3>& cylinderFlowRegimes() {
    static const std::array<CylinderFlowRegime, 3> regimes = {{
        {"5·10^5", 5.0e5, 85.0, -2.2, 135.0, -0.4},
        {"2·10^6", 2.0e6, 80.0, -1.9, 120.0, -0.7},
        {"10^7", 1.0e7, 75.0, -1.5, 105.0, -0.8},
    }};
    return regimes;
}

double endEffectFactor(double angleDegrees, const CylinderFlowRegime& regime, double psiLambda) {
    if (angleDegrees <= regime.minimumAngle)
        return 1.0;
    if (angleDegrees >= regime.separationAngle)
        return psiLambda;
    const double t =
        (angleDegrees - regime.minimumAngle) / (regime.separationAngle - regime.minimumAngle);
    return psiLambda + (1.0 - psiLambda) * std::cos(0.5 * std::numbers::pi * t);
}

std::vector<PressurePoint> cylinderPressureTable(const CylinderFlowRegime& regime,
                                                 double psiLambda) {
    if (!(psiLambda > 0.0 && psiLambda <= 1.0))
        throw std::invalid_argument("Der Schlankheitsfaktor ψλ liegt zwischen 0 und 1");
    std::vector<PressurePoint> table;
    table.push_back({0.0, 1.0});
    table.push_back({regime.minimumAngle, regime.minimumCoefficient});
    if (psiLambda < 1.0) {
        const double width = regime.separationAngle - regime.minimumAngle;
        for (double a = regime.minimumAngle + factorStep; a < regime.separationAngle - 1e-9;
             a += factorStep) {
            const double cp0 = lerp(regime.minimumCoefficient, regime.baseCoefficient,
                                    (a - regime.minimumAngle) / width);
            table.push_back({a, cp0 * endEffectFactor(a, regime, psiLambda)});
        }
    }
    table.push_back({regime.separationAngle, regime.baseCoefficient * psiLambda});
    table.push_back({180.0, regime.baseCoefficient * psiLambda});
    return table;
}

WindPressurePreset cylinderPreset(const CylinderFlowRegime& regime, double psiLambda) {
    WindPressurePreset preset;
    preset.name = std::string("EN 1991-1-4 Zylinder, Re = ") + regime.reynoldsText +
                  ", ψλ = " + germanNumber(psiLambda);
    preset.source = "EN 1991-1-4:2005, 7.9.1: Bild 7.27 und Tabelle 7.12 (c_p0), "
                    "Gleichungen (7.16) und (7.17) (ψλα)";
    preset.table = cylinderPressureTable(regime, psiLambda);
    return preset;
}

std::vector<WindPressurePreset> windPressurePresets() {
    std::vector<WindPressurePreset> presets;
    for (const CylinderFlowRegime& regime : cylinderFlowRegimes())
        presets.push_back(cylinderPreset(regime, 1.0));
    return presets;
}

} // namespace venkar
