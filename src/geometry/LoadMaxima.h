#pragma once

namespace venkar {

class Model;

// The largest water pressure |(z - zeroLevel) * unitWeight| of the defined
// water loads, sampled at x = 0, 0.1, ..., 1 on every shell of each load's
// range that is defined and passes geometryValid; 0 when there is none.
// Scales the water-load plots.
double maxWaterPressure(const Model& model);

} // namespace venkar
