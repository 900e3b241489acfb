// Wilke's mixing rule for low-pressure gas viscosity with Brokaw's (1969) interaction
// factors, as in the DIPPR procedure 8D: a mass factor A from the molecular-weight ratio
// and a polarity factor S from Stockmayer potential parameters.
#pragma once

#include <cstdint>
#include <span>

namespace kova::correlations {

// Stockmayer parameters.
struct Stockmayer {
  double eps_k;  // energy parameter epsilon/k, K
  double sigma;  // collision diameter, m
};

// Estimate from the normal boiling point (Brokaw): mu the dipole moment in (J m3)^(1/2),
// tb in K, vb the liquid molar volume at tb in m3/kmol.
//   delta = 1.94e49 mu^2 / (Vb Tb), f = 1 + 1.3 delta^2,
//   eps/k = 1.18 f Tb, sigma = (1.585e-27 Vb / f)^0.333333333333.
Stockmayer stockmayer_from_boiling_point(double mu, double tb, double vb);

// Reduced dipole moment delta = 3.628382e22 mu^2 / (eps/k sigma^3), the constant being
// 1.94e49 * 1.18 * 1.585e-27 so that estimated parameters give back the delta above.
double brokaw_reduced_dipole(double mu, const Stockmayer& s);

// Mass factor A of the pair ratio m = Mi/Mj: m^-0.37 for 0.4 <= m <= 1.33; outside,
// Brokaw's full expression with m' = (4 / (1/m + 2 + m))^(1/4):
//   A = m'/sqrt(m) (1 + (m - m^0.45) / (2 (1 + m) + (1 + m^0.45)/((1 + m') sqrt(m')))).
double brokaw_mass_factor(double m);

// Polarity factor S of a pair at temperature t (K): 1 when both reduced dipoles are below
// 0.1, otherwise
//   S = (1 + sqrt(Ti* Tj*) + di dj / 4) / (sqrt(1 + Ti* + di^2/4) sqrt(1 + Tj* + dj^2/4)),
// with T* = T / (eps/k).
double brokaw_polarity_factor(double t, double delta_i, double delta_j, double eps_i, double eps_j);

// One mixture component for the rule.
struct WilkeComponent {
  double x;      // mole fraction
  double mu_lp;  // pure-component low-pressure viscosity, Pa s
  double mw;     // molecular weight, kg/kmol
  double dipole; // dipole moment, (J m3)^(1/2)
  Stockmayer stk;
};

// Mixture viscosity mu_m = sum_i x_i mu_i / sum_j x_j phi_ij with
// phi_ij = A(Mi/Mj) S_ij sqrt(mu_i/mu_j), same unit as the pure viscosities. Entries with a
// zero mole fraction contribute nothing (they are skipped, which is exact for finite
// values and keeps their parameters out of the result).
double wilke_brokaw(double t, std::span<const WilkeComponent> comps);

}  // namespace kova::correlations
