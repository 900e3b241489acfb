// Water viscosity and thermal conductivity, IAPS Formulation 1985, as named contributions:
//
//   mu     = mu*     mu0(T)  mu1(T, rho)  mu2(chi)                     (viscosity)
//   lambda = lambda* [lambda0(T) lambda1(T, rho) + lambda2(T, rho, ...)] (thermal conductivity)
//
// in reduced variables T-bar = T/T*, rho-bar = rho/rho*, P-bar = P/P*. The coefficients are
// not in the code: they are words of the library's exported water blocks, which the host
// fills (H0..H3 and Hij in KOVA_H2OMU1, L0..L3 and Lij in KOVA_H2OKS1, the reference
// constants in KOVA_REFH2O). Everything here is re-entrant and touches no host word.
//
// Sources: Sengers and Kamgar-Parsi, J. Phys. Chem. Ref. Data 13, 185 (1984) (viscosity);
// Sengers, Watson, Basu, Kamgar-Parsi and Hendricks, J. Phys. Chem. Ref. Data 13, 893 (1984)
// (thermal conductivity); the IAPWS releases on both (revised 1997/2003 and 1998/2008);
// Sengers and Watson, J. Phys. Chem. Ref. Data 15, 1291 (1986) for tables of values.
#pragma once

#include "kova/kova_types.h"

namespace kova::water {

// Word n (counted from 1) of a water block, as a real.
double block_word(const kova_word* block, int n);

// Reference constants, KOVA_REFH2O words 1 to 4, 6 and 7.
struct Reference {
  double tstar;       // T*, K
  double rhostar;     // rho*, kg/m3
  double pstar;       // P*, Pa
  double mustar;      // mu*, Pa s
  double lambdastar;  // lambda*, W/(m K)
  double molar_mass;  // kg/kmol
};
Reference reference(const kova_word* refh2o);

// Reduced viscosity terms of the 1985 formulation.
struct ReducedViscosity {
  double mu0;  // dilute gas: sqrt(T-bar) / sum_k Hk / T-bar^k
  double mu1;  // residual factor: exp(rho-bar sum_i sum_j Hij (1/T-bar - 1)^i (rho-bar - 1)^j)
};

// Dilute-gas term, H = {H0, H1, H2, H3}.
double viscosity_dilute(double tbar, const double h[4]);

// Residual factor with Hij = hij[i + 6 j] (i = 0..5, j = 0..6). The powers are taken of the
// floored magnitudes |1/T-bar - 1| >= 0.004 and |rho-bar - 1| >= 0.005 with the sign put back
// (+1 for zero): near T* and rho* the odd powers keep a small magnitude instead of vanishing.
double viscosity_residual(double tbar, double rhobar, const double hij[42]);

// Both terms from the words of KOVA_H2OMU1 (H0..H3 in words 1-4, Hij in words 5-46).
ReducedViscosity reduced_viscosity(double tbar, double rhobar, const kova_word* h2omu1);

// Critical enhancement of the viscosity: 0.922 chi-bar^0.0263 from chi-bar = 21.93 up, 1 below.
double viscosity_critical(double chibar);

// Dilute-gas term of the conductivity, L = {L0, L1, L2, L3}.
double conductivity_dilute(double tbar, const double l[4]);

// Residual factor with Lij = lij[i + 5 j] (i = 0..4, j = 0..5); the magnitudes are floored
// at 1e-14 and 1e-12 (only to keep the powers defined at T* and rho* exactly).
double conductivity_residual(double tbar, double rhobar, const double lij[30]);

// Critical enhancement of the conductivity (reduced):
//   lambda2 = 0.0013848 / (mu0 mu1) (T-bar/rho-bar)^2 (dP-bar/dT-bar)_rho^2 chi-bar^0.4678
//             rho-bar^0.5 exp(-18.66 (T-bar - 1)^2 - (rho-bar - 1)^4),
// with the small tolerance eps of the host standing in for |T-bar - 1| and (rho-bar - 1)^2
// when they are not larger than it, and rho-bar held at eps or above.
double conductivity_critical(double tbar, double rhobar, double chibar, double dpdt, double mu0, double mu1,
                             double eps);

// The critical box of the conductivity engine, inclusive: 0.997 <= T-bar <= 1.0082 and
// 0.755 <= rho-bar <= 1.29.
bool in_conductivity_box(double tbar, double rhobar);

}  // namespace kova::water
