#include "correlations/lucas.h"

#include <cmath>
#include <cstring>

namespace kova::correlations {

double lucas_polarity_factor(double mur, double zc, double tr, bool zc_guard) {
  double t = 0.0;
  if (mur >= 0.022 && (!zc_guard || zc < 0.291)) t = 30.55 * std::pow(std::fmax(0.292 - zc, 0.0), 1.72);
  if (mur >= 0.075) t = t * (0.96 + 0.1 * (tr - 0.7));
  return 1.0 + t;
}

double lucas_quantum_factor(double cq, double tr, double mw) {
  const double d = tr - 12.0;
  double q = 0.00385 * std::pow(d * d, 1.0 / mw);
  if (tr < 12.0) q = -q;
  return cq * (1.0 + q);
}

double lucas_xi(double tc, double pc_bar, double mw) {
  return 0.176 * std::pow(tc, 1.0 / 6.0) / std::sqrt(mw) / std::pow(pc_bar, 2.0 / 3.0);
}

double lucas_z1(double tr) {
  return 0.807 * std::pow(tr, 0.618) + 0.018 - 0.357 * std::exp(-0.449 * tr) + 0.34 * std::exp(-4.058 * tr);
}

double lucas_z2_subcritical(double tr, double pr) {
  const double alpha = 3.262 + 14.98 * std::pow(pr, 5.508);
  const double beta = 1.39 + 5.746 * pr;
  return 0.6 + 0.76 * std::pow(pr, alpha) + (6.99 * std::pow(pr, beta) - 0.6) * (1.0 - tr);
}

double lucas_y_supercritical(double tr, double pr) {
  const double a = 0.001245 / tr * std::exp(5.1726 * std::pow(tr, -0.3286));
  const double b = a * (1.6553 * tr - 1.2723);
  const double c = 0.4489 / tr * std::exp(3.0578 * std::pow(tr, -37.7332));
  const double d = 1.7368 / tr * std::exp(2.231 * std::pow(tr, -7.6351));
  const double e = 1.3088;
  const double f = 0.9425 * std::exp(-0.1853 * std::pow(tr, 0.4489));
  return 1.0 + a * std::pow(pr, e) / (b * std::pow(pr, f) + 1.0 / (1.0 + c * std::pow(pr, d)));
}

double lucas_fp(double fp0, double y) {
  const double inv = 1.0 / y;
  return (1.0 + (fp0 - 1.0) * (inv * inv * inv)) / fp0;
}

double lucas_fq(double fq0, double y) {
  const double ln = std::log(y);
  return (1.0 + (fq0 - 1.0) * (1.0 / y - 0.007 * (ln * ln * ln * ln))) / fq0;
}

double lucas_quantum_coefficient(const char* w) {
  if (std::memcmp(w, "H2      ", 8) == 0) return 1.1708;
  if (std::memcmp(w, "D2      ", 8) == 0) return 1.106;
  if (std::memcmp(w, "HE-4    ", 8) == 0) return 1.2804;
  return 0.0;
}

double lucas_mixture_quantum_a(double mh, double ml, double xh) {
  const double ratio = mh / ml;
  if (ratio > 9.0 && xh > 0.05 && xh < 0.7) return 1.0 - 0.01 * std::pow(ratio, 0.87);
  return 1.0;
}

}  // namespace kova::correlations
