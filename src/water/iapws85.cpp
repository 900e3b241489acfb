#include "water/iapws85.h"

#include <algorithm>
#include <cmath>

#include "host/words.h"

namespace kova::water {

namespace {

// sgn(x)^n max(floor, |x|)^n for n = 0..count-1 (sgn is +1 for zero).
template <int Count>
void signed_floored_powers(double x, double floor, double (&out)[Count]) {
  const double base = (x < 0.0 ? -1.0 : 1.0) * std::max(floor, std::fabs(x));
  out[0] = 1.0;
  for (int n = 1; n < Count; ++n) out[n] = out[n - 1] * base;
}

}  // namespace

double block_word(const kova_word* block, int n) { return host::real_word(block, n - 1); }

Reference reference(const kova_word* refh2o) {
  return {block_word(refh2o, 1), block_word(refh2o, 2), block_word(refh2o, 3),
          block_word(refh2o, 4), block_word(refh2o, 6), block_word(refh2o, 7)};
}

double viscosity_dilute(double tbar, const double h[4]) {
  return std::sqrt(tbar) / (h[0] + h[1] / tbar + h[2] / (tbar * tbar) + h[3] / (tbar * tbar * tbar));
}

double viscosity_residual(double tbar, double rhobar, const double hij[42]) {
  double a[6], b[7];
  signed_floored_powers(1.0 / tbar - 1.0, 0.004, a);
  signed_floored_powers(rhobar - 1.0, 0.005, b);
  double sum = 0.0;
  for (int i = 0; i < 6; ++i) {
    double inner = 0.0;
    for (int j = 0; j < 7; ++j) inner += hij[i + 6 * j] * b[j];
    sum += a[i] * inner;
  }
  return std::exp(rhobar * sum);
}

ReducedViscosity reduced_viscosity(double tbar, double rhobar, const kova_word* h2omu1) {
  double h[4], hij[42];
  for (int k = 0; k < 4; ++k) h[k] = block_word(h2omu1, 1 + k);
  for (int k = 0; k < 42; ++k) hij[k] = block_word(h2omu1, 5 + k);
  return {viscosity_dilute(tbar, h), viscosity_residual(tbar, rhobar, hij)};
}

double viscosity_critical(double chibar) { return chibar >= 21.93 ? 0.922 * std::pow(chibar, 0.0263) : 1.0; }

double conductivity_dilute(double tbar, const double l[4]) {
  return std::sqrt(tbar) / (l[0] + l[1] / tbar + l[2] / (tbar * tbar) + l[3] / (tbar * tbar * tbar));
}

double conductivity_residual(double tbar, double rhobar, const double lij[30]) {
  double a[5], b[6];
  signed_floored_powers(1.0 / tbar - 1.0, 1e-14, a);
  signed_floored_powers(rhobar - 1.0, 1e-12, b);
  double sum = 0.0;
  for (int i = 0; i < 5; ++i) {
    double inner = 0.0;
    for (int j = 0; j < 6; ++j) inner += lij[i + 5 * j] * b[j];
    sum += a[i] * inner;
  }
  return std::exp(rhobar * sum);
}

double conductivity_critical(double tbar, double rhobar, double chibar, double dpdt, double mu0, double mu1,
                             double eps) {
  const double dt = std::fabs(tbar - 1.0) <= eps ? eps : tbar - 1.0;
  double dr = (rhobar - 1.0) * (rhobar - 1.0);
  if (dr <= eps) dr = eps;
  const double rf = std::max(eps, rhobar);
  const double x = (tbar / rf) * dpdt;
  return 0.0013848 * std::exp(-18.66 * dt * dt - dr * dr) * std::pow(chibar, 0.4678) * x * x * std::sqrt(rf) /
         (mu0 * mu1);
}

bool in_conductivity_box(double tbar, double rhobar) {
  return tbar >= 0.997 && tbar <= 1.0082 && rhobar >= 0.755 && rhobar <= 1.29;
}

}  // namespace kova::water
