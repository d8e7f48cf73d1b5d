#include "loads/WindPressurePresets.h"
#include "support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

namespace venkar {
namespace {

using test::isClose;

// The points of Table 7.12 of EN 1991-1-4:2005, written out again here so
// that a changed number in the preset data shows.
struct PublishedRange {
    const char* name;
    double minimumAngle;
    double minimumCoefficient;
    double separationAngle;
    double baseCoefficient;
};
constexpr PublishedRange published[] = {
    {"EN 1991-1-4 Zylinder, Re = 5·10^5, ψλ = 1", 85.0, -2.2, 135.0, -0.4},
    {"EN 1991-1-4 Zylinder, Re = 2·10^6, ψλ = 1", 80.0, -1.9, 120.0, -0.7},
    {"EN 1991-1-4 Zylinder, Re = 10^7, ψλ = 1", 75.0, -1.5, 105.0, -0.8},
};

double valueAt(const std::vector<PressurePoint>& table, double angle) {
    for (const PressurePoint& p : table)
        if (p.angle == angle)
            return p.coefficient;
    ADD_FAILURE() << "no point at " << angle;
    return std::nan("");
}

TEST(WindPressurePresets, CylinderPresetsHoldThePublishedPointsUnderTheirNames) {
    const auto presets = windPressurePresets();
    ASSERT_EQ(presets.size(), 3u);
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const PublishedRange& p = published[i];
        EXPECT_EQ(presets[i].name, p.name);
        EXPECT_FALSE(presets[i].source.empty());
        const auto& table = presets[i].table;
        EXPECT_FALSE(findPressureTableProblem(table)) << p.name;
        EXPECT_EQ(valueAt(table, 0.0), 1.0);
        EXPECT_EQ(valueAt(table, p.minimumAngle), p.minimumCoefficient);
        EXPECT_EQ(valueAt(table, p.separationAngle), p.baseCoefficient);
        EXPECT_EQ(valueAt(table, 180.0), p.baseCoefficient);
    }
}

// ψ_λα is 1 up to α_min, ψ_λ from α_A on, and halfway between
// ψ_λ + (1 − ψ_λ)·cos(π/4); c_pe = c_p0·ψ_λα.
TEST(WindPressurePresets, EndEffectFactorScalesTheWakeAtThePublishedPoints) {
    const double psi = 0.7;
    for (std::size_t i = 0; i < cylinderFlowRegimes().size(); ++i) {
        const CylinderFlowRegime& regime = cylinderFlowRegimes()[i];
        const PublishedRange& p = published[i];
        const double middle = 0.5 * (p.minimumAngle + p.separationAngle);
        EXPECT_EQ(endEffectFactor(0.0, regime, psi), 1.0);
        EXPECT_EQ(endEffectFactor(p.minimumAngle, regime, psi), 1.0);
        EXPECT_TRUE(isClose(endEffectFactor(middle, regime, psi),
                            psi + (1.0 - psi) * std::cos(0.25 * std::numbers::pi), 1e-15));
        EXPECT_EQ(endEffectFactor(p.separationAngle, regime, psi), psi);
        EXPECT_EQ(endEffectFactor(180.0, regime, psi), psi);

        const WindPressurePreset preset = cylinderPreset(regime, psi);
        EXPECT_NE(preset.name.find("ψλ = 0,7"), std::string::npos) << preset.name;
        EXPECT_FALSE(findPressureTableProblem(preset.table));
        EXPECT_EQ(valueAt(preset.table, 0.0), 1.0);
        EXPECT_EQ(valueAt(preset.table, p.minimumAngle), p.minimumCoefficient);
        EXPECT_TRUE(
            isClose(valueAt(preset.table, p.separationAngle), psi * p.baseCoefficient, 1e-15));
        EXPECT_TRUE(isClose(valueAt(preset.table, 180.0), psi * p.baseCoefficient, 1e-15));
    }
    EXPECT_THROW(cylinderPressureTable(cylinderFlowRegimes()[0], 0.0), std::invalid_argument);
    EXPECT_THROW(cylinderPressureTable(cylinderFlowRegimes()[0], 1.1), std::invalid_argument);
}

// The window program offers the presets by name; the help explains each
// under the same name.
TEST(WindPressurePresets, TheHelpNamesEveryPreset) {
    std::ifstream file(VENKAR_SOURCE_DIR "/docs/help/umfangslasten.md");
    ASSERT_TRUE(file);
    const std::string help{std::istreambuf_iterator<char>(file), {}};
    for (const WindPressurePreset& preset : windPressurePresets())
        EXPECT_NE(help.find("| " + preset.name + " |"), std::string::npos) << preset.name;
}

} // namespace
} // namespace venkar
