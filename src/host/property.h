// The host's property routines (base property models and equations of state) as the library
// sees them: weak references, so that a host that never calls a model need not define the
// routines that model uses, and one shared set of checks on what a routine gives back.
//
// Every routine that calls one of them includes this header, so that no object of the library
// holds a strong reference. A routine that finds its host routine absent, or an answer that
// no host model can give to the state it was asked about, reports it here (class 2, naming
// the host routine) and returns the result its family gives when a value cannot be
// calculated.
#pragma once

#include <atomic>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "host/diag.h"
#include "kova/host.h"

#pragma weak SIRK_ES01
#pragma weak SIRK_ES34
#pragma weak LUMENA_PL001D
#pragma weak LUMENA_PSATWI
#pragma weak LUMENA_ES15
#pragma weak LUMENA_MUL202
#pragma weak LUMENA_MUL201
#pragma weak LUMENA_MUL001
#pragma weak LUMENA_MUMIX1
#pragma weak LUMENA_QUADMX
#pragma weak LUMENA_VL004
#pragma weak LUMENA_IDLMIX
#pragma weak LUMENA_IDLGSF
#pragma weak LUMENA_IDLGS1

namespace kova::host {

// Message numbers shared by every routine for what the host gives it: a property routine the
// process does not define, an answer that cannot be used, a host word that cannot size or
// offset an array. They follow every routine's own numbers.
inline constexpr std::int64_t kMsgHostRoutineAbsent = 90;
inline constexpr std::int64_t kMsgHostAnswer = 91;
inline constexpr std::int64_t kMsgHostWord = 92;

// Whether the process defines the host routine at `routine` (a weak reference, null when
// nobody defines it); when it does not, reports it (class 2, message 90) naming `name`.
// Each check below is inline and its report out of line, so that an answer that passes costs
// a few compares in the caller.
namespace detail {
// Whether a test has hidden a routine on some thread (see testing::hide_property_routine).
extern std::atomic<bool> routine_hidden __attribute__((visibility("hidden")));
}  // namespace detail
// The absent or hidden routine's report; true (nothing reported) for a routine hidden on
// another thread only.
bool report_absent(const Diag& diag, const void* routine, std::string_view name);
// Whether the routine is defined and no test hides a routine: then provides() is true.
inline bool surely_provided(const void* routine) {
  return routine != nullptr && !detail::routine_hidden.load(std::memory_order_relaxed);
}
inline bool provides(const Diag& diag, const void* routine, std::string_view name) {
  if (surely_provided(routine)) [[likely]] return true;
  return report_absent(diag, routine, name);
}

// What a host answer must be to be used: finite, above `low`, at most `high`, and not the
// missing-value marker. The bounds are far outside what any fluid has, so that only an answer
// no equation of state or property model gives for a sane state is refused.
struct Range {
  double low, high;
};
inline constexpr Range kAnyNumber{-1e308, 1e308};
inline constexpr Range kViscosity{1e-7, 1e15};     // Pa s
inline constexpr Range kMolarVolume{1e-4, 1e30};   // m3/kmol; see usable_volume
inline constexpr Range kPressure{0.0, 1e10};       // Pa
inline constexpr Range kHeatCapacity{0.0, 1e8};    // J/(kmol K); see host_heat_capacities

// Whether `value`, given by the host routine `name`, is usable; when not, reports it (class 2,
// message 91) with the value.
inline bool acceptable(double value, Range range) {
  return std::isfinite(value) && value > range.low && value <= range.high && !missing_equal(value, missing_marker());
}
bool report_unusable(const Diag& diag, std::string_view name, double value);  // false
inline bool usable(const Diag& diag, std::string_view name, double value, Range range) {
  if (acceptable(value, range)) [[likely]] return true;
  return report_unusable(diag, name, value);
}

// A molar volume (m3/kmol) answered for temperature t (K) and pressure p (Pa): usable in
// kMolarVolume with a compressibility factor pV/(RT) of at most 1e4 (no fluid comes near).
inline bool usable_volume(const Diag& diag, std::string_view name, double v, double t, double p) {
  const double r = gas_constant();
  const double high = r > 0.0 && std::isfinite(r) ? std::fmin(kMolarVolume.high, 1e4 * r * t / p) : kMolarVolume.high;
  return usable(diag, name, v, Range{kMolarVolume.low, high});
}

// Whether a temperature and a pressure make a state a host can be held to answer.
inline bool sane_state(double t, double p) { return t > 0.0 && t < 1e5 && p > 0.0 && p < 1e12; }

// An integer host word that sizes or offsets an array: usable when `least` <= value <=
// kMaxHostCount. When not, reports it (class 2, message 92) naming the block and word, and
// returns false. A real stored where the integer belongs reads as a huge or negative count.
inline constexpr std::int64_t kMaxHostCount = 100000;
bool report_count_word(const Diag& diag, std::string_view block, int word, std::int64_t value, std::int64_t least);
inline bool count_word(const Diag& diag, std::string_view block, int word, std::int64_t value, std::int64_t least) {
  if (value >= least && value <= kMaxHostCount) [[likely]] return true;
  return report_count_word(diag, block, word, value, least);
}

namespace testing {
// Makes the library treat the named host routine as absent on this thread (for tests of the
// absent-routine path with a host that defines every routine); an empty name restores it.
void hide_property_routine(std::string_view name);
}  // namespace testing

}  // namespace kova::host
