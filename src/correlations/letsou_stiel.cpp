#include "correlations/letsou_stiel.h"

#include <cmath>

namespace kova::correlations {

double letsou_stiel_reduced(double tr, double omega) {
  const double simple = (0.0075 * tr - 0.02135) * tr + 0.015174;
  const double acentric = tr * (0.034 * tr - 0.07674) + 0.042552;
  return simple + omega * acentric;
}

double letsou_stiel_xi(double tc, double pc, double mw) {
  return 2173420.0 * std::pow(tc, 0.1666667) / (std::sqrt(mw) * std::pow(pc, 0.6666667));
}

}  // namespace kova::correlations
