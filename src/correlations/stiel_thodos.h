// Stiel and Thodos (1964): excess (dense-gas) thermal conductivity of a vapour over its
// low-pressure value, as a function of the reduced density, in the correlation's original
// cgs constants.
#pragma once

namespace kova::correlations {

// Upper limit of the reduced density covered by the correlation; from here on the residual
// is extrapolated along the tangent of the last branch.
inline constexpr double kStielThodosRhoMax = 2.8;

// The correlating function (lambda - lambda0) Gamma Zc^5 in cal/(cm s K) of rho_r = Vc/V:
//   rho_r < 0.5:        1.4e-7   (exp(0.535 rho_r) - 1)
//   0.5 <= rho_r < 2.0: 1.31e-7  (exp(0.67 rho_r) - 1.069)
//   2.0 <= rho_r < 2.8: 2.976e-8 (exp(1.155 rho_r) + 2.016)
//   otherwise (rho_r >= 2.8, or NaN): 8.7242e-7 rho_r - 1.6274e-6, the tangent at 2.8.
// Each lower limit is inclusive. *extrapolated tells whether the last line was used.
double stiel_thodos_f(double rho_r, bool* extrapolated = nullptr);

// Gamma = sqrt(M) 2173.42 Tc^0.16667 / Pc^0.66667: tc in K, pc in Pa, mw in kg/kmol; 2173.42
// is the standard atmosphere in Pa to the power 2/3, so Pc enters in atmospheres.
double stiel_thodos_gamma(double tc, double pc, double mw);

// Residual conductivity, W/(m K): f 418.68 / (Zc^5 Gamma), 418.68 converting
// cal/(cm s K) to W/(m K); Zc^5 is formed as (Zc^2)^2 Zc.
double stiel_thodos_residual(double f, double tc, double pc, double zc, double mw);

}  // namespace kova::correlations
