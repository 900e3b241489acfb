#include "mixing/mixing.h"

#include <cmath>
#include <cstddef>

namespace kova::mixing {

double li_conductivity(std::span<const double> x, std::span<const double> vl, std::span<const double> kl) {
  const std::size_t n = x.size();
  double v = 0.0;
  for (std::size_t i = 0; i < n; ++i) v += x[i] * vl[i];
  double sum = 0.0;
  for (std::size_t k = 0; k < n; ++k) {
    const double phik = x[k] * vl[k] / v;
    for (std::size_t i = 0; i < n; ++i) {
      const double phii = x[i] * vl[i] / v;
      sum += phii * phik * 2.0 / (1.0 / kl[i] + 1.0 / kl[k]);
    }
  }
  return sum;
}

PairFractions dkk_pair_fractions(double xk, double xl) {
  constexpr double kTiny = 1.0e-25;
  if (xk >= kTiny && xl >= kTiny) return {xk / (xk + xl), xl / (xk + xl)};
  if (xk == 0.0 && xl == 0.0) return {0.5, 0.5};
  if (xk == 0.0) return {0.0, 1.0};
  if (xl == 0.0) return {1.0, 0.0};
  const double lsum = std::log10(xk + xl);
  return {std::pow(10.0, std::log10(xk) - lsum), std::pow(10.0, std::log10(xl) - lsum)};
}

namespace {
// An identifier word holding exactly these characters, then blanks to 8.
bool is(std::string_view word, std::string_view four) {
  if (word.size() < 8) return false;
  for (std::size_t i = 0; i < 8; ++i) {
    const char want = i < four.size() ? four[i] : ' ';
    if (word[i] != want) return false;
  }
  return true;
}
}  // namespace

bool wilke_chang_water(std::string_view word1, std::string_view word2) { return is(word1, "H2O") && is(word2, ""); }

double association_factor(std::string_view word1, std::string_view word2) {
  const bool blank2 = is(word2, "");
  if (is(word1, "H2O")) return blank2 ? 2.26 : 1.0;                                // water (Hayduk and Laudie)
  if (is(word1, "CH4O")) return blank2 ? 1.9 : 1.0;                                // methanol
  if (is(word1, "C2H6")) return is(word2, "O-2") ? 1.5 : 1.0;                      // ethanol
  if (is(word1, "C3H8")) return is(word2, "O-1") || is(word2, "O-2") ? 1.2 : 1.0;  // propanols
  if (is(word1, "C4H1")) return is(word2, "0O-1") ? 1.2 : 1.0;                     // 1-butanol
  return 1.0;
}

double vignes_viscosity_weighted(double dkl, double mu_l, double dlk, double mu_k, double xk, double xl,
                                 double mu_mix) {
  const double s = xk + xl;
  if (s > 0.0) return std::pow(dkl * mu_l, xl / s) * std::pow(dlk * mu_k, xk / s) / mu_mix;
  return std::sqrt(dkl * mu_l * dlk * mu_k) / mu_mix;
}

BioDivisor bio_divisor(const BioFactor& f, double ct, double lower, double upper) {
  double cb;
  BioRange range;
  if (ct < lower) {
    cb = lower;
    range = BioRange::BelowLower;
  } else if (ct > upper) {
    cb = upper;
    range = BioRange::AboveUpper;
  } else {
    return {f.value(ct), BioRange::Inside};
  }
  const double fb = f.value(cb);
  return {1.0 / (1.0 / fb - (ct - cb) * f.slope(cb) / (fb * fb)), range};
}

}  // namespace kova::mixing
