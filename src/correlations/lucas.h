// Lucas' corresponding-states method for the viscosity of gases, low pressure and dense
// (as presented by Poling, Prausnitz and O'Connell, The Properties of Gases and Liquids,
// 5th ed., chapter 9). The method works in micropoise; the functions here return the
// dimensionless groups and the routines scale by 1e-7 to Pa s.
#pragma once

namespace kova::correlations {

// Low-pressure polarity factor Fp0 from the reduced dipole moment mur:
// 1 + 30.55 (0.292 - Zc)^1.72 for mur >= 0.022, the term times (0.96 + 0.1 (Tr - 0.7)) for
// mur >= 0.075. zc_guard applies the mixture rule that only Zc < 0.291 contributes. A Zc
// above 0.292 (no real power of a negative base) contributes no polarity term.
double lucas_polarity_factor(double mur, double zc, double tr, bool zc_guard);

// Low-pressure quantum factor Fq0 of a quantum gas with coefficient cq (1.1708 H2, 1.106 D2,
// 1.2804 He-4): cq (1 + q), q = 0.00385 ((Tr - 12)^2)^(1/M), negative below Tr = 12.
double lucas_quantum_factor(double cq, double tr, double mw);

// Reducing factor xi = 0.176 Tc^(1/6) / (sqrt(M) Pc^(2/3)), 1/uP: tc in K, pc in bar.
double lucas_xi(double tc, double pc_bar, double mw);

// Low-pressure group Z1 / (Fp0 Fq0) = 0.807 Tr^0.618 + 0.018 - 0.357 exp(-0.449 Tr)
//   + 0.34 exp(-4.058 Tr).
double lucas_z1(double tr);

// Dense-gas group Z2 at or below the critical temperature (pr at most the vapour pressure's):
// 0.6 + 0.76 Pr^alpha + (6.99 Pr^beta - 0.6)(1 - Tr), alpha = 3.262 + 14.98 Pr^5.508,
// beta = 1.39 + 5.746 Pr.
double lucas_z2_subcritical(double tr, double pr);

// Ratio Y = Z2/Z1 above the critical temperature: 1 + a Pr^e / (b Pr^f + 1/(1 + c Pr^d)),
// with the coefficients a..f of Tr.
double lucas_y_supercritical(double tr, double pr);

// High-pressure polarity and quantum factors from the low-pressure ones:
// Fp = (1 + (Fp0 - 1) Y^-3) / Fp0, Fq = (1 + (Fq0 - 1)(1/Y - 0.007 (ln Y)^4)) / Fq0.
double lucas_fp(double fp0, double y);
double lucas_fq(double fq0, double y);

// Quantum-gas coefficient of a component whose formula identifier's first word is given
// (8 characters: "H2", "D2", "HE-4" padded with blanks), or 0 when it is not a quantum gas.
double lucas_quantum_coefficient(const char* first_word8);

// Mixture quantum factor A from the largest and smallest molecular weights of the list and
// the mole fraction xh of the heaviest: 1 - 0.01 (MH/ML)^0.87 when MH/ML > 9 and
// 0.05 < xh < 0.7, otherwise 1.
double lucas_mixture_quantum_a(double mh, double ml, double xh);

}  // namespace kova::correlations
