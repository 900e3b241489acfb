// Letsou and Stiel (1973): viscosity of a saturated liquid from corresponding states,
// with the coefficients of the DIPPR procedure 8G (Danner and Daubert).
#pragma once

namespace kova::correlations {

// Reduced viscosity mu*xi of the liquid at reduced temperature tr (the correlation's band
// is 0.76 to 0.98): a simple-fluid part and an acentric part, each quadratic in tr,
//   (mu xi) = (0.015174 - 0.02135 Tr + 0.0075 Tr^2) + omega (0.042552 - 0.07674 Tr + 0.034 Tr^2),
// evaluated in nested form.
double letsou_stiel_reduced(double tr, double omega);

// Reducing factor xi = 2173420 Tc^(1/6) / (sqrt(M) Pc^(2/3)), 1/(Pa s): tc in K, pc in Pa,
// mw in kg/kmol. 2173420 is 1000 times the standard atmosphere (Pa) to the power 2/3, so
// the critical pressure enters in atmospheres and the viscosity comes out in Pa s.
double letsou_stiel_xi(double tc, double pc, double mw);

// Liquid viscosity, Pa s, at reduced temperature tr (already limited to the band by the
// caller where it wants that).
inline double letsou_stiel(double tr, double tc, double pc, double mw, double omega) {
  return letsou_stiel_reduced(tr, omega) / letsou_stiel_xi(tc, pc, mw);
}

}  // namespace kova::correlations
