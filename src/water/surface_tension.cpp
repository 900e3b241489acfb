#include "water/surface_tension.h"

#include <cmath>
#include <vector>

#include "host/words.h"

namespace kova::water {

namespace {

// x^n for a (possibly negative) integer n.
double int_power(double x, std::int64_t n) {
  double r = 1.0;
  for (std::int64_t k = 0; k < (n < 0 ? -n : n); ++k) r *= x;
  return n < 0 ? 1.0 / r : r;
}

}  // namespace

double water_surface_tension(double t, double eps) {
  if (std::fabs(t - 647.067) <= eps) return 0.0;
  if (std::fabs(t - 273.16) <= 1e-10 || (t >= 273.16 && t < 647.067)) {
    const double tau = 1.0 - t / 647.27 / 0.999686;
    return 0.2358 * std::pow(tau, 1.256) * (1.0 - 0.625 * tau);
  }
  return 0.0;
}

double mixture_surface_tension(const SurfaceEntry* e, std::int64_t n, std::int64_t nexp) {
  if (n < 1) return 0.0;
  const std::int64_t power = nexp == 0 ? 1 : nexp;
  double su = 0.0, w = 0.0;
  for (std::int64_t j = 0; j < n; ++j) {
    if (!e[j].marked) su += e[j].x;
    w += e[j].vw * e[j].x;
  }
  double b = 0.0;
  if (su != 0.0) {
    for (std::int64_t j = 0; j < n; ++j)
      if (!e[j].marked) b += (e[j].x / su) * int_power(e[j].sigma, power);
  }
  const double sigma_p = su != 0.0 ? std::pow(b, 1.0 / static_cast<double>(power)) : 0.0;
  double f = 0.0, l = 0.0;
  if (w != 0.0) {
    for (std::int64_t j = 0; j < n; ++j) {
      if (!e[j].marked) continue;
      const double phi = e[j].x * e[j].vw / w;
      f += phi;
      l += phi * e[j].sigma;
    }
  }
  return l + sigma_p * (1.0 - f);
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
  std::vector<SurfaceEntry> entries;
  for (std::int64_t j = 1; j <= *N; ++j) {
    const std::int64_t k = idx(j);
    entries.push_back({x(j), sig(j), vw(k), kmark(k) == 1});
  }
  *SIGMX = mixture_surface_tension(entries.data(), *N, *NEXP);
}

}  // namespace kova::water
