#include "deanstiel/dean_stiel.h"

#include <cmath>

namespace kova::deanstiel {

double dean_stiel_xi(double tc, double pc, double mw) {
  return std::pow(tc, 0.166666667) / (std::pow(pc, 0.66666667) * std::sqrt(mw));
}

double dean_stiel_excess(double rho_r, double xi) {
  return 4.9691E-11 * (std::exp(1.439 * rho_r) - std::exp(-1.11 * std::pow(rho_r, 1.858))) / xi;
}

}  // namespace kova::deanstiel
