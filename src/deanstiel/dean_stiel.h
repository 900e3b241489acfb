// Dean and Stiel (1958): the excess viscosity of a dense gas over its low-pressure value,
//   eta - eta0 = 4.9691E-11 * (exp(1.439 rho_r) - exp(-1.11 rho_r^1.858)) / xi   [Pa s]
//   xi = Tc^(1/6) / (Pc^(2/3) * M^(1/2)),  Pc = R Zc Tc / Vc,  rho_r = Vc / V
// with Tc in K, Pc in Pa, M in kg/kmol. The constants are used exactly as the library has
// always written them (1/6 and 2/3 as 0.166666667 and 0.66666667).
// Reference: D. E. Dean and L. I. Stiel, AIChE J. 4 (1958) 430; Reid, Prausnitz and
// Poling, The Properties of Gases and Liquids, 4th ed., eq. 9-6.3.
#pragma once

namespace kova::deanstiel {

// Critical pressure from the critical constants, Pa. r: gas constant, J/(kmol K).
inline double critical_pressure(double r, double zc, double tc, double vc) { return r * zc * tc / vc; }

// The viscosity-reducing parameter xi of the correlation, (Pa s)^-1 scaled as above.
double dean_stiel_xi(double tc, double pc, double mw);

// Excess (residual) viscosity at reduced density rho_r for the reducing parameter xi, Pa s.
double dean_stiel_excess(double rho_r, double xi);

// True when xi can be used: finite and positive (false for zero or negative critical
// constants or molecular weight, and for a zero critical volume).
inline bool usable_xi(double xi) { return xi > 0.0 && xi < 1.0e308; }

}  // namespace kova::deanstiel
