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
    VonMisesStress,   // "Vergleichsspannung": the larger von Mises stress of the two faces
    // The tabs of a load case with loads around the circumference: the
    // meridian diagrams of what only such a load has, then the views around
    // the circumference.
    NormalForcePhiTheta,         // "Normalkraft PhiTheta"
    MomentPhiTheta,              // "Momente PhiTheta"
    ShearForcePhi,               // "Querkraft Phi"
    CircumferentialDisplacement, // "Verschiebung v"
    PlanView,                    // "Grundriss"
    DevelopedView,               // "Abwicklung"
};

// The nine tabs of --plot all: Geometry ... StrainTheta.
inline constexpr int plotTabCount = 9;

// The nine tabs in tab order.
inline constexpr std::array<PlotTab, plotTabCount> allPlotTabs{
    PlotTab::Geometry,         PlotTab::Deformation, PlotTab::NormalForcePhi,
    PlotTab::NormalForceTheta, PlotTab::MomentPhi,   PlotTab::MomentTheta,
    PlotTab::ShearForceTheta,  PlotTab::StrainPhi,   PlotTab::StrainTheta};

// The stress plots (--plot stresses), after the nine.
inline constexpr std::array<PlotTab, 1> stressPlotTabs{PlotTab::VonMisesStress};

// The tabs only a load case with loads around the circumference has, after
// the stress plot.
inline constexpr std::array<PlotTab, 6> harmonicPlotTabs{
    PlotTab::NormalForcePhiTheta,         PlotTab::MomentPhiTheta, PlotTab::ShearForcePhi,
    PlotTab::CircumferentialDisplacement, PlotTab::PlanView,       PlotTab::DevelopedView};

// Every tab, in tab order.
inline constexpr int everyPlotTabCount = 16;

// The position of a tab in the tab bar of a window that shows every tab
// (0 ... 15); the first ten stand at the same place in every window.
constexpr int tabIndex(PlotTab tab) {
    return static_cast<int>(tab);
}

// One of the nine tabs by its position; nothing outside 0 ... 8.
constexpr std::optional<PlotTab> plotTabAt(int index) {
    if (index < 0 || index >= plotTabCount)
        return std::nullopt;
    return static_cast<PlotTab>(index);
}

// The plot component a meridian tab's diagram shows (see PlotResults: 0 ...
// 6 the shell results, 7 von Mises, 8 ... 11 the values of a load around
// the circumference); nothing for the geometry, the deformation and the
// views around the circumference.
constexpr std::optional<int> resultComponentOf(PlotTab tab) {
    const int index = tabIndex(tab);
    if (index < tabIndex(PlotTab::NormalForcePhi) ||
        index > tabIndex(PlotTab::CircumferentialDisplacement))
        return std::nullopt;
    return index - tabIndex(PlotTab::NormalForcePhi);
}

// True for the tabs that draw the meridian section (every tab but the plan
// and the developed view).
constexpr bool isMeridianTab(PlotTab tab) {
    return tab != PlotTab::PlanView && tab != PlotTab::DevelopedView;
}

// The caption of a tab, which is also the caption of the window showing it.
const char* tabCaption(PlotTab tab);

} // namespace venkar
