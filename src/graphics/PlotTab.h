#pragma once

#include <array>
#include <optional>

namespace venkar {

// The quantity a graph view shows, one per tab of the graph window, in the
// order of the tabs. The seven result tabs show the shell result components
// 0 ("N-Phi") to 6 ("Eps-Theta") in the same order.
enum class PlotTab {
    Geometry,         // "Geometrie"
    Deformation,      // "Verformung"
    NormalForcePhi,   // "Normalkraft Phi"
    NormalForceTheta, // "Normalkraft Theta"
    MomentPhi,        // "Momente Phi"
    MomentTheta,      // "Momente Theta"
    ShearForceTheta,  // "Querkraft Theta"
    StrainPhi,        // "Epsilon Phi"
    StrainTheta,      // "Epsilon Theta"
    // Plots of the batch command beyond the window's tabs:
    VonMisesStress, // "Vergleichsspannung": the larger von Mises stress of the two faces
};

// The tabs of the graph window: Geometry ... StrainTheta.
inline constexpr int plotTabCount = 9;

// Every tab in tab order.
inline constexpr std::array<PlotTab, plotTabCount> allPlotTabs{
    PlotTab::Geometry,         PlotTab::Deformation, PlotTab::NormalForcePhi,
    PlotTab::NormalForceTheta, PlotTab::MomentPhi,   PlotTab::MomentTheta,
    PlotTab::ShearForceTheta,  PlotTab::StrainPhi,   PlotTab::StrainTheta};

// The stress plots (--plot stresses), after the window's tabs.
inline constexpr std::array<PlotTab, 1> stressPlotTabs{PlotTab::VonMisesStress};

// The position of a tab in the tab bar (0 ... 8; the stress plots follow).
constexpr int tabIndex(PlotTab tab) {
    return static_cast<int>(tab);
}

// The tab at a tab-bar position; nothing outside 0 ... 8.
constexpr std::optional<PlotTab> plotTabAt(int index) {
    if (index < 0 || index >= plotTabCount)
        return std::nullopt;
    return static_cast<PlotTab>(index);
}

// The shell result component a result tab shows (the stress plot shows the
// plot component 7, see PlotResults); nothing for the geometry and the
// deformation tab.
constexpr std::optional<int> resultComponentOf(PlotTab tab) {
    if (tabIndex(tab) < tabIndex(PlotTab::NormalForcePhi))
        return std::nullopt;
    return tabIndex(tab) - tabIndex(PlotTab::NormalForcePhi);
}

// The caption of a tab, which is also the caption of the window showing it.
const char* tabCaption(PlotTab tab);

} // namespace venkar
