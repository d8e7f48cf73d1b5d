#include "graphics/PlotResults.h"

#include "analysis/ShellElement.h"

namespace venkar {

const char* plotComponentName(int component) {
    if (component >= 0 && component < resultComponentCount)
        return resultComponentName(component);
    switch (component) {
    case plotNPhiThetaComponent:
        return "N-PhiTheta";
    case plotMPhiThetaComponent:
        return "M-PhiTheta";
    case plotQPhiComponent:
        return "Q-Phi";
    case plotVComponent:
        return "v";
    default:
        return "Sigma-V";
    }
}

} // namespace venkar
