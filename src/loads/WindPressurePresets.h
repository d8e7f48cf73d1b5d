#pragma once

#include "loads/WindSeries.h"

#include <array>
#include <string>
#include <vector>

namespace venkar {

// The pressure distribution around a circular cylinder of EN 1991-1-4:2005,
// 7.9.1 (Figure 7.27 with Table 7.12), for one Reynolds number range,
// without end effects: c_p0 = 1 at the windward meridian, the minimum
// c_p0,min at α_min, flow separation at α_A, and the base pressure c_p0,h
// from there to 180°.
struct CylinderFlowRegime {
    const char* reynoldsText; // as the preset names write it, e.g. "5·10^5"
    double reynolds;
    double minimumAngle;       // α_min in degrees
    double minimumCoefficient; // c_p0,min
    double separationAngle;    // α_A in degrees
    double baseCoefficient;    // c_p0,h
};

// The three ranges of Table 7.12: Re = 5·10^5, 2·10^6 and 10^7.
const std::array<CylinderFlowRegime, 3>& cylinderFlowRegimes();

// The end-effect factor ψ_λα of EN 1991-1-4, Equation (7.17), at
// `angleDegrees` (0° … 180°) for the slenderness factor ψ_λ:
//   1                                                for α ≤ α_min,
//   ψ_λ + (1 − ψ_λ)·cos(π/2·(α − α_min)/(α_A − α_min))  between,
//   ψ_λ                                              for α ≥ α_A.
double endEffectFactor(double angleDegrees, const CylinderFlowRegime& regime, double psiLambda);

// The table of c_pe = c_p0·ψ_λα (Equation (7.16)) for a range and ψ_λ.
//
// The standard gives the curve c_p0(α) of Figure 7.27 as a drawing, not as a
// formula; only the points of Table 7.12 are published. The table therefore
// holds those points — (0°, 1), (α_min, c_p0,min), (α_A, c_p0,h),
// (180°, c_p0,h) — with c_p0 linear between them, and for ψ_λ < 1 the
// factor ψ_λα applied every 5° between α_min and α_A, where it varies.
// Throws std::invalid_argument unless 0 < ψ_λ ≤ 1.
std::vector<PressurePoint> cylinderPressureTable(const CylinderFlowRegime& regime,
                                                 double psiLambda);

// A pressure table to offer in the window program's "Vorlage…" list.
struct WindPressurePreset {
    std::string name;   // German, e.g. "EN 1991-1-4 Zylinder, Re = 10^7, ψλ = 1"
    std::string source; // where the numbers come from, for the help and the report
    std::vector<PressurePoint> table;
};

WindPressurePreset cylinderPreset(const CylinderFlowRegime& regime, double psiLambda);

// The presets of the list: the three cylinder ranges with ψ_λ = 1 (no end
// effect); other ψ_λ through cylinderPreset.
std::vector<WindPressurePreset> windPressurePresets();

} // namespace venkar
