#pragma once

#include "analysis/AnalysisModel.h"
#include "graphics/AnalysisPlotResults.h"

#include <memory>

namespace venkar {

class Model;
struct HarmonicCase;

// The plot results of the meridian of a load case with loads around the
// circumference at one angle: the meridian's analysis (see meridianAt)
// owned together with its plot view. The model and the case are not owned
// and must outlive the object.
class MeridianPlotResults {
public:
    MeridianPlotResults(const Model& model, std::shared_ptr<const HarmonicCase> harmonicCase,
                        double angleDegrees);
    MeridianPlotResults(const MeridianPlotResults&) = delete;
    MeridianPlotResults& operator=(const MeridianPlotResults&) = delete;

    const PlotResults& results() const { return plot_; }
    const std::shared_ptr<const HarmonicCase>& harmonicCase() const { return case_; }
    double angle() const { return angle_; }

private:
    std::shared_ptr<const HarmonicCase> case_;
    double angle_;
    AnalysisModel meridian_;
    AnalysisPlotResults plot_;
};

} // namespace venkar
