// The reference host's water routines (LUMENA_ES15, LUMENA_PSATWI): call counts, for the
// benchmarks and tests that report how much equation-of-state work a library call costs.
#pragma once

#include <cstdint>

namespace kova::refhost {

struct WaterCalls {
  std::int64_t es15 = 0;   // molar-volume evaluations
  std::int64_t psat = 0;   // saturation-pressure evaluations
};
// Calls made on the calling thread since its last reset_water_calls().
WaterCalls water_calls();
void reset_water_calls();
// Wall-clock seconds spent inside both routines while timing is on (off by default: the
// clock is read only when asked), for the benchmarks' share of the time in the host; per
// calling thread.
void time_water(bool on);
double water_seconds();

}  // namespace kova::refhost
