// The host's water equation of state and saturation pressure (IAPWS-IF97), in the form the
// library's water routines call them: molar volumes on the kmol basis, all by reference.
#include <chrono>
#include <cstdint>

#include "if97.h"
#include "faults.h"
#include "kova/host.h"
#include "water_host.h"

namespace kova::refhost {

namespace {
// Per calling thread: the equation of state itself keeps no state.
thread_local WaterCalls g_calls;
thread_local bool g_timed = false;
thread_local double g_seconds = 0.0;
}  // namespace

WaterCalls water_calls() { return g_calls; }
void reset_water_calls() { g_calls = WaterCalls{}; }
void time_water(bool on) { g_timed = on; }
double water_seconds() { return g_seconds; }

// Adds the time between construction and destruction to g_seconds when timing is on.
struct WaterTimer {
  WaterTimer() : start(g_timed ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{}) {}
  ~WaterTimer() {
    if (g_timed) g_seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  std::chrono::steady_clock::time_point start;
};

}  // namespace kova::refhost

namespace {

kova::refhost::if97::Root root_of(std::int64_t kvl) {
  using kova::refhost::if97::Root;
  return kvl == 1 ? Root::Vapour : kvl == 2 ? Root::Liquid : Root::Stable;
}

}  // namespace

extern "C" double LUMENA_PSATWI(const double* T) {
  ++kova::refhost::g_calls.psat;
  const kova::refhost::WaterTimer timer;
  return kova::refhost::faults::answer(kova::refhost::faults::Routine::Psatwi, kova::refhost::if97::psat(*T));
}

// Writes V (m3/kmol) and, with option 3, dV/dT at constant pressure (m3/(kmol K)); the work
// words and KER are left as they came.
extern "C" void LUMENA_ES15(const double* T, const double* P, const int64_t*, const int64_t* KVL,
                            const int64_t*, const int64_t*, const int64_t*, const int64_t*, const int64_t*,
                            const int64_t*, const int64_t* option, double*, double*, double*, double*, double* V,
                            double*, double*, double*, double*, double* DVDT, int64_t*, const int64_t*) {
  using namespace kova::refhost::if97;
  ++kova::refhost::g_calls.es15;
  const kova::refhost::WaterTimer timer;
  const kova::refhost::faults::Outputs fault(kova::refhost::faults::Routine::Es15, V, 1, *option == 3 ? DVDT : nullptr);
  const State s = water_volume(*T, *P, root_of(*KVL));
  *V = s.vol.v * kMolarMass;
  if (*option == 3) *DVDT = s.vol.dvdt * kMolarMass;
}
