// Input tests shared by the routines of this family where their correlations divide by,
// or take roots of, critical constants and molecular weights.
#pragma once

#include <cmath>

namespace kova::correlations {

// A constant the correlations can use: greater than zero and finite (NaN fails).
inline bool positive(double v) { return v > 0.0 && std::isfinite(v); }

}  // namespace kova::correlations
