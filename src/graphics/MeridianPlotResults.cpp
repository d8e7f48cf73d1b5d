#include "graphics/MeridianPlotResults.h"

#include "harmonic/HarmonicMeridian.h"

namespace venkar {

MeridianPlotResults::MeridianPlotResults(const Model& model,
                                         std::shared_ptr<const HarmonicCase> harmonicCase,
                                         double angleDegrees)
    : case_(std::move(harmonicCase)), angle_(angleDegrees), plot_(model, meridian_) {
    meridianAt(model, case_, angle_, meridian_);
}

} // namespace venkar
