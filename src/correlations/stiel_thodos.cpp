#include "correlations/stiel_thodos.h"

#include <cmath>

namespace kova::correlations {

double stiel_thodos_f(double rho_r, bool* extrapolated) {
  if (extrapolated != nullptr) *extrapolated = false;
  if (rho_r < 0.5) return 1.4e-07 * (std::exp(0.535 * rho_r) - 1.0);
  if (rho_r < 2.0) return 1.31e-07 * (std::exp(0.67 * rho_r) - 1.069);
  if (rho_r < kStielThodosRhoMax) return 2.976e-08 * (std::exp(1.155 * rho_r) + 2.016);
  if (extrapolated != nullptr) *extrapolated = true;
  return 8.7242e-07 * rho_r - 1.6274e-06;
}

double stiel_thodos_gamma(double tc, double pc, double mw) {
  return std::sqrt(mw) * 2173.42 * std::pow(tc, 0.16667) / std::pow(pc, 0.66667);
}

double stiel_thodos_residual(double f, double tc, double pc, double zc, double mw) {
  const double zc2 = zc * zc;
  const double zc5 = zc2 * zc2 * zc;
  return f * 418.68 / (zc5 * stiel_thodos_gamma(tc, pc, mw));
}

}  // namespace kova::correlations
