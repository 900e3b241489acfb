// Chung, Lee and Starling: viscosity and thermal conductivity of dilute and dense gases and
// liquids, pure and mixed, from a few characteristic quantities of the fluid.
//
// The host does not pass critical constants; it passes five pair arrays (square, by
// component number in both directions, column by column with LD rows) and the square roots
// of the association factors:
//   SIG3(i,j)    sigma_ij^3                                  cubic angstrom
//   EPSIG3(i,j)  (eps/k)_ij sigma_ij^3                       K A^3
//   EPSIG2M(i,j) (eps/k)_ij sigma_ij^2 sqrt(M_ij)            K A^2 (kg/kmol)^0.5
//   DIPSIG3(i,j) mu_i^2 mu_j^2 / sigma_ij^3, mu in debye     D^4 / A^3
//   OMSIG3(i,j)  omega_ij sigma_ij^3                         A^3
//   SQKAP(i)     sqrt(kappa_i)
// A pure component takes the diagonal, a mixture the mole-fraction double sums (the van der
// Waals one-fluid rules of the method), and from them:
//   sigma^3 = s(SIG3), eps/k = s(EPSIG3)/sigma^3, T* = T/(eps/k), sigma^2 = (sigma^3)^(2/3),
//   M = (s(EPSIG2M)/(eps/k)/sigma^2)^2, Tc = 1.2593 eps/k, Vc = sigma^3/0.529475 (cm3/mol),
//   omega = s(OMSIG3)/sigma^3, mur^4 = 297206911 sigma^3 s(DIPSIG3)/(Tc^2 Vc^2)
//   (that is (131.3 mu/sqrt(Vc Tc))^4), kappa = (sum x_i SQKAP_i)^2,
//   Omega_v = 1.16145 T*^-0.14874 + 0.52487 exp(-0.7732 T*) + 2.16178 exp(-2.43787 T*)
//   (Neufeld et al. without the small sine term), Fc = 1 - 0.2756 omega + 0.059035 mur^4 + kappa.
//
// References: T.-H. Chung, L. L. Lee, K. E. Starling, Ind. Eng. Chem. Fundam. 23 (1984) 8;
// T.-H. Chung, M. Ajlan, L. L. Lee, K. E. Starling, Ind. Eng. Chem. Res. 27 (1988) 671;
// Poling, Prausnitz and O'Connell, The Properties of Gases and Liquids, 5th ed. (2001),
// sections 9-4, 9-5, 9-6 (viscosity) and 10-3, 10-5 (thermal conductivity).
#pragma once

#include <array>
#include <cstdint>

namespace kova::chung {

// The pair arrays as the host lays them out. Element (i, j), component numbers from 1, is
// z[(i - 1) + (j - 1) * ld].
struct PairArrays {
  const double* sig3;
  const double* epsig3;
  const double* epsig2m;
  const double* dipsig3;
  const double* omsig3;
  const double* sqkap;  // by component number
  std::int64_t ld;

