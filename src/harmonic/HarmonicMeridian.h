#pragma once

#include <memory>
#include <vector>

namespace venkar {

class AnalysisModel;
class Model;
class Results;
struct HarmonicCase;

// The meridian of a load case with loads around the circumference at the
// angle φ (degrees) as today's analysis holds a solved calculation: a copy
// of the shared mesh whose DOF values, reactions, shell element ends and
// ring beams are the sums of the harmonics at φ, with its results value
// (Results::harmonic sharing `harmonicCase`, Results::angle = φ). The
// strains follow from the membrane forces by the plane-stress law plus the
// free thermal strain of the shell.
void meridianAt(const Model& model, const std::shared_ptr<const HarmonicCase>& harmonicCase,
                double angleDegrees, AnalysisModel& out);

// The results value of the meridian at each angle (degrees), in order.
std::vector<Results> meridianResults(const Model& model,
                                     const std::shared_ptr<const HarmonicCase>& harmonicCase,
                                     const std::vector<double>& anglesDegrees);

} // namespace venkar
