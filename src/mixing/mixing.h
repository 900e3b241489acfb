// Liquid mixtures and diffusion: the physics of Li's rule, the Dawson-Khoury-Kobayashi
// density correction, the Wilke-Chang correlation (binary and mixed-solvent forms) and the
// bio-component liquid viscosity. Plain functions of their arguments: no host access, no
// messages, re-entrant.
//
// Units: K, Pa, m3/kmol, kg/kmol, Pa s, W/(m K), m2/s, kg/m3.
#pragma once

#include <cmath>
#include <span>
#include <string_view>

namespace kova::mixing {

// ---------------------------------------------------------------- Li (1976)
// Liquid mixture thermal conductivity by Li's rule (DIPPR procedure 9I):
//   phi_i = x_i V_i / sum_j x_j V_j
//   k_mix = sum_i sum_j phi_i phi_j 2 / (1/k_i + 1/k_j)
// x: mole fractions; vl: liquid molar volumes (only ratios matter); kl: pure-component
// conductivities, W/(m K). An empty list gives 0; a zero total volume gives NaN (the
// caller's minimum rule catches it).
// Reference: C. C. Li, AIChE J. 22 (1976) 927; Poling, Prausnitz and O'Connell, The
// Properties of Gases and Liquids, 5th ed., eq. 10-12.5.
double li_conductivity(std::span<const double> x, std::span<const double> vl, std::span<const double> kl);

// ---------------------------------------------------------------- Dawson, Khoury, Kobayashi (1970)
// Density correction of a low-pressure binary gas diffusion coefficient:
//   D rho / (D0 rho0) = 1 + 0.053432 rho_r - 0.030182 rho_r^2 - 0.029725 rho_r^3
// with rho_r = Vc,pair / V. Evaluated in nested form.
// Reference: R. Dawson, F. Khoury, R. Kobayashi, AIChE J. 16 (1970) 725.
inline double dkk_factor(double rho_r) { return 1.0 + rho_r * (0.053432 + rho_r * (-0.030182 - 0.029725 * rho_r)); }

// The pair's own composition: the two mole fractions normalised to sum 1. Fractions below
// 1E-25 are handled without dividing by their small sum: both exactly zero give 0.5/0.5,
// one exactly zero gives the pure other component, and otherwise the ratio is formed
// through logarithms.
struct PairFractions {
  double yk, yl;
};
PairFractions dkk_pair_fractions(double xk, double xl);

// D = D0 * f(rho_r) * V / V0, with V0, V the pair's molar volumes at the reference and the
// system pressure and vc_pair the mole-fraction average of the pair's critical volumes.
inline double dkk_diffusivity(double d0, double vc_pair, double v0, double v) {
  return d0 * dkk_factor(vc_pair / v) * v / v0;
}

// ---------------------------------------------------------------- Wilke and Chang (1955)
// The constant of the Wilke-Chang correlation in SI on a kmol basis: the textbook 7.4E-8
// (cm2/s, cP, cm3/mol) times 1E-4 / (1E3 * 1000^0.6).
inline constexpr double kWilkeChang = 1.17282e-16;

// Association factor of a solvent from the first two words of its formula identifier
// (8 characters each: four characters and blanks): water 2.26 (Hayduk and Laudie 1974),
// methanol 1.9, ethanol (C2H6O-2) 1.5, 1-propanol, 2-propanol and 1-butanol 1.2,
// everything else 1.0.
double association_factor(std::string_view word1, std::string_view word2);

// Infinite-dilution diffusion coefficient of a solute in a solvent, m2/s:
//   D = 1.17282E-16 T sqrt(phi M) / (mu Vb^0.6)
// phi, mw, mu: association factor, molecular weight (kg/kmol) and viscosity (Pa s) of the
// solvent; vb: molar volume of the solute at its normal boiling point, m3/kmol.
// Reference: C. R. Wilke, P. Chang, AIChE J. 1 (1955) 264.
inline double wilke_chang(double t, double phi, double mw, double mu, double vb);

// Water as a solute in the Wilke-Chang routines: first formula word "H2O", second blank.
bool wilke_chang_water(std::string_view word1, std::string_view word2);

// The divisor applied to the infinite-dilution coefficient of water as a solute.
inline constexpr double kWaterSoluteDivisor = 2.3;

// Viscosity-weighted Vignes combination of the two infinite-dilution coefficients of a pair
// at its actual composition, divided by the mixture viscosity:
//   D = (Dkl mu_l)^(xl/s) (Dlk mu_k)^(xk/s) / mu_mix,  s = xk + xl
// Dkl: k dilute in l; Dlk: l dilute in k. When s <= 0 the geometric mean
// sqrt(Dkl mu_l Dlk mu_k) / mu_mix is used.
double vignes_viscosity_weighted(double dkl, double mu_l, double dlk, double mu_k, double xk, double xl, double mu_mix);

// Mixed-solvent form (Perkins and Geankoplis 1969): a solute of boiling-point volume vb in
// a solvent whose association-weighted molecular weight is q/s (q = sum x phi M, s = sum x
// over the solvent entries) and whose viscosity is mu_mix.
inline double wilke_chang_mixed(double t, double q, double s, double mu_mix, double vb);

// ---------------------------------------------------------------- bio-component viscosity
// Concentration factor of the bio-components and its slope:
//   F(c) = 1 + a c + b c^2 + d c^3,  F'(c) = a + 2 b c + 3 d c^2   (c in kg/m3)
struct BioFactor {
  double a = 0.0, b = 0.0, d = 0.0;
  double value(double c) const { return 1.0 + c * (a + c * (b + c * d)); }
  double slope(double c) const { return a + c * (2.0 * b + 3.0 * d * c); }
};

// Where the total concentration lies against the averaged bounds.
enum class BioRange { Inside, BelowLower, AboveUpper };

struct BioDivisor {
  double o;        // the divisor of the solvent viscosity
  BioRange range;  // which branch produced it
};

// The divisor o of the solvent viscosity at total concentration ct: F(ct) between the
// bounds (inclusive); beyond a bound cb the reciprocal 1/F continued along its tangent,
//   o = 1 / (1/F(cb) - (ct - cb) F'(cb) / F(cb)^2).
// Below the lower bound is tested first (it wins when the bounds are crossed).
BioDivisor bio_divisor(const BioFactor& f, double ct, double lower, double upper);

// ---------------------------------------------------------------- inline definitions
inline double wilke_chang(double t, double phi, double mw, double mu, double vb) {
  return kWilkeChang * t * std::sqrt(phi * mw) / (mu * std::pow(vb, 0.6));
}
inline double wilke_chang_mixed(double t, double q, double s, double mu_mix, double vb) {
  return kWilkeChang * t * std::sqrt(q / s) / mu_mix / std::pow(vb, 0.6);
}

}  // namespace kova::mixing
