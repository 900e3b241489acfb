// Surface tension of liquid water and of liquid mixtures.
#pragma once

#include <cmath>
#include <cstdint>

#include "kova/kova_types.h"

namespace kova::water {

// Water, N/m: sigma = 0.2358 tau^1.256 (1 - 0.625 tau), tau = 1 - T/Tc, the IAPWS 1994 form
// (Vargaftik, Volkov and Voljak 1983) with the IPTS-68 critical temperature of the 1985
// water formulations, Tc = 647.27 K x 0.999686 = 647.067 K (evaluated as T / 647.27 / 0.999686).
// Defined from 273.16 K up to, not including, 647.067 K, and 0 elsewhere and within eps of
// 647.067 K (eps: the host's small tolerance).
double water_surface_tension(double t, double eps);

// Power-law mixing rule, N/m: sigma_p = (sum_u (x_u / S_u) sigma_u^n)^(1/n) over the
// unmarked components (S_u their mole-fraction total), and the marked components entering
// linearly by their weighted fractions phi_j = x_j vw_j / sum_all(x vw):
//   sigma_m = sum_marked phi_j sigma_j + sigma_p (1 - sum_marked phi_j).
// n = 0 is taken as 1. An unmarked group of zero total, or no unmarked entry at all,
// contributes nothing (sigma_p = 0); a weight total of zero makes the marked entries
// contribute nothing. Each term is (x, sigma, vw, marked).
struct SurfaceEntry {
  double x, sigma, vw;
  bool marked;
};
double mixture_surface_tension(const SurfaceEntry* entries, std::int64_t n, std::int64_t nexp);

// x^n for a (possibly negative) integer n.
inline double int_power(double x, std::int64_t n) {
  double r = 1.0;
  for (std::int64_t k = 0; k < (n < 0 ? -n : n); ++k) r *= x;
  return n < 0 ? 1.0 / r : r;
}

// The same rule over entries given by entry(j), j = 0 .. n-1 (each may be read more than
// once), so that a caller can read them from the host's arrays without copying them.
template <class Entry>
double mixture_surface_tension_of(std::int64_t n, std::int64_t nexp, Entry entry) {
  if (n < 1) return 0.0;
  const std::int64_t power = nexp == 0 ? 1 : nexp;
  double su = 0.0, w = 0.0;
  for (std::int64_t j = 0; j < n; ++j) {
    const SurfaceEntry e = entry(j);
    if (!e.marked) su += e.x;
    w += e.vw * e.x;
  }
  double b = 0.0;
  if (su != 0.0) {
    for (std::int64_t j = 0; j < n; ++j) {
      const SurfaceEntry e = entry(j);
      if (!e.marked) b += (e.x / su) * int_power(e.sigma, power);
    }
  }
  const double sigma_p = su != 0.0 ? std::pow(b, 1.0 / static_cast<double>(power)) : 0.0;
  double f = 0.0, l = 0.0;
  if (w != 0.0) {
    for (std::int64_t j = 0; j < n; ++j) {
      const SurfaceEntry e = entry(j);
      if (!e.marked) continue;
      const double phi = e.x * e.vw / w;
      f += phi;
      l += phi * e.sigma;
    }
  }
  return l + sigma_p * (1.0 - f);
}

// Exported routines: the first water entry of the list (SIGMA by list position, CFORM by
// component number; untouched with KCALC = 0 or without water), and the mixture rule
// (X, SIG by list position; VW, KMARK by component number; 0 for N < 1).
void sig003(const double* T, const std::int64_t* N, const std::int64_t* KCALC, const std::int64_t* IDX,
            double* SIGMA, const kova_word* CFORM);
void sig203(const double* X, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* NEXP,
            const double* SIG, const double* VW, const std::int64_t* KMARK, double* SIGMX);

}  // namespace kova::water
