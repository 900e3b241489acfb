#include "water/surface_tension.h"

#include <cmath>

#include "host/words.h"

namespace kova::water {

double water_surface_tension(double t, double eps) {
  if (std::fabs(t - 647.067) <= eps) return 0.0;
  if (std::fabs(t - 273.16) <= 1e-10 || (t >= 273.16 && t < 647.067)) {
    const double tau = 1.0 - t / 647.27 / 0.999686;
    return 0.2358 * std::pow(tau, 1.256) * (1.0 - 0.625 * tau);
  }
  return 0.0;
}

double mixture_surface_tension(const SurfaceEntry* e, std::int64_t n, std::int64_t nexp) {
  return mixture_surface_tension_of(n, nexp, [e](std::int64_t j) { return e[j]; });
}

void sig003(const double* T, const std::int64_t* N, const std::int64_t* KCALC, const std::int64_t* IDX,
            double* SIGMA, const kova_word* CFORM) {
  const host::CformTable cform(CFORM);
  const host::Ints idx(IDX);
  const host::Reals sigma(SIGMA);
  for (std::int64_t i = 1; i <= *N; ++i) {
    if (!cform.is_water(idx(i))) continue;
    if (*KCALC != 0) sigma(i) = water_surface_tension(*T, host::real_word(ZEL_RGLOB, 1));
    return;
  }
}

void sig203(const double* X, const std::int64_t* N, const std::int64_t* IDX, const std::int64_t* NEXP,
            const double* SIG, const double* VW, const std::int64_t* KMARK, double* SIGMX) {
  const host::CReals x(X), sig(SIG), vw(VW);
  const host::Ints idx(IDX), kmark(KMARK);
  // The entries are read from the host's arrays as the rule needs them: nothing is copied
  // or allocated.
  *SIGMX = mixture_surface_tension_of(*N, *NEXP, [&](std::int64_t j) {
    const std::int64_t k = idx(j + 1);
    return SurfaceEntry{x(j + 1), sig(j + 1), vw(k), kmark(k) == 1};
  });
}

}  // namespace kova::water
