// LUMENA_PL001D: the natural logarithm of a component's vapour pressure.
#include "vapour_pressure.h"

#include <cmath>
#include <cstring>

#include "faults.h"
#include "kova/host.h"
#include "refhost.h"

namespace kova::refhost {

namespace {

double missing_marker() {
  double v;
  std::memcpy(&v, &ZEL_PPRIV[0], 8);
  return v;
}

// The value of a by-component array for component k, or nullopt-like NaN when the array
// is absent or holds the marker.
double element(const void* array, std::int64_t k) {
  if (array == nullptr) return std::nan("");
  const double v = static_cast<const double*>(array)[k - 1];
  return v == missing_marker() ? std::nan("") : v;
}

// Returned when nothing is known of the component: the upper end of the range the library
// accepts, so that no system pressure is taken to exceed the vapour pressure.
constexpr double kUnknownLnPvap = 80.0;

}  // namespace

double dippr101_ln_pvap(double t, double c1, double c2, double c3, double c4, double c5) {
  return c1 + c2 / t + c3 * std::log(t) + c4 * std::pow(t, c5);
}

double lee_kesler_ln_pvap(double t, double tc, double pc, double omega) {
  // Lee and Kesler, AIChE J. 21, 510 (1975).
  const double tr = t / tc;
  const double tr6 = std::pow(tr, 6);
  const double f0 = 5.92714 - 6.09648 / tr - 1.28862 * std::log(tr) + 0.169347 * tr6;
  const double f1 = 15.2518 - 15.6875 / tr - 13.4721 * std::log(tr) + 0.43577 * tr6;
  return std::log(pc) + f0 + omega * f1;
}

VapourPressureData::VapourPressureData(const ComponentSet& set)
    : c1_(set.param("PVAP_C1")),
      c2_(set.param("PVAP_C2")),
      c3_(set.param("PVAP_C3")),
      c4_(set.param("PVAP_C4")),
      c5_(set.param("PVAP_C5")),
      tmin_(set.param("PVAP_TMIN")),
      tmax_(set.param("PVAP_TMAX")),
      tc_(set.param("TC")),
      pc_(set.param("PC")),
      omega_(set.param("OMEGA")) {
  pla_ = {c1_.data(), c2_.data(), c3_.data(), c4_.data(), c5_.data(), tmin_.data(), tmax_.data(),
          tc_.data(), pc_.data(), omega_.data(), nullptr, nullptr, nullptr, nullptr};
}

}  // namespace kova::refhost

extern "C" void LUMENA_PL001D(const double* T, const int64_t* n, const int64_t* list, const int64_t*, const int64_t*,
                              const int64_t*, const void* a7, const void* a8, const void* a9, const void* a10,
                              const void* a11, const void* a12, const void* a13, const void* a14, const void*,
                              const void*, const void*, const void*, const kova_word*, double* lnpvap, double* out2,
                              const void*, const void*) {
  using kova::refhost::element;
  const kova::refhost::faults::Outputs fault(kova::refhost::faults::Routine::Pl001d, lnpvap, 1);
  if (*n < 1) return;
  const std::int64_t k = list[0];
  const double t = *T;
  // Arguments 10, 11, 7, 8, 9 are the coefficients C1..C5 (PLA1..PLA5).
  const double c[5] = {element(a10, k), element(a11, k), element(a7, k), element(a8, k), element(a9, k)};
  double ln = std::nan("");
  if (!std::isnan(c[0]) && !std::isnan(c[1]) && !std::isnan(c[2]) && !std::isnan(c[3]) && !std::isnan(c[4]))
    ln = kova::refhost::dippr101_ln_pvap(t, c[0], c[1], c[2], c[3], c[4]);
  if (!std::isfinite(ln)) {
    // No correlation: the corresponding-states estimate from TC, PC, OMEGA (arguments 12,
    // 13, 14 = PLA8, PLA9, PLA10), a simple fluid when the acentric factor is unknown.
    const double tc = element(a12, k), pc = element(a13, k);
    double omega = element(a14, k);
    if (std::isnan(omega)) omega = 0.0;
    ln = tc > 0.0 && pc > 0.0 && t > 0.0 ? kova::refhost::lee_kesler_ln_pvap(t, tc, pc, omega) : std::nan("");
  }
  if (!std::isfinite(ln)) ln = kova::refhost::kUnknownLnPvap;
  *lnpvap = ln;
  if (out2 != nullptr) *out2 = std::exp(ln);
}