  double at(const double* z, std::int64_t i, std::int64_t j) const { return z[(i - 1) + (j - 1) * ld]; }
};

// The values formed from the pair arrays: s(SIG3) ... s(OMSIG3) and kappa.
struct PairSums {
  double sig3 = 0.0, epsig3 = 0.0, epsig2m = 0.0, dipsig3 = 0.0, omsig3 = 0.0;
  double kappa = 0.0;
};

// Pure component c: the diagonal elements and kappa = SQKAP(c)^2.
PairSums pure_sums(const PairArrays& p, std::int64_t c);

// Mixture of n listed components (x and idx from element 0): for each array
//   S_Z = sum_i x_i (sum_j x_j Z(idx_j, idx_i)), i in the outer loop,
// and kappa = (sum_i x_i SQKAP(idx_i))^2. Mole fractions are used as given.
PairSums mixture_sums(const PairArrays& p, std::int64_t n, const double* x, const std::int64_t* idx);

// The characteristic quantities of the fluid at temperature t (K).
struct Characteristic {
  double t;       // temperature, K
  double sigma3;  // A^3
  double epsk;    // eps/k, K
  double tstar;   // T* = T / (eps/k)
  double sigma2;  // A^2
  double mw;      // kg/kmol
  double tc;      // K
  double vc;      // cm3/mol
  double omega;   // acentric factor
  double mur4;    // fourth power of the reduced dipole moment
  double kappa;   // association factor
  double omega_v; // viscosity collision integral
  double fc;      // shape and polarity factor
};

Characteristic characteristic(const PairSums& s, double t);

// True when the pair values describe a fluid the formulas can evaluate: sigma^3, eps/k and
// M positive and finite. A zero SIG3, EPSIG3 or EPSIG2M value (or an empty mixture) is not.
bool usable(const Characteristic& q);

// Viscosity collision integral of Neufeld, Janzen and Aziz (1972), three terms.
double collision_integral(double tstar);

// Low-pressure viscosity, Pa s:
//   eta = 1e-7 * 36.344 sqrt(T*) / Omega_v * sqrt(M Tc) * Fc / Vc^(2/3)
double chung_low_pressure_viscosity(const Characteristic& q);

// Reduced density y = rho Vc / 6 for a molar volume v in m3/kmol and Vc in cm3/mol.
double reduced_density(double v, double vc);

// True when the dense-fluid formulas can take the molar volume v: finite, with 0 < y < 1
// (V above Vc/6000). At y = 1 G1 is infinite; above it the value is meaningless.
bool usable_volume(double v, double vc);

// G1 = (1 - 0.5 y) / (1 - y)^3
double chung_g1(double y);
// G2 = (A1 (1 - exp(-A4 y)) / y + (A2 exp(A5 y) + A3) G1) / (A1 A4 + A2 + A3), with the
// first five coefficients of a set (E1..E5 for viscosity, B1..B5 for conductivity).
// 1 - exp(-A4 y) is evaluated as -expm1(-A4 y), so that G2 tends to 1 as y tends to 0
// instead of losing every digit to cancellation in dilute gases.
double chung_g2(double y, double a1, double a2, double a3, double a4, double a5);

// The ten viscosity coefficients E1..E10 (element 0 is E1). kcoef == 1 selects the
// two-column set (no dipole and association terms), any other value the four-column set.
std::array<double, 10> viscosity_coefficients(double omega, double mur4, double kappa, std::int64_t kcoef);

// Dense-fluid viscosity at molar volume v (m3/kmol), Pa s:
//   eta** = E7 y^2 G2 exp(E8 + E9/T* + E10/T*^2)
//   eta*  = sqrt(T*)/Omega_v Fc (1/G2 + E6 y) + eta**
//   eta   = 1e-7 * 36.344 sqrt(M Tc) eta* / Vc^(2/3)
double chung_dense_viscosity(const Characteristic& q, double v, std::int64_t kcoef);

// The seven conductivity coefficients B1..B7 (element 0 is B1).
std::array<double, 7> conductivity_coefficients(double omega, double mur4, double kappa);

// Heat-capacity factor Psi for alpha = Cv/R - 3/2, Tr = T/Tc:
//   beta = 0.7862 - 0.7109 omega + 1.3168 omega^2, Z = 2 + 10.5 Tr^2,
//   Psi = 1 + alpha (0.215 + 0.2828 alpha - 1.061 beta + 0.26665 Z)
//             / (0.6366 + beta Z + 1.061 alpha beta)
double chung_psi(double alpha, double omega, double tr);

// Thermal conductivity at molar volume v (m3/kmol) from the low-pressure viscosity eta0
// (Pa s) and alpha = Cv/R - 3/2, W/(m K):
//   lambda = 31.2 eta0 Psi / M' (1/G2 + B6 y) + q B7 y^2 sqrt(Tr) G2,
//   M' = 0.001 M (kg/mol), q = 0.003586 sqrt(Tc/M') / Vc^(2/3)
double chung_thermal_conductivity(const Characteristic& q, double v, double eta0, double alpha);

}  // namespace kova::chung
