// The reference host's vapour pressures: LUMENA_PL001D (declared in kova/host.h) and the
// host data that a caller of the Lucas routine hands on to it.
//
// LUMENA_PL001D receives its data through twelve plus two pass-through arguments. The
// library's Lucas routine hands them on from its own arguments PLA1..PLA14; in the
// reference host they mean (all arrays by component number):
//   PLA1..PLA5  the coefficients C1..C5 of the DIPPR equation 101,
//               ln Psat[Pa] = C1 + C2/T + C3 ln T + C4 T^C5
//   PLA6, PLA7  the correlation's lower and upper temperature limits, K (informative)
//   PLA8, PLA9, PLA10  TC (K), PC (Pa) and the acentric factor, for the corresponding-states
//               estimate (Lee and Kesler, 1975) of a component without coefficients
//   PLA11..PLA14 not used (may be null)
// Given the library's order of hand-on, the routine's own arguments 7..18, 22, 23 are
// PLA3, PLA4, PLA5, PLA1, PLA2, PLA8, PLA9, PLA10, PLA11, PLA6, PLA7, PLA12, PLA13, PLA14.
#pragma once

#include <array>
#include <vector>

#include "databank.h"

namespace kova::refhost {

// ln Psat (Pa) by the DIPPR equation 101.
double dippr101_ln_pvap(double t, double c1, double c2, double c3, double c4, double c5);

// ln Psat (Pa) by the Lee-Kesler corresponding-states estimate; omega 0 when unknown.
double lee_kesler_ln_pvap(double t, double tc, double pc, double omega);

// The host data PLA1..PLA14 of a component set, ready to hand to KOVA_MUV005.
class VapourPressureData {
 public:
  explicit VapourPressureData(const ComponentSet& set);
  const std::array<const void*, 14>& pla() const { return pla_; }

 private:
  std::vector<double> c1_, c2_, c3_, c4_, c5_, tmin_, tmax_, tc_, pc_, omega_;
  std::array<const void*, 14> pla_{};
};

}  // namespace kova::refhost
