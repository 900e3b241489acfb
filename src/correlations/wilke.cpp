#include "correlations/wilke.h"

#include <cmath>

namespace kova::correlations {

Stockmayer stockmayer_from_boiling_point(double mu, double tb, double vb) {
  const double delta = 1.94e49 * mu * mu / (vb * tb);
  const double f = 1.3 * delta * delta + 1.0;
  return {1.18 * f * tb, std::pow(1.585e-27 * vb / f, 0.333333333333)};
}

double brokaw_reduced_dipole(double mu, const Stockmayer& s) {
  return 3.628382e22 * mu * mu / s.eps_k / s.sigma / s.sigma / s.sigma;
}

double brokaw_mass_factor(double m) {
  if (m < 0.4 || m > 1.33) {
    const double mm = std::pow(4.0 / (1.0 / m + 2.0 + m), 0.25);
    const double m45 = std::pow(m, 0.45);
    return mm / std::sqrt(m) * (1.0 + (m - m45) / (2.0 * (m + 1.0) + (1.0 + m45) / ((1.0 + mm) * std::sqrt(mm))));
  }
  return std::pow(m, -0.37);
}

double brokaw_polarity_factor(double t, double delta_i, double delta_j, double eps_i, double eps_j) {
  if (delta_i < 0.1 && delta_j < 0.1) return 1.0;
  const double ti = t / eps_i, tj = t / eps_j;
  return (delta_i * delta_j / 4.0 + 1.0 + std::sqrt(ti * tj)) /
         (std::sqrt(delta_i * delta_i / 4.0 + 1.0 + ti) * std::sqrt(delta_j * delta_j / 4.0 + 1.0 + tj));
}

double wilke_brokaw(double t, std::span<const WilkeComponent> comps) {
  double mix = 0.0;
  for (const WilkeComponent& ci : comps) {
    if (ci.x == 0.0) continue;
    const double di = brokaw_reduced_dipole(ci.dipole, ci.stk);
    double denom = 0.0;
    for (const WilkeComponent& cj : comps) {
      if (cj.x == 0.0) continue;
      const double dj = brokaw_reduced_dipole(cj.dipole, cj.stk);
      const double a = brokaw_mass_factor(ci.mw / cj.mw);
      const double s = brokaw_polarity_factor(t, di, dj, ci.stk.eps_k, cj.stk.eps_k);
      denom += cj.x * (a * s * std::sqrt(ci.mu_lp / cj.mu_lp));
    }
    mix += ci.x * ci.mu_lp / denom;
  }
  return mix;
}

}  // namespace kova::correlations
